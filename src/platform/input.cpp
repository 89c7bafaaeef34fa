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

namespace {

constexpr std::size_t kMaxQueuedChars = 256;

struct InputState {
  std::array<int, kKeyCodeCount> keyHits{};
  // Modifiers (bits of kModifiers) held at the time of a key's pending presses.
  std::array<std::uint8_t, kKeyCodeCount> hitModifiers{};
  std::array<bool, kKeyCodeCount> keyDown{};
  std::array<int, 4> mouseHits{};
  std::array<bool, 4> mouseDown{};
  std::deque<int> chars;
  float mouseX = 0, mouseY = 0;
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

InputState& State() {
  static InputState* state = new InputState;
  return *state;
}

volatile std::sig_atomic_t g_signalled = 0;
// A signal asked the game to end at some point of the run (never cleared).
volatile std::sig_atomic_t g_endedBySignal = 0;

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
  InputState& s = State();
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
  const InputState& s = State();
  std::uint8_t bits = 0;
  for (std::size_t i = 0; i < std::size(kModifiers); ++i)
    if (s.keyDown[kModifiers[i].code] || (sdlMods & kModifiers[i].sdlMask) != 0) bits |= 1 << i;
  return bits;
}

void QueueChar(int code) {
  InputState& s = State();
  if (s.chars.size() < kMaxQueuedChars) s.chars.push_back(code);
}

void HandleKey(const SDL_KeyboardEvent& key, bool pressed) {
  InputState& s = State();
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
  InputState& s = State();
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
  InputState& s = State();
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
    State().terminate = true;
  }
  PumpAudioClock();
}

int KeyHit(int key) {
  if (key <= 0 || key >= kKeyCodeCount) return 0;
  int n = State().keyHits[key];
  State().keyHits[key] = 0;
  State().hitModifiers[key] = 0;
  return n;
}

int KeyHitWith(int modifier, int key) {
  if (key <= 0 || key >= kKeyCodeCount) return 0;
  const int bit = ModifierBit(modifier);
  if ((bit != 0 && (State().hitModifiers[key] & bit) != 0) || KeyDown(modifier)) return KeyHit(key);
  return 0;
}

int KeyDown(int key) {
  if (key <= 0 || key >= kKeyCodeCount) return 0;
  return State().keyDown[key] ? 1 : 0;
}

int GetChar() {
  InputState& s = State();
  if (s.chars.empty()) return 0;
  int c = s.chars.front();
  s.chars.pop_front();
  return c;
}

void FlushKeys() {
  InputState& s = State();
  s.keyHits.fill(0);
  s.hitModifiers.fill(0);
  s.keyDown.fill(false);
  s.chars.clear();
}

int MouseX() { return static_cast<int>(State().mouseX); }
int MouseY() { return static_cast<int>(State().mouseY); }

float VirtualMouseX() {
  const VideoState& v = Video();
  return v.windowWidth > 0 ? State().mouseX * v.virtWidth / v.windowWidth : State().mouseX;
}

float VirtualMouseY() {
  const VideoState& v = Video();
  return v.windowHeight > 0 ? State().mouseY * v.virtHeight / v.windowHeight : State().mouseY;
}

void MoveVirtualMouse(float x, float y) {
  const VideoState& v = Video();
  InputState& s = State();
  s.mouseX = v.virtWidth > 0 ? x * v.windowWidth / v.virtWidth : x;
  s.mouseY = v.virtHeight > 0 ? y * v.windowHeight / v.virtHeight : y;
  if (v.window) SDL_WarpMouseInWindow(v.window, static_cast<int>(s.mouseX), static_cast<int>(s.mouseY));
}

int MouseHit(int button) {
  if (button < 1 || button > 3) return 0;
  int n = State().mouseHits[button];
  State().mouseHits[button] = 0;
  return n;
}

int MouseDown(int button) {
  if (button < 1 || button > 3) return 0;
  return State().mouseDown[button] ? 1 : 0;
}

void FlushMouse() {
  State().mouseHits.fill(0);
  State().mouseDown.fill(false);
}

void ApplyCursorVisibility() {
  if (SdlVideoStarted()) SDL_ShowCursor(State().cursorHidden ? SDL_DISABLE : SDL_ENABLE);
}

void ShowMouse() {
  State().cursorHidden = false;
  ApplyCursorVisibility();
}

void HideMouse() {
  State().cursorHidden = true;
  ApplyCursorVisibility();
}

bool MouseInWindow() { return State().pointerInside; }

void SetSystemPointerForTests(std::function<bool(float& x, float& y)> reader) {
  PointerReaderForTests() = std::move(reader);
}

bool AppSuspended() { return State().focusLost || State().minimised; }

bool AppTerminate() {
  if (g_signalled) {
    g_signalled = 0;
    State().terminate = true;
  }
  bool requested = State().terminate;
  State().terminate = false;
  return requested;
}

bool EndSignalled() { return g_endedBySignal != 0; }

void ResetWindowState() {
  State().focusLost = false;
  State().minimised = false;
  State().pointerStale = true;
}

void ResetInputState() {
  bool hidden = State().cursorHidden;
  State() = InputState{};
  State().cursorHidden = hidden;
  g_signalled = 0;
  g_endedBySignal = 0;
  ResetBoxEnding();
}

}  // namespace sorvanta
