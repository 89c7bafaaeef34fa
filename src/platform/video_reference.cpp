#include "platform/video_reference.h"

#include <cmath>

#include "platform/video.h"
#include "platform/video_internal.h"

namespace sorvanta {

void DrawSpritesDirect(const std::shared_ptr<TImage>& image, const std::vector<ReferenceSprite>& sprites) {
  SDL_Renderer* renderer = Video().renderer;
  auto* texture = image ? static_cast<SDL_Texture*>(image->texture(0)) : nullptr;
  if (!renderer || !texture) return;
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
    SDL_RenderCopyExF(renderer, texture, nullptr, &dst, s.rotation, &center, static_cast<SDL_RendererFlip>(flip));
  }
}

void ClearDirect() {
  if (!Video().renderer) return;
  SDL_SetRenderDrawColor(Video().renderer, 0, 0, 0, 255);
  SDL_RenderClear(Video().renderer);
}

void PresentDirect() {
  if (Video().renderer) SDL_RenderPresent(Video().renderer);
}

}  // namespace sorvanta
