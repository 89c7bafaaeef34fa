#pragma once
// Polled input and application events. PollSystem (also run by Flip) takes
// the system's events; the functions below answer from what it took.
// Keys use the virtual key codes below; mouse buttons are 1 left, 2 right,
// 3 middle.
#include <functional>

namespace sorvanta {

constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_TAB = 9;
constexpr int KEY_ENTER = 13;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_SPACE = 32;
constexpr int KEY_LEFT = 37;
constexpr int KEY_UP = 38;
constexpr int KEY_RIGHT = 39;
constexpr int KEY_DOWN = 40;
constexpr int KEY_DELETE = 46;
constexpr int KEY_0 = 48;  // digits 48..57
constexpr int KEY_A = 65;  // letters 65..90
constexpr int KEY_COMMAND = 91;  // the Super (Command, Windows) keys
constexpr int KEY_F1 = 112;      // F1..F12 are 112..123
constexpr int KEY_F4 = 115;
constexpr int KEY_F11 = 122;
constexpr int KEY_LSHIFT = 160;
constexpr int KEY_RSHIFT = 161;
constexpr int KEY_LCONTROL = 162;
constexpr int KEY_RCONTROL = 163;
constexpr int KEY_LALT = 164;
constexpr int KEY_RALT = 165;
constexpr int kKeyCodeCount = 256;

// Takes the system's pending events (keys, mouse, text, focus, quit).
void PollSystem();

// Presses of a key since the last KeyHit for it (key repeat does not count).
int KeyHit(int key);
// 1 while the key is held, else 0.
int KeyDown(int key);
// A chord: KeyHit(key) when a pending press of key came while modifier
// (KEY_COMMAND, KEY_LALT, ...) was held, or modifier is held now; else 0 and
// the presses stay for KeyHit. A chord pressed and released within one frame
// counts.
int KeyHitWith(int modifier, int key);
// The next typed character (a Unicode code point; Backspace 8, Enter 13 and
// Escape 27 too, with key repeat), 0 when none is waiting.
int GetChar();
// Forgets key presses, held keys and typed characters: a key still held reads
// as up until pressed again.
void FlushKeys();

// Pointer position in the virtual resolution (video.h).
float VirtualMouseX();
float VirtualMouseY();
// Moves the pointer, in virtual units.
void MoveVirtualMouse(float x, float y);
// Presses of a button since the last MouseHit for it.
int MouseHit(int button);
// 1 while the button is held, else 0.
int MouseDown(int button);
// Forgets presses and held buttons: a button still held reads as up until
// pressed again.
void FlushMouse();
// The system pointer over the window.
void ShowMouse();
void HideMouse();
// False while the pointer is outside the window: it has left, or a new mode
// opened away from it. After every mode switch, and whenever the window moves
// or changes size, the position is read from the system, so it is where the
// pointer really is before the pointer moves again.
bool MouseInWindow();
// Tests: reader gives the pointer in window units as the system would after
// a mode switch (false: unknown). nullptr asks the system again.
void SetSystemPointerForTests(std::function<bool(float& x, float& y)> reader);

// True while the window has lost the focus or is minimised.
bool AppSuspended();
// True once for each request to end: the window closed, a quit request, or
// SIGTERM / SIGINT / SIGHUP.
bool AppTerminate();
// Whether one of those signals came during the run: the end was not the
// player's own doing, and no one may be there to answer a question.
bool EndSignalled();

}  // namespace sorvanta
