// Polled input: key and button states, typed characters, focus and quit.
#include "platform/input.h"

#include <array>
#include <csignal>
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/audio_internal.h"
#include "platform/child_processes.h"
#include "platform/input_internal.h"
#include "platform/strings.h"
#include "platform/video_internal.h"

namespace sorvanta {

InputState& Input() {
  static InputState* state = new InputState;
  return *state;
}

volatile std::sig_atomic_t g_signalled = 0;
volatile std::sig_atomic_t g_endedBySignal = 0;

namespace {

constexpr std::size_t kMaxQueuedChars = 256;

std::function<void()>& PollHook() {
  static auto* hook = new std::function<void()>;
  return *hook;
}

void OnTerminateSignal(int) {
  g_signalled = 1;
  g_endedBySignal = 1;
  // A box up waits for an answer no one will give.
  EndBoxOnSignal();
}

std::function<bool(float&, float&)>& PointerReaderForTests() {
  static auto* reader = new std::function<bool(float&, float&)>;
  return *reader;
}

// The pointer in the window's units as the system has it now, asked
// directly: after a mode switch no event tells where the window went.
// Drivers without a screen have no pointer of their own to ask.
bool ReadSystemPointer(float& x, float& y) {
  if (PointerReaderForTests()) return PointerReaderForTests()(x, y);
  SDL_Window* window = Video().window;
  const char* driver = SdlVideoStarted() ? SDL_GetCurrentVideoDriver() : nullptr;
  if (!window || !driver || ScreenlessDriver(driver)) return false;
  int gx = 0, gy = 0, wx = 0, wy = 0;
  SDL_GetGlobalMouseState(&gx, &gy);
  SDL_GetWindowPosition(window, &wx, &wy);
  x = static_cast<float>(gx - wx);
  y = static_cast<float>(gy - wy);
  return true;
}

void SyncStalePointer() {
  InputState& s = Input();
  float x = 0, y = 0;
  if (!s.pointerStale || !ReadSystemPointer(x, y)) return;
  s.mouseX = x;
  s.mouseY = y;
  int w = 0, h = 0;
  if (Video().window) SDL_GetWindowSize(Video().window, &w, &h);
  s.pointerInside = x >= 0 && y >= 0 && x < w && y < h;
  s.pointerStale = false;
}

// SDL's button numbers (1 left, 2 middle, 3 right) to ours (1 left, 2 right, 3 middle).
int ButtonFromSdl(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

// The modifiers a chord may use, with their SDL modifier bits.
struct Modifier {
  int code;
  Uint16 sdlMask;
};
constexpr Modifier kModifiers[] = {
    {KEY_COMMAND, KMOD_GUI},       {KEY_LSHIFT, KMOD_LSHIFT}, {KEY_RSHIFT, KMOD_RSHIFT},
    {KEY_LCONTROL, KMOD_LCTRL},    {KEY_RCONTROL, KMOD_RCTRL}, {KEY_LALT, KMOD_LALT},
    {KEY_RALT, KMOD_RALT},
};

int ModifierBit(int code) {
  for (std::size_t i = 0; i < std::size(kModifiers); ++i)
    if (kModifiers[i].code == code) return 1 << i;
  return 0;
}

// The modifiers held as a key event arrives: our own key state, or the
// system's where a modifier went down before our window saw it.
std::uint8_t HeldModifiers(Uint16 sdlMods) {
  const InputState& s = Input();
  std::uint8_t bits = 0;
  for (std::size_t i = 0; i < std::size(kModifiers); ++i)
    if (s.keyDown[kModifiers[i].code] || (sdlMods & kModifiers[i].sdlMask) != 0) bits |= 1 << i;
  return bits;
}

void QueueChar(int code) {
  InputState& s = Input();
  if (s.chars.size() < kMaxQueuedChars) s.chars.push_back(code);
}

void HandleKey(const SDL_KeyboardEvent& key, bool pressed) {
  InputState& s = Input();
  int code = VirtualKeyFromSdl(key.keysym.sym);
  if (pressed && (code == KEY_BACKSPACE || code == KEY_ENTER || code == KEY_ESCAPE)) QueueChar(code);
  if (code <= 0 || code >= kKeyCodeCount) return;
  if (!pressed) {
    s.keyDown[code] = false;
  } else if (!key.repeat) {
    s.hitModifiers[code] |= HeldModifiers(key.keysym.mod);
    s.keyDown[code] = true;
    ++s.keyHits[code];
  }
}

void HandleWindowEvent(const SDL_WindowEvent& event) {
  InputState& s = Input();
  // A window closed by a mode switch may still report losing the focus.
  SDL_Window* window = Video().window;
  if (window && event.windowID != SDL_GetWindowID(window)) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST: s.focusLost = true; break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: s.focusLost = false; break;
    case SDL_WINDOWEVENT_MINIMIZED: s.minimised = true; break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_SHOWN: s.minimised = false; break;
    case SDL_WINDOWEVENT_CLOSE: s.terminate = true; break;
    case SDL_WINDOWEVENT_ENTER: s.pointerInside = true; break;
    case SDL_WINDOWEVENT_LEAVE: s.pointerInside = false; break;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: s.pointerStale = true; break;
    default: break;
  }
}

}  // namespace

void InstallTerminateHandlers() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  struct sigaction action {};
  action.sa_handler = OnTerminateSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  // The terminal the game was started from closed, or the session ended.
  sigaction(SIGHUP, &action, nullptr);
}

void HandleEvent(const SDL_Event& event) {
  InputState& s = Input();
  switch (event.type) {
    case SDL_QUIT: s.terminate = true; break;
    case SDL_WINDOWEVENT: HandleWindowEvent(event.window); break;
    case SDL_KEYDOWN: HandleKey(event.key, true); break;
    case SDL_KEYUP: HandleKey(event.key, false); break;
    case SDL_TEXTINPUT:
      for (char32_t c : Utf8ToU32(event.text.text)) QueueChar(static_cast<int>(c));
      break;
    case SDL_MOUSEMOTION:
      s.mouseX = static_cast<float>(event.motion.x);
      s.mouseY = static_cast<float>(event.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      s.mouseX = static_cast<float>(event.button.x);
      s.mouseY = static_cast<float>(event.button.y);
      int b = ButtonFromSdl(event.button.button);
      if (b == 0) break;
      if (event.type == SDL_MOUSEBUTTONDOWN) {
        s.mouseDown[b] = true;
        ++s.mouseHits[b];
      } else {
        s.mouseDown[b] = false;
      }
      break;
    }
    default: break;
  }
}

void SetPollHook(std::function<void()> hook) { PollHook() = std::move(hook); }

void PollSystem() {
  if (PollHook()) PollHook()();
  if (SdlVideoStarted()) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) HandleEvent(event);
  }
  SyncStalePointer();
  if (g_signalled) {
    g_signalled = 0;
    Input().terminate = true;
  }
  PumpAudioClock();
}

int KeyHit(int key) {
  if (key <= 0 || key >= kKeyCodeCount) return 0;
  int n = Input().keyHits[key];
  Input().keyHits[key] = 0;
  Input().hitModifiers[key] = 0;
  return n;
}

int KeyHitWith(int modifier, int key) {
  if (key <= 0 || key >= kKeyCodeCount) return 0;
  const int bit = ModifierBit(modifier);
  if ((bit != 0 && (Input().hitModifiers[key] & bit) != 0) || KeyDown(modifier)) return KeyHit(key);
  return 0;
}

int KeyDown(int key) {
  if (key <= 0 || key >= kKeyCodeCount) return 0;
  return Input().keyDown[key] ? 1 : 0;
}

int GetChar() {
  InputState& s = Input();
  if (s.chars.empty()) return 0;
  int c = s.chars.front();
  s.chars.pop_front();
  return c;
}

void FlushKeys() {
  InputState& s = Input();
  s.keyHits.fill(0);
  s.hitModifiers.fill(0);
  s.keyDown.fill(false);
  s.chars.clear();
}

float VirtualMouseX() {
  const VideoState& v = Video();
  return v.windowWidth > 0 ? Input().mouseX * v.virtWidth / v.windowWidth : Input().mouseX;
}

float VirtualMouseY() {
  const VideoState& v = Video();
  return v.windowHeight > 0 ? Input().mouseY * v.virtHeight / v.windowHeight : Input().mouseY;
}

void MoveVirtualMouse(float x, float y) {
  const VideoState& v = Video();
  InputState& s = Input();
  s.mouseX = v.virtWidth > 0 ? x * v.windowWidth / v.virtWidth : x;
  s.mouseY = v.virtHeight > 0 ? y * v.windowHeight / v.virtHeight : y;
  if (v.window) SDL_WarpMouseInWindow(v.window, static_cast<int>(s.mouseX), static_cast<int>(s.mouseY));
}

int MouseHit(int button) {
  if (button < 1 || button > 3) return 0;
  int n = Input().mouseHits[button];
  Input().mouseHits[button] = 0;
  return n;
}

int MouseDown(int button) {
  if (button < 1 || button > 3) return 0;
  return Input().mouseDown[button] ? 1 : 0;
}

void FlushMouse() {
  Input().mouseHits.fill(0);
  Input().mouseDown.fill(false);
}

void ApplyCursorVisibility() {
  if (SdlVideoStarted()) SDL_ShowCursor(Input().cursorHidden ? SDL_DISABLE : SDL_ENABLE);
}

void ShowMouse() {
  Input().cursorHidden = false;
  ApplyCursorVisibility();
}

void HideMouse() {
  Input().cursorHidden = true;
  ApplyCursorVisibility();
}

bool MouseInWindow() { return Input().pointerInside; }

void SetSystemPointerForTests(std::function<bool(float& x, float& y)> reader) {
  PointerReaderForTests() = std::move(reader);
}

bool AppSuspended() { return Input().focusLost || Input().minimised; }

bool AppTerminate() {
  if (g_signalled) {
    g_signalled = 0;
    Input().terminate = true;
  }
  bool requested = Input().terminate;
  Input().terminate = false;
  return requested;
}

bool EndSignalled() { return g_endedBySignal != 0; }

void ResetWindowState() {
  Input().focusLost = false;
  Input().minimised = false;
  Input().pointerStale = true;
}

}  // namespace sorvanta
