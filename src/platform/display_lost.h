#pragma once
// The display going away under the game (the X server ended, the session
// closed): turned into the game's own way out instead of Xlib's exit.
#include <functional>
#include <string>

namespace sorvanta {

// What runs when the display is lost, given the display's name: it saves
// and ends the process (End), drawing and asking nothing. Called from deep
// inside the window system's library, which may not be returned to: when
// the handler returns, or the display is lost again while it runs, the
// process ends with -1 (255), an error's status.
void SetDisplayLostHandler(std::function<void(const std::string& display)> handler);
// Whether the display was lost: nothing may be drawn or asked of it any more.
bool DisplayLost();
// Watches the window system's connection, where it has one that can be
// lost without a word (X11; Wayland reports it as a quit request). Called
// whenever video starts.
void WatchDisplay();
// Tests: the display lost now, the handler run as the window system would
// (it may end the process; a handler that throws passes it on).
void LoseDisplayForTests(const std::string& display);
// Tests: a new run, with its display.
void ResetDisplayLostForTests();

}  // namespace sorvanta
