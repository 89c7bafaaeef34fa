#include "platform/harness.h"

#include <cmath>
#include <cstring>

#include "platform/audio_internal.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/input_internal.h"
#include "platform/pixel_access.h"
#include "platform/read_back.h"
#include "platform/soft_frame.h"
#include "platform/strings.h"
#include "platform/video.h"
#include "platform/video_internal.h"

namespace sorvanta {

namespace {

bool g_active = false;

Uint8 SdlButton(int button) {
  switch (button) {
    case 2: return SDL_BUTTON_RIGHT;
    case 3: return SDL_BUTTON_MIDDLE;
    default: return SDL_BUTTON_LEFT;
  }
}

// An SDL key the game reads as the virtual key code: the first character key
// that maps to it, else the first key named by its scancode (so Enter is
// Return, not the keypad's).
SDL_Keycode SdlKeyFromVirtual(int code) {
  if (code == 0) return SDLK_UNKNOWN;
  for (SDL_Keycode key = 1; key < 128; ++key)
    if (VirtualKeyFromSdl(key) == code) return key;
  for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
    const SDL_Keycode key = SDL_SCANCODE_TO_KEYCODE(static_cast<SDL_Scancode>(scancode));
    if (VirtualKeyFromSdl(key) == code) return key;
  }
  return SDLK_UNKNOWN;
}

Uint32 WindowId() { return Video().window ? SDL_GetWindowID(Video().window) : 0; }

void SendWindowEvent(SDL_WindowEventID id) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = WindowId();
  e.window.event = static_cast<Uint8>(id);
  HandleEvent(e);
}

// Splits UTF-8 text into pieces that fit a text event, whole characters each.
void SendText(const std::string& text) {
  std::string piece;
  for (char32_t c : Utf8ToU32(text)) {
    std::string one = U32ToUtf8(std::u32string(1, c));
    if (piece.size() + one.size() >= sizeof(SDL_TextInputEvent::text)) {
      SDL_Event e{};
      e.type = SDL_TEXTINPUT;
      e.text.windowID = WindowId();
      std::memcpy(e.text.text, piece.c_str(), piece.size() + 1);
      HandleEvent(e);
      piece.clear();
    }
    piece += one;
  }
  if (piece.empty()) return;
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  e.text.windowID = WindowId();
  std::memcpy(e.text.text, piece.c_str(), piece.size() + 1);
  HandleEvent(e);
}

}  // namespace

HarnessFrameCapExceeded::HarnessFrameCapExceeded(int cap)
    : std::runtime_error("harness frame cap of " + std::to_string(cap) + " frames exceeded") {}

Harness::Harness() : Harness(HarnessOptions{}) {}

Harness::Harness(const HarnessOptions& options)
    : cap_(options.frameCap), clock_(options.startMillis), capture_(options.captureFrames) {
  if (g_active) throw std::logic_error("only one Harness at a time");
  if (VideoDriverName() != "dummy") SetGraphicsDriver("dummy", "software");
  ResetInputState();
  SetTestClock([this] { return clock_; }, [this](int ms) { clock_ = msAfter(clock_, ms > 0 ? ms : 0); });
  SetAudioClockDriven(true);
  VideoState& v = Video();
  v.pacing = false;
  v.beforePresent = [this] {
    if (!capture_) return;
    lastFrame_ = ReadFramePixels();
    frameKx_ = Video().kx;
    frameKy_ = Video().ky;
  };
  v.afterPresent = [this] { AfterPresent(); };
  SetPollHook([this] { Deliver(); });
  if (options.drawThreads > 0) {
    drawThreadsBefore_ = SoftBands();
    SetSoftBands(options.drawThreads);
  }
  g_active = true;
  if (!Graphics(options.width, options.height, options.fullScreen ? 32 : 0)) {
    Teardown();
    throw std::runtime_error("harness: cannot open the dummy graphics mode");
  }
}

Harness::~Harness() { Teardown(); }

void Harness::Teardown() {
  if (!g_active) return;
  g_active = false;
  VideoState& v = Video();
  v.beforePresent = nullptr;
  v.afterPresent = nullptr;
  v.pacing = true;
  SetPollHook(nullptr);
  EndGraphics();
  SetImageFont(nullptr);
  SetAudioClockDriven(false);
  SetTestClock(nullptr);
  ResetInputState();
  if (drawThreadsBefore_ > 0) SetSoftBands(drawThreadsBefore_);
}

Harness& Harness::Queue(Item item) {
  item.due = scheduleFrame_ > frames_ ? scheduleFrame_ : frames_;
  script_.push_back(std::move(item));
  return *this;
}

Harness& Harness::MoveMouse(float x, float y) { return Queue(Item{Item::kMoveVirtual, 0, x, y, 0, {}}); }
Harness& Harness::MoveMouseToPixel(int x, int y) {
  return Queue(Item{Item::kMovePixel, 0, static_cast<float>(x), static_cast<float>(y), 0, {}});
}
Harness& Harness::PressMouse(int button) { return Queue(Item{Item::kPress, 0, 0, 0, button, {}}); }
Harness& Harness::ReleaseMouse(int button) { return Queue(Item{Item::kRelease, 0, 0, 0, button, {}}); }
Harness& Harness::PressKey(int code) { return Queue(Item{Item::kKeyDown, 0, 0, 0, code, {}}); }
Harness& Harness::ReleaseKey(int code) { return Queue(Item{Item::kKeyUp, 0, 0, 0, code, {}}); }
Harness& Harness::HitKey(int code) { return PressKey(code).ReleaseKey(code); }
Harness& Harness::HitNamedKey(const std::string& systemName) {
  return Queue(Item{Item::kSystemKey, 0, 0, 0, static_cast<int>(SDL_GetKeyFromName(systemName.c_str())), {}});
}
Harness& Harness::TypeText(const std::string& utf8) { return Queue(Item{Item::kText, 0, 0, 0, 0, utf8}); }
Harness& Harness::RequestQuit() { return Queue(Item{Item::kQuit, 0, 0, 0, 0, {}}); }
Harness& Harness::LoseFocus() { return Queue(Item{Item::kFocusLost, 0, 0, 0, 0, {}}); }
Harness& Harness::GainFocus() { return Queue(Item{Item::kFocusGained, 0, 0, 0, 0, {}}); }
Harness& Harness::PointerLeaves() { return Queue(Item{Item::kPointerLeft, 0, 0, 0, 0, {}}); }
Harness& Harness::PointerEnters() { return Queue(Item{Item::kPointerEntered, 0, 0, 0, 0, {}}); }

Harness& Harness::Wait(int frames) {
  scheduleFrame_ = (scheduleFrame_ > frames_ ? scheduleFrame_ : frames_) + (frames > 0 ? frames : 0);
  return *this;
}

void Harness::Frame() { Flip(-1); }

void Harness::AfterPresent() {
  ++frames_;
  // 1000/60 ms per frame, as whole milliseconds that add up exactly.
  const int step = frameMs_ > 0 ? frameMs_
                                : static_cast<int>((static_cast<long long>(frames_) * 1000) / 60 -
                                                   (static_cast<long long>(frames_ - 1) * 1000) / 60);
  clock_ = msAfter(clock_, step);
  if (frames_ > cap_) throw HarnessFrameCapExceeded(cap_);
}

void Harness::Deliver() {
  const VideoState& v = Video();
  while (!script_.empty() && script_.front().due <= frames_) {
    Item item = std::move(script_.front());
    script_.pop_front();
    SDL_Event e{};
    switch (item.kind) {
      case Item::kMoveVirtual:
      case Item::kMovePixel: {
        float x = item.x, y = item.y;
        if (item.kind == Item::kMoveVirtual && v.virtWidth > 0 && v.virtHeight > 0) {
          x = item.x * v.windowWidth / v.virtWidth;
          y = item.y * v.windowHeight / v.virtHeight;
        }
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = WindowId();
        e.motion.x = static_cast<Sint32>(std::lround(x));
        e.motion.y = static_cast<Sint32>(std::lround(y));
        HandleEvent(e);
        break;
      }
      case Item::kPress:
      case Item::kRelease: {
        e.type = item.kind == Item::kPress ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.windowID = WindowId();
        e.button.button = SdlButton(item.code);
        e.button.state = item.kind == Item::kPress ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        e.button.x = MouseX();
        e.button.y = MouseY();
        HandleEvent(e);
        break;
      }
      case Item::kKeyDown:
      case Item::kKeyUp: {
        e.type = item.kind == Item::kKeyDown ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.windowID = WindowId();
        e.key.state = item.kind == Item::kKeyDown ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = SdlKeyFromVirtual(item.code);
        e.key.keysym.scancode = SDL_GetScancodeFromKey(e.key.keysym.sym);
        HandleEvent(e);
        break;
      }
      case Item::kSystemKey:
        e.key.windowID = WindowId();
        e.key.keysym.sym = static_cast<SDL_Keycode>(item.code);
        e.key.keysym.scancode = SDL_GetScancodeFromKey(e.key.keysym.sym);
        e.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        HandleEvent(e);
        e.type = SDL_KEYUP;
        e.key.state = SDL_RELEASED;
        HandleEvent(e);
        break;
      case Item::kText: SendText(item.text); break;
      case Item::kQuit:
        e.type = SDL_QUIT;
        HandleEvent(e);
        break;
      case Item::kFocusLost: SendWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST); break;
      case Item::kFocusGained: SendWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED); break;
      case Item::kPointerLeft: SendWindowEvent(SDL_WINDOWEVENT_LEAVE); break;
      case Item::kPointerEntered: SendWindowEvent(SDL_WINDOWEVENT_ENTER); break;
    }
  }
}

std::uint32_t Harness::PixelAt(int x, int y) const { return ReadPixel(lastFrame_, x, y); }

std::uint32_t Harness::Pixel(float virtualX, float virtualY) const {
  return PixelAt(static_cast<int>(std::floor(virtualX * frameKx_)), static_cast<int>(std::floor(virtualY * frameKy_)));
}

}  // namespace sorvanta
