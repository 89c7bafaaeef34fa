#pragma once
// Input internals shared by the drawing layer and the harness.
#include <SDL.h>

#include <array>
#include <csignal>
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/input.h"

namespace sorvanta {

// What PollSystem took of the system's events, as the input functions answer.
struct InputState {
  std::array<int, kKeyCodeCount> keyHits{};
  // Modifiers (bits of the modifier table) held at the time of a key's pending presses.
  std::array<std::uint8_t, kKeyCodeCount> hitModifiers{};
  std::array<bool, kKeyCodeCount> keyDown{};
  std::array<int, 4> mouseHits{};
  std::array<bool, 4> mouseDown{};
  std::deque<int> chars;
  float mouseX = 0, mouseY = 0;  // in window units
  bool focusLost = false;
  bool minimised = false;
  bool terminate = false;
  bool cursorHidden = false;
  // The pointer is over the window; false once it has left.
  bool pointerInside = true;
  // The window opened, moved or changed size since the pointer was last
  // asked of the system: no event says where the pointer now is in it (a
  // crossing may even be reported at the window's passing place), so it is
  // asked at the next poll.
  bool pointerStale = false;
};

InputState& Input();

// Set by our signal handlers: a request to end not yet taken into the
// input state, and whether a signal asked the game to end at some point of
// the run (never cleared by the game).
extern volatile std::sig_atomic_t g_signalled;
extern volatile std::sig_atomic_t g_endedBySignal;

// Our handlers for SIGINT, SIGTERM and SIGHUP, installed once.
void InstallTerminateHandlers();
// Applies ShowMouse/HideMouse to a newly opened window.
void ApplyCursorVisibility();
// Takes one system event into the input state.
void HandleEvent(const SDL_Event& event);
// The virtual key code of an SDL key (0 when it has none).
int VirtualKeyFromSdl(SDL_Keycode key);
// Called at the start of every PollSystem (the harness delivers its script).
void SetPollHook(std::function<void()> hook);
// A new window starts with the focus, not minimised.
void ResetWindowState();

}  // namespace sorvanta
