#pragma once
// The frame cycle every screen shares: the per-frame system step the screen
// loop runs before each update, the frame end after each draw, and the pause
// screen shown while the application is in the background.
#include <list>
#include <memory>
#include <string>

namespace sorvanta {

// The quit keys (left Alt+F4, Command+Q) and the system's terminate request
// end the game through quitGame (ende).
void checkQuitRequest();
// Timer, mouse, the quit request, Super+F or F11 (full screen toggle,
// settings written at once) and the sound registry. The screen loop runs it
// once per frame (updateScreen, core/screen_loop.h); screens never do.
void _updateSystem();
// Ends a frame: cursor, pause screen (n = 0 only), present, clear for the
// next; a waiting message over the frame (n = 0 only) once the screen that
// drew it has settled (waitingMessageShowsNow, core/dialogs.h).
void myFlip(int n, bool screenSettled = true);
// The frozen frame darkened with the pause text, until the application is
// active again. Music and the story's caption timers stand still meanwhile.
void pauseGame();
int Millisecs2();
// Draws the mouse cursor.
void _drawMouse();
// Does nothing (the platform sets the window's icon); kept with the frame's
// interface, nothing in the game calls it.
void SetIcon();

// A new list of the elements of list that are set.
template <typename T>
std::list<std::shared_ptr<T>> copyList(const std::list<std::shared_ptr<T>>& list) {
  std::list<std::shared_ptr<T>> out;
  for (const auto& item : list)
    if (item) out.push_back(item);
  return out;
}

}  // namespace sorvanta
