// Graphics modes, the virtual resolution, viewport, clearing and flipping.
#include "platform/video.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

#include "platform/display_lost.h"
#include "platform/image_frames.h"
#include "platform/input.h"
#include "platform/input_internal.h"
#include "platform/system.h"
#include "platform/video_internal.h"

namespace sorvanta {

VideoState& Video() {
  // Never destroyed: images and fonts may outlive every other static.
  static VideoState* state = new VideoState;
  return *state;
}

bool SdlVideoStarted() { return SDL_WasInit(SDL_INIT_VIDEO) != 0; }

bool ScreenlessDriver(const char* driver) {
  return driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

bool EnsureSdlVideo() {
  if (SdlVideoStarted()) return true;
  // Our own handlers turn SIGINT, SIGTERM and SIGHUP into AppTerminate.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  InstallTerminateHandlers();
  // A window's own pixels (our compositor's, SDL's software renderer's)
  // would otherwise be presented through an OpenGL texture, on a machine
  // without a GPU through the very software rasteriser they were chosen to
  // avoid: 40 MiB and half a core more than the window system's own
  // framebuffer.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // On X11, SDL drops a press it takes within 10 ms of taking the focus
  // back, and its release with it: a click on the window as it comes back,
  // or made before a slow or paused frame polls again, would never reach
  // the game.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  WatchDisplay();
  // With no display SDL falls back to a driver without a screen; a player
  // would see nothing, so only take one when it was asked for by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if (ScreenlessDriver(driver) && !(asked && std::strstr(asked, driver))) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  return true;
}

namespace {

void ApplyClip() {
  VideoState& v = Video();
  if (!Backend()) return;
  int x0 = static_cast<int>(std::lround(v.vpX * v.kx));
  int y0 = static_cast<int>(std::lround(v.vpY * v.ky));
  int x1 = static_cast<int>(std::lround((static_cast<double>(v.vpX) + v.vpW) * v.kx));
  int y1 = static_cast<int>(std::lround((static_cast<double>(v.vpY) + v.vpH) * v.ky));
  x0 = std::clamp(x0, 0, v.outWidth);
  y0 = std::clamp(y0, 0, v.outHeight);
  x1 = std::clamp(x1, 0, v.outWidth);
  y1 = std::clamp(y1, 0, v.outHeight);
  v.clipEmpty = x1 <= x0 || y1 <= y0;
  v.clip = SoftClip{x0, y0, x1, y1};
  Backend()->setClip(v.clip, v.clipEmpty);
}

void UpdateMapping() {
  VideoState& v = Video();
  v.kx = v.virtWidth > 0 ? v.outWidth / v.virtWidth : 1.0f;
  v.ky = v.virtHeight > 0 ? v.outHeight / v.virtHeight : 1.0f;
  ApplyClip();
}

// The back end goes, and with it every texture made for it.
void DropBackend() {
  if (!Backend()) return;
  CloseBackend();
  ++Video().generation;
}

void CloseMode() {
  VideoState& v = Video();
  DropBackend();
  if (v.window) SDL_DestroyWindow(v.window);
  v.window = nullptr;
  v.width = v.height = v.windowWidth = v.windowHeight = v.outWidth = v.outHeight = 0;
  v.fullScreen = false;
  v.windowShown = false;
  v.lastClear = ClearMark{};
}

void ResetDrawingState(VideoState& v) {
  v.virtWidth = static_cast<float>(v.width);
  v.virtHeight = static_cast<float>(v.height);
  v.originX = v.originY = 0;
  v.vpX = v.vpY = 0;
  v.vpW = v.width;
  v.vpH = v.height;
  v.clsR = v.clsG = v.clsB = 0;
  v.red = v.green = v.blue = 255;
  v.alpha = 1;
  v.blend = ALPHABLEND;
  v.scaleX = v.scaleY = 1;
  v.rotation = 0;
}

void ReadOutputSize(VideoState& v) {
  SDL_GetWindowSize(v.window, &v.windowWidth, &v.windowHeight);
  if (!Backend()->outputSize(v.outWidth, v.outHeight)) {
    v.outWidth = v.windowWidth;
    v.outHeight = v.windowHeight;
  }
}

}  // namespace

std::shared_ptr<TGraphics> Graphics(int width, int height, int depth, int hertz, int flags) {
  (void)flags;
  if (width < 1 || height < 1 || !EnsureSdlVideo()) {
    CloseMode();
    return nullptr;
  }
  VideoState& v = Video();
  const bool full = depth != 0;
  bool scaled = false;
  // Draws put off for the old frame go with it.
  if (Backend()) Backend()->dropFrame();
  // One window and its back end serve every mode, so a switch neither opens
  // another window nor makes the textures again.
  if (v.window && Backend() && PlaceWindow(v.window, width, height, full, hertz, scaled)) {
    int w = 0, h = 0;
    SDL_GetWindowSize(v.window, &w, &h);
    if (!Backend()->keepsAcrossModes(w != v.windowWidth || h != v.windowHeight)) {
      DropBackend();
      OpenBackend(v.window);
    }
  } else {
    CloseMode();
    v.window = OpenWindow(width, height, full, hertz, scaled);
    if (!v.window) return nullptr;
    ApplyWindowIcon();
    OpenBackend(v.window);
  }
  if (!Backend()) {
    CloseMode();
    return nullptr;
  }
  ReadOutputSize(v);
  // A scaled frame keeps the size asked for; the mapping stretches it over the screen.
  v.width = scaled ? width : v.windowWidth;
  v.height = scaled ? height : v.windowHeight;
  v.fullScreen = full;
  ResetDrawingState(v);
  UpdateMapping();
  ApplyVSync(v);
  v.lastClear = ClearMark{};
  v.lastFlipTicks = 0;
  ResetWindowState();
  SDL_StartTextInput();
  ApplyCursorVisibility();
  SetNotifyWindowQuery([] { return Video().window != nullptr && !Video().fullScreen; });
  // Every picture gets its texture now, not at its first draw.
  MakeMissingTextures();
  auto mode = std::make_shared<TGraphics>();
  mode->width = v.width;
  mode->height = v.height;
  mode->fullScreen = full;
  return mode;
}

void ShowModeWindow() {
  VideoState& v = Video();
  if (!v.window || v.windowShown) return;
  v.windowShown = true;
  SDL_ShowWindow(v.window);
  // Full screen takes hold as the window shows; the frame follows the
  // pixels it got.
  ReadOutputSize(v);
  UpdateMapping();
}

void SetFramePacing(bool on) {
  Video().pacing = on;
  ApplyVSync(Video());
}

bool FramePacing() { return Video().pacing; }

void EndGraphics() { CloseMode(); }
int GraphicsWidth() { return Video().width; }
int GraphicsHeight() { return Video().height; }

int DesktopWidth() {
  SDL_DisplayMode mode;
  if (!EnsureSdlVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return 0;
  return mode.w;
}

int DesktopHeight() {
  SDL_DisplayMode mode;
  if (!EnsureSdlVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return 0;
  return mode.h;
}

void SetVirtualResolution(float width, float height) {
  if (!(width > 0) || !(height > 0)) return;
  VideoState& v = Video();
  v.virtWidth = width;
  v.virtHeight = height;
  // The viewport opens to the whole new area.
  v.vpX = v.vpY = 0;
  v.vpW = static_cast<int>(std::ceil(width));
  v.vpH = static_cast<int>(std::ceil(height));
  UpdateMapping();
}

float VirtualResolutionWidth() { return Video().virtWidth; }
float VirtualResolutionHeight() { return Video().virtHeight; }

void SetOrigin(float x, float y) {
  Video().originX = x;
  Video().originY = y;
}

void GetOrigin(float& x, float& y) {
  x = Video().originX;
  y = Video().originY;
}

void SetViewport(int x, int y, int width, int height) {
  VideoState& v = Video();
  v.vpX = x;
  v.vpY = y;
  v.vpW = std::max(0, width);
  v.vpH = std::max(0, height);
  ApplyClip();
}

void GetViewport(int& x, int& y, int& width, int& height) {
  x = Video().vpX;
  y = Video().vpY;
  width = Video().vpW;
  height = Video().vpH;
}

void SetClsColor(int red, int green, int blue) {
  Video().clsR = std::clamp(red, 0, 255);
  Video().clsG = std::clamp(green, 0, 255);
  Video().clsB = std::clamp(blue, 0, 255);
}

void GetClsColor(int& red, int& green, int& blue) {
  red = Video().clsR;
  green = Video().clsG;
  blue = Video().clsB;
}

void Cls() {
  VideoState& v = Video();
  if (!Backend() || v.clipEmpty) return;
  // The same pixels cleared to the same colour with nothing drawn since
  // would come out as they are.
  const SoftClip& c = v.clip;
  const ClearMark mark{c.x0, c.y0, c.x1 - c.x0, c.y1 - c.y0, v.clsR, v.clsG, v.clsB, v.draws, v.presents};
  if (v.lastClear == mark) return;
  v.lastClear = mark;
  Backend()->clear(v.clsR, v.clsG, v.clsB);
}

void Flip(int sync) {
  VideoState& v = Video();
  if (Backend()) {
    ShowModeWindow();
    if (v.beforePresent) v.beforePresent();
    Backend()->present();
    ++v.presents;
    if (sync != 0 && v.pacing) {
      // Hold to 60 frames per second (a vertical sync may have waited
      // already). Each frame is due a 60th after the last one was due, and
      // the wait is slept to the microsecond, so neither rounding nor late
      // wake-ups add up; a loop that fell behind starts counting afresh.
      const Uint64 freq = SDL_GetPerformanceFrequency();
      const Uint64 frame = freq / 60;
      Uint64 now = SDL_GetPerformanceCounter();
      Uint64 due = v.lastFlipTicks + frame;
      if (v.lastFlipTicks != 0 && now < due) {
        std::this_thread::sleep_for(std::chrono::microseconds((due - now) * 1000000 / freq));
        now = SDL_GetPerformanceCounter();
      }
      v.lastFlipTicks = v.lastFlipTicks != 0 && now < due + frame ? due : now;
    }
  }
  if (v.afterPresent) v.afterPresent();
  PollSystem();
}

void SetColor(int red, int green, int blue) {
  Video().red = std::clamp(red, 0, 255);
  Video().green = std::clamp(green, 0, 255);
  Video().blue = std::clamp(blue, 0, 255);
}

void SetAlpha(float alpha) {
  if (std::isnan(alpha)) alpha = 0;
  Video().alpha = std::clamp(alpha, 0.0f, 1.0f);
}

float GetAlpha() { return Video().alpha; }
void SetBlend(int blend) { Video().blend = blend; }

void SetScale(float x, float y) {
  Video().scaleX = x;
  Video().scaleY = y;
}

void SetRotation(float degrees) { Video().rotation = degrees; }

std::shared_ptr<TPixmap> ReadFramePixels() {
  VideoState& v = Video();
  if (!Backend()) return nullptr;
  auto frame = CreatePixmap(v.outWidth, v.outHeight);
  if (!frame || !Backend()->readPixels(*frame)) return nullptr;
  return frame;
}

std::shared_ptr<TPixmap> GrabPixmap(int x, int y, int width, int height) {
  VideoState& v = Video();
  auto out = CreatePixmap(width, height);
  if (!out || !Backend()) return nullptr;
  auto frame = ReadFramePixels();
  if (!frame) return nullptr;
  // Sample the frame at the centre of each virtual unit of the rectangle;
  // a point off the frame (or not a number) reads as -1.
  auto pixel = [](double at, int size) {
    double p = std::floor(at);
    return p >= 0 && p < size ? static_cast<int>(p) : -1;
  };
  for (int j = 0; j < height; ++j) {
    int sy = pixel((static_cast<double>(y) + v.originY + j + 0.5) * v.ky, frame->height());
    std::uint8_t* dst = out->row(j);
    for (int i = 0; i < width; ++i, dst += 4) {
      int sx = pixel((static_cast<double>(x) + v.originX + i + 0.5) * v.kx, frame->width());
      if (sx < 0 || sy < 0) {
        dst[3] = 255;
        continue;
      }
      const std::uint8_t* src = frame->row(sy) + sx * 4;
      dst[0] = src[0];
      dst[1] = src[1];
      dst[2] = src[2];
      dst[3] = 255;
    }
  }
  return out;
}

}  // namespace sorvanta
