// Graphics modes, the virtual resolution, viewport, clearing and flipping.
#include "platform/video.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

#include "platform/image_frames.h"
#include "platform/input.h"
#include "platform/input_internal.h"
#include "platform/soft_frame.h"
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
  // The software renderer would otherwise present its frames through an
  // OpenGL texture, on a machine without a GPU through the very software
  // rasteriser it was chosen to avoid: 40 MiB and half a core more than the
  // window system's own framebuffer.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
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
  if (!v.renderer) return;
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
  SDL_Rect clip{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
  SDL_RenderSetClipRect(v.renderer, v.clipEmpty ? nullptr : &clip);
}

void UpdateMapping() {
  VideoState& v = Video();
  v.kx = v.virtWidth > 0 ? v.outWidth / v.virtWidth : 1.0f;
  v.ky = v.virtHeight > 0 ? v.outHeight / v.virtHeight : 1.0f;
  ApplyClip();
}

// The renderer goes, and with it every texture made for it.
void DropRenderer() {
  VideoState& v = Video();
  SoftDiscard();
  if (v.renderer) {
    SDL_DestroyRenderer(v.renderer);
    ++v.generation;
  }
  v.renderer = nullptr;
}

void CloseMode() {
  VideoState& v = Video();
  DropRenderer();
  if (v.window) SDL_DestroyWindow(v.window);
  v.window = nullptr;
  v.width = v.height = v.windowWidth = v.windowHeight = v.outWidth = v.outHeight = 0;
  v.fullScreen = false;
  v.softwareRenderer = v.softCanvas = false;
  v.windowShown = false;
  v.iconShown = false;
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
  if (SDL_GetRendererOutputSize(v.renderer, &v.outWidth, &v.outHeight) != 0) {
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
  // Draws queued for the old frame go with it.
  SoftDiscard();
  // One window and its renderer serve every mode, so a switch neither opens
  // another window nor makes the textures again.
  if (v.window && v.renderer && PlaceWindow(v.window, width, height, full, hertz, scaled)) {
    int w = 0, h = 0;
    SDL_GetWindowSize(v.window, &w, &h);
    // Textures are made for our compositor or for SDL: a change between
    // the two makes them again.
    const bool canvasChanged = v.softwareRenderer && v.softCanvas != SoftCanvasFits(v.window);
    if (canvasChanged || (!v.softwareRenderer && (w != v.windowWidth || h != v.windowHeight))) {
      // SDL's OpenGL renderer can go on drawing at the window's old size
      // (Mesa's does): a new one starts at the new size.
      DropRenderer();
      v.renderer = CreateModeRenderer(v.window);
    }
  } else {
    CloseMode();
    v.window = OpenWindow(width, height, full, hertz, scaled);
    if (!v.window) return nullptr;
    ApplyWindowIcon();
    v.renderer = CreateModeRenderer(v.window);
  }
  if (!v.renderer) {
    CloseMode();
    return nullptr;
  }
  SDL_RendererInfo info;
  v.softwareRenderer = SDL_GetRendererInfo(v.renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
  v.softCanvas = v.softwareRenderer && SoftCanvasFits(v.window);
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
bool GraphicsOpen() { return Video().renderer != nullptr; }
int GraphicsWidth() { return Video().width; }
int GraphicsHeight() { return Video().height; }
bool GraphicsFullScreen() { return Video().fullScreen; }

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

std::string RendererName() {
  SDL_RendererInfo info;
  if (!Video().renderer || SDL_GetRendererInfo(Video().renderer, &info) != 0) return "";
  return info.name ? info.name : "";
}

void SetGraphicsDriver(const std::string& videoDriver, const std::string& renderDriver) {
  CloseMode();
  if (SdlVideoStarted()) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  // An empty name gives the choice back to the environment and SDL.
  auto choose = [](const char* hint, const std::string& value) {
    if (value.empty())
      SDL_ResetHint(hint);
    else
      SDL_SetHintWithPriority(hint, value.c_str(), SDL_HINT_OVERRIDE);
  };
  choose(SDL_HINT_VIDEODRIVER, videoDriver);
  choose(SDL_HINT_RENDER_DRIVER, renderDriver);
}

std::string VideoDriverName() {
  const char* name = SdlVideoStarted() ? SDL_GetCurrentVideoDriver() : nullptr;
  return name ? name : "";
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
  if (!v.renderer || v.clipEmpty) return;
  // The same pixels cleared to the same colour with nothing drawn since
  // would come out as they are.
  SDL_Rect clip;
  SDL_RenderGetClipRect(v.renderer, &clip);
  const ClearMark mark{clip.x, clip.y, clip.w, clip.h, v.clsR, v.clsG, v.clsB, v.draws, v.presents};
  if (v.lastClear == mark) return;
  v.lastClear = mark;
  if (v.softCanvas) {
    const SoftTint colour{static_cast<std::uint32_t>(v.clsR), static_cast<std::uint32_t>(v.clsG),
                          static_cast<std::uint32_t>(v.clsB), 255};
    SoftQueueFillRect(v.clip, v.clip.x0, v.clip.y0, v.clip.x1, v.clip.y1, colour, SoftBlend::kCopy);
    return;
  }
  SDL_SetRenderDrawBlendMode(v.renderer, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(v.renderer, v.clsR, v.clsG, v.clsB, 255);
  // SDL_RenderClear would ignore the clip rectangle; a fill honours it.
  SDL_RenderFillRect(v.renderer, nullptr);
}

void Flip(int sync) {
  VideoState& v = Video();
  if (v.renderer) {
    ShowModeWindow();
    FlushCanvas();
    if (v.beforePresent) v.beforePresent();
    SDL_RenderPresent(v.renderer);
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

void GetColor(int& red, int& green, int& blue) {
  red = Video().red;
  green = Video().green;
  blue = Video().blue;
}

void SetAlpha(float alpha) {
  if (std::isnan(alpha)) alpha = 0;
  Video().alpha = std::clamp(alpha, 0.0f, 1.0f);
}

float GetAlpha() { return Video().alpha; }
void SetBlend(int blend) { Video().blend = blend; }
int GetBlend() { return Video().blend; }

void SetScale(float x, float y) {
  Video().scaleX = x;
  Video().scaleY = y;
}

void GetScale(float& x, float& y) {
  x = Video().scaleX;
  y = Video().scaleY;
}

void SetRotation(float degrees) { Video().rotation = degrees; }
float GetRotation() { return Video().rotation; }

std::shared_ptr<TPixmap> ReadFramePixels() {
  VideoState& v = Video();
  if (!v.renderer) return nullptr;
  auto frame = CreatePixmap(v.outWidth, v.outHeight);
  if (!frame) return nullptr;
  FlushCanvas();
  // Reading ignores the clip rectangle only when none is set.
  SDL_RenderSetClipRect(v.renderer, nullptr);
  int rc = SDL_RenderReadPixels(v.renderer, nullptr, SDL_PIXELFORMAT_RGBA32, frame->data(), v.outWidth * 4);
  ApplyClip();
  if (rc != 0) return nullptr;
  std::uint8_t* p = frame->data();
  for (std::size_t i = 0, n = static_cast<std::size_t>(v.outWidth) * v.outHeight; i < n; ++i) p[i * 4 + 3] = 255;
  return frame;
}

std::shared_ptr<TPixmap> GrabPixmap(int x, int y, int width, int height) {
  VideoState& v = Video();
  auto out = CreatePixmap(width, height);
  if (!out || !v.renderer) return nullptr;
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
