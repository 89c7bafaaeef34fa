// The one window of the graphics modes, how full screen is shown, and the
// back end chosen to draw into the window.
#include <SDL.h>

#include <sys/mman.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "platform/video_internal.h"

namespace sorvanta {

namespace {

// A display mode of exactly width x height, at the given refresh rate where
// there is one.
bool FindDisplayMode(int width, int height, int hertz, SDL_DisplayMode& found) {
  bool any = false;
  for (int i = 0, n = SDL_GetNumDisplayModes(0); i < n; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(0, i, &mode) != 0 || mode.w != width || mode.h != height) continue;
    if (!any || mode.refresh_rate == hertz) found = mode;
    any = true;
    if (mode.refresh_rate == hertz) break;
  }
  return any;
}

// How a full-screen mode of width x height is shown here, with the display
// mode to switch to and the size the window takes for the desktop kinds.
struct FullScreenPlan {
  FullScreenKind kind = FullScreenKind::kDesktop;
  SDL_DisplayMode mode{};
  int windowWidth = 0, windowHeight = 0;
};

FullScreenPlan PlanFullScreen(int width, int height, int hertz) {
  FullScreenPlan plan;
  SDL_DisplayMode desktop{};
  const bool known = SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0;
  const bool hasMode = FindDisplayMode(width, height, hertz, plan.mode);
  plan.kind = ChooseFullScreen(width, height, known ? desktop.w : 0, known ? desktop.h : 0, hasMode);
  // At the desktop's size: a window that full screen has to grow keeps a
  // drawing surface of its first size with some renderers, and with no
  // window manager nothing else would grow it.
  plan.windowWidth = known ? desktop.w : width;
  plan.windowHeight = known ? desktop.h : height;
  return plan;
}

// OpenGL drawn on the CPU reserves some 150 MB of address space per core
// and crashes when it cannot have it. Under a limit on the address space,
// OpenGL is tried only where that much is free (reserved in pieces, never
// touched, handed back at once).
bool RoomForOpenGl() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return true;
  constexpr std::size_t kPiece = 64u << 20;
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t pieces = 8 + cores * 3;
  std::vector<void*> taken;
  for (std::size_t i = 0; i < pieces; ++i) {
    void* p = ::mmap(nullptr, kPiece, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (p == MAP_FAILED) break;
    taken.push_back(p);
  }
  const bool room = taken.size() == pieces;
  for (void* p : taken) ::munmap(p, kPiece);
  return room;
}

// SDL's OpenGL renderers need a window made for OpenGL and would otherwise
// make the window again when they start: ask for one whenever SDL may pick
// such a renderer.
bool MayDrawWithOpenGl() {
  const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  return (!asked || !*asked || std::strncmp(asked, "opengl", 6) == 0) && RoomForOpenGl();
}

SDL_Window* CreateHiddenWindow(int width, int height, Uint32 flags) {
  flags |= SDL_WINDOW_HIDDEN;
  if (MayDrawWithOpenGl())
    if (SDL_Window* window = SDL_CreateWindow("Sorvanta", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                              height, flags | SDL_WINDOW_OPENGL))
      return window;
  return SDL_CreateWindow("Sorvanta", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
}

// Switches to the plan's display mode; the window is shown first, since a
// hidden window would only try the switch when it is shown, too late to
// hear a refusal.
bool EnterDisplayMode(SDL_Window* window, const FullScreenPlan& plan) {
  SDL_ShowWindow(window);
  Video().windowShown = true;
  return SDL_SetWindowDisplayMode(window, &plan.mode) == 0 &&
         SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0;
}

// An OpenGL renderer, chosen by SDL rather than asked for, whose OpenGL is
// a software rasteriser (Mesa's llvmpipe or softpipe, as on a machine
// without a GPU).
bool DrawsOnSoftwareRasteriser(SDL_Renderer* renderer) {
  const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  if (asked && *asked) return false;
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name || std::strncmp(info.name, "opengl", 6) != 0)
    return false;
  using GetString = const unsigned char* (*)(unsigned);
  auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  constexpr unsigned kGlRenderer = 0x1F01;
  const char* name = getString ? reinterpret_cast<const char*>(getString(kGlRenderer)) : nullptr;
  return name && (std::strstr(name, "llvmpipe") || std::strstr(name, "softpipe") ||
                  std::strstr(name, "Software Rasterizer"));
}

}  // namespace

FullScreenKind ChooseFullScreen(int width, int height, int desktopWidth, int desktopHeight,
                                bool displayHasMode) {
  if (desktopWidth <= 0 || desktopHeight <= 0 || (width == desktopWidth && height == desktopHeight))
    return FullScreenKind::kDesktop;
  return displayHasMode ? FullScreenKind::kDisplayMode : FullScreenKind::kScaled;
}

SDL_Window* OpenWindow(int width, int height, bool full, int hertz, bool& scaled) {
  scaled = false;
  SDL_Window* window = CreateHiddenWindow(width, height, 0);
  if (!window || !full || PlaceWindow(window, width, height, full, hertz, scaled)) return window;
  SDL_DestroyWindow(window);
  Video().windowShown = false;
  return nullptr;
}

bool PlaceWindow(SDL_Window* window, int width, int height, bool full, int hertz, bool& scaled) {
  scaled = false;
  if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0 && SDL_SetWindowFullscreen(window, 0) != 0)
    return false;
  if (!full) {
    SDL_SetWindowSize(window, width, height);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    return true;
  }
  FullScreenPlan plan = PlanFullScreen(width, height, hertz);
  if (plan.kind == FullScreenKind::kDisplayMode) {
    SDL_SetWindowSize(window, width, height);
    if (EnterDisplayMode(window, plan)) return true;
    SDL_SetWindowFullscreen(window, 0);
    plan.kind = FullScreenKind::kScaled;
  }
  scaled = plan.kind == FullScreenKind::kScaled;
  SDL_SetWindowSize(window, plan.windowWidth, plan.windowHeight);
  SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

namespace {

std::unique_ptr<VideoBackend>& OpenedBackend() {
  // Never destroyed: images and fonts may outlive every other static.
  static auto* backend = new std::unique_ptr<VideoBackend>;
  return *backend;
}

bool& CanvasAllowed() {
  static bool allowed = true;
  return allowed;
}

// SDL's pick of a renderer for the window, or its software renderer where
// that pick is OpenGL drawn on the CPU or there is no room for OpenGL. Null
// when none can be made.
SDL_Renderer* CreateModeRenderer(SDL_Window* window) {
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  if (!RoomForOpenGl()) return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
  if (renderer && DrawsOnSoftwareRasteriser(renderer)) {
    // OpenGL rasterised on the CPU costs more than SDL's own software
    // renderer for the same frame: take that one instead.
    SDL_DestroyRenderer(renderer);
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, 0);
  }
  return renderer;
}

bool DrawsOnCpu(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

// Whether our compositor may draw on the window's pixels: 32-bit words of
// red, green and blue from the high byte down.
bool CanvasFits(SDL_Window* window) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (!surface || !surface->pixels || surface->format->BytesPerPixel != 4 || surface->pitch % 4 != 0) return false;
  const SDL_PixelFormat& f = *surface->format;
  return f.Rmask == 0x00FF0000u && f.Gmask == 0x0000FF00u && f.Bmask == 0x000000FFu;
}

// The back end of a new window, as OpenBackend says; null when none can be made.
std::unique_ptr<VideoBackend> MakeBackend(SDL_Window* window) {
  SDL_Renderer* renderer = CreateModeRenderer(window);
  if (!renderer) return nullptr;
  const bool allowed = SoftCanvasAllowed();
  if (DrawsOnCpu(renderer) && allowed) {
    // Where SDL would draw on the CPU, our compositor draws the same frames
    // on the window's pixels, with SDL's renderer gone from the window.
    SDL_DestroyRenderer(renderer);
    if (CanvasFits(window)) return MakeSoftBackend(window);
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) return nullptr;
  }
  return MakeSdlBackend(renderer, allowed);
}

BackendWrap& WrapForTests() {
  static BackendWrap wrap;
  return wrap;
}

}  // namespace

VideoBackend* Backend() { return OpenedBackend().get(); }

void CloseBackend() { OpenedBackend().reset(); }

bool OpenBackend(SDL_Window* window) {
  CloseBackend();
  std::unique_ptr<VideoBackend> made = MakeBackend(window);
  if (made && WrapForTests()) made = WrapForTests()(std::move(made));
  OpenedBackend() = std::move(made);
  return Backend() != nullptr;
}

void SetBackendWrapForTests(BackendWrap wrap) { WrapForTests() = std::move(wrap); }

void SetSoftCanvasAllowed(bool allowed) { CanvasAllowed() = allowed; }
bool SoftCanvasAllowed() { return CanvasAllowed(); }

void ApplyVSync(VideoState& v) {
  if (Backend()) Backend()->setVSync(v.fullScreen && v.pacing);
}

}  // namespace sorvanta
