#pragma once
// What a process the game forks may keep of it: one that shows a box (on
// X11 the message box runs in a forked process) holds the one-copy lock
// with the game, dies with it and goes as soon as a signal ends the game;
// no other holds the lock.

namespace sorvanta {

// The descriptor every child but a box closes first thing (-1: none).
void CloseInChildren(int fd);

// While one lives, what the game forks shows a box: it dies with the game
// (a SIGKILL included), takes the end signals as any program does, and is
// ended by EndBoxOnSignal, so the wait for its answer ends too. Until it is
// gone the lock stays taken, even after the game itself has gone.
class BoxProcess {
 public:
  BoxProcess();
  ~BoxProcess();
  BoxProcess(const BoxProcess&) = delete;
  BoxProcess& operator=(const BoxProcess&) = delete;
};

// From the handler of the signals that end the game: ends the box that
// shows, and every box forked from now on. Async-signal-safe.
void EndBoxOnSignal();
// A new run (tests): boxes may show again.
void ResetBoxEnding();

}  // namespace sorvanta
