// Opening the window of a graphics mode, and how full screen is shown.
#include <SDL.h>

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

}  // namespace

FullScreenKind ChooseFullScreen(int width, int height, int desktopWidth, int desktopHeight,
                                bool displayHasMode) {
  if (desktopWidth <= 0 || desktopHeight <= 0 || (width == desktopWidth && height == desktopHeight))
    return FullScreenKind::kDesktop;
  return displayHasMode ? FullScreenKind::kDisplayMode : FullScreenKind::kScaled;
}

SDL_Window* OpenWindow(int width, int height, bool full, int hertz, bool& scaled) {
  scaled = false;
  if (!full)
    return SDL_CreateWindow("Sorvanta", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                            SDL_WINDOW_SHOWN);
  SDL_DisplayMode desktop{}, mode{};
  const bool known = SDL_GetDesktopDisplayMode(0, &desktop) == 0;
  const bool hasMode = FindDisplayMode(width, height, hertz, mode);
  FullScreenKind kind =
      ChooseFullScreen(width, height, known ? desktop.w : 0, known ? desktop.h : 0, hasMode);
  if (kind == FullScreenKind::kDisplayMode) {
    SDL_Window* window = SDL_CreateWindow("Sorvanta", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                          height, SDL_WINDOW_SHOWN);
    if (window && SDL_SetWindowDisplayMode(window, &mode) == 0 &&
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0)
      return window;
    // The display refused the mode: the scaled frame looks the same to the player.
    if (window) SDL_DestroyWindow(window);
    kind = FullScreenKind::kScaled;
  }
  scaled = kind == FullScreenKind::kScaled;
  // Made at the desktop's size: a window that full screen has to grow keeps
  // a drawing surface of its first size with some renderers.
  const int w = known && desktop.w > 0 ? desktop.w : width, h = known && desktop.h > 0 ? desktop.h : height;
  return SDL_CreateWindow("Sorvanta", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                          SDL_WINDOW_SHOWN | SDL_WINDOW_FULLSCREEN_DESKTOP);
}

}  // namespace sorvanta
