// SDL's software renderer drawing sprites on a frame of its own, a yardstick.
#include "platform/video_reference.h"

#include <SDL.h>

#include <cmath>

#include "platform/image_read_back.h"
#include "platform/video.h"

namespace sorvanta {

namespace {

// A frame of the mode's size with SDL's software renderer over it, and the
// texture of the last image drawn.
struct DirectFrame {
  SDL_Surface* surface = nullptr;
  SDL_Renderer* renderer = nullptr;
  const TImage* image = nullptr;
  SDL_Texture* texture = nullptr;
};

DirectFrame& Frame() {
  static DirectFrame frame;
  const int w = GraphicsWidth(), h = GraphicsHeight();
  if (frame.surface && (frame.surface->w != w || frame.surface->h != h)) {
    SDL_DestroyRenderer(frame.renderer);
    SDL_FreeSurface(frame.surface);
    frame = DirectFrame{};
  }
  if (!frame.surface && w > 0 && h > 0) {
    frame.surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    frame.renderer = frame.surface ? SDL_CreateSoftwareRenderer(frame.surface) : nullptr;
  }
  return frame;
}

SDL_Texture* TextureOf(DirectFrame& frame, const TImage& image) {
  if (frame.image == &image && frame.texture) return frame.texture;
  if (frame.texture) SDL_DestroyTexture(frame.texture);
  frame.image = &image;
  frame.texture = nullptr;
  auto pixels = ImageFrame(image, 0);
  if (!pixels) return nullptr;
  frame.texture = SDL_CreateTexture(frame.renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, pixels->width(),
                                    pixels->height());
  if (frame.texture) SDL_UpdateTexture(frame.texture, nullptr, pixels->data(), pixels->width() * 4);
  return frame.texture;
}

}  // namespace

void DrawSpritesDirect(const std::shared_ptr<TImage>& image, const std::vector<ReferenceSprite>& sprites) {
  DirectFrame& frame = Frame();
  if (!frame.renderer || !image) return;
  SDL_Texture* texture = TextureOf(frame, *image);
  if (!texture) return;
  const float w = static_cast<float>(image->width()), h = static_cast<float>(image->height());
  for (const ReferenceSprite& s : sprites) {
    float ax = std::fabs(s.scaleX), ay = std::fabs(s.scaleY);
    float hx = s.scaleX < 0 ? w - image->handleX : image->handleX;
    float hy = s.scaleY < 0 ? h - image->handleY : image->handleY;
    SDL_FRect dst{s.x - hx * ax, s.y - hy * ay, w * ax, h * ay};
    SDL_FPoint center{hx * ax, hy * ay};
    int flip = (s.scaleX < 0 ? SDL_FLIP_HORIZONTAL : 0) | (s.scaleY < 0 ? SDL_FLIP_VERTICAL : 0);
    SDL_SetTextureColorMod(texture, static_cast<Uint8>(s.red), static_cast<Uint8>(s.green), static_cast<Uint8>(s.blue));
    SDL_SetTextureAlphaMod(texture, static_cast<Uint8>(std::lround(s.alpha * 255)));
    SDL_SetTextureBlendMode(texture, s.blend == LIGHTBLEND ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND);
    SDL_RenderCopyExF(frame.renderer, texture, nullptr, &dst, s.rotation, &center,
                      static_cast<SDL_RendererFlip>(flip));
  }
}

void ClearDirect() {
  DirectFrame& frame = Frame();
  if (!frame.renderer) return;
  SDL_SetRenderDrawColor(frame.renderer, 0, 0, 0, 255);
  SDL_RenderClear(frame.renderer);
}

void PresentDirect() {
  DirectFrame& frame = Frame();
  if (frame.renderer) SDL_RenderPresent(frame.renderer);
}

}  // namespace sorvanta
