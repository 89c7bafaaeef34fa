#pragma once
// Input internals shared by the drawing layer and the harness.
#include <SDL.h>

#include <functional>

namespace sorvanta {

// Our handlers for SIGINT, SIGTERM and SIGHUP, installed once.
void InstallTerminateHandlers();
// Applies ShowMouse/HideMouse to a newly opened window.
void ApplyCursorVisibility();
// Takes one system event into the input state.
void HandleEvent(const SDL_Event& event);
// The virtual key code of an SDL key (0 when it has none), and an SDL key
// that maps to a virtual key code (SDLK_UNKNOWN when none does).
int VirtualKeyFromSdl(SDL_Keycode key);
SDL_Keycode SdlKeyFromVirtual(int code);
// Called at the start of every PollSystem (the harness delivers its script).
void SetPollHook(std::function<void()> hook);
// A new window starts with the focus, not minimised.
void ResetWindowState();
// Forgets every key, button, character, focus and terminate state.
void ResetInputState();

}  // namespace sorvanta
