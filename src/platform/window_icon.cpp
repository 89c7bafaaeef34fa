// The window's icon, read from a picture file.
#include <SDL.h>

#include "platform/system.h"
#include "platform/video.h"
#include "platform/video_internal.h"

namespace sorvanta {

void SetWindowIconFile(const std::string& path) {
  VideoState& v = Video();
  v.icon = path.empty() ? nullptr : LoadPixmap(path);
  // Without its icon the game still plays: say so and go on with the default.
  if (!path.empty() && !v.icon) Print("Cannot read the window icon " + path + "; the window keeps the default icon");
  ApplyWindowIcon();
}


void ApplyWindowIcon() {
  VideoState& v = Video();
  if (!v.window || !v.icon) return;
  TPixmap& p = *v.icon;
  // The surface borrows the pixmap's bytes; SDL copies them before this returns.
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(p.data(), p.width(), p.height(), 32, p.width() * 4, SDL_PIXELFORMAT_RGBA32);
  if (!surface) return;
  SDL_SetWindowIcon(v.window, surface);
  SDL_FreeSurface(surface);
}

}  // namespace sorvanta
