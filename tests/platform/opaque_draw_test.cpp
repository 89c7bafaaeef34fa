// Opaque rectangles and images drawn with alpha blending at full alpha skip
// SDL's blend; the frame must be the very same as with the blend. These are
// SDL's own paths, so the compositor stands aside.
#include <gtest/gtest.h>

#include <cmath>

#include "draw_test_support.h"
#include "platform/harness.h"
#include "platform/image.h"
#include "platform/pixel_access.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "platform/video_internal.h"

namespace sorvanta {
namespace {

struct SdlDrawsTheFrames {
  SdlDrawsTheFrames() { SetSoftCanvasAllowed(false); }
  ~SdlDrawsTheFrames() { SetSoftCanvasAllowed(true); }
};

// A gradient image, fully opaque, so scaling and filtering have work to do.
std::shared_ptr<TImage> OpaqueImage(int flags) {
  auto p = CreatePixmap(16, 12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x) WritePixel(p, x, y, 0xff000000u | (x * 16) << 16 | (y * 20) << 8 | 0x40);
  return LoadImage(p, flags);
}

TEST(OpaqueDraw, FullAlphaOpaqueDrawsMatchTheBlendedOnesPixelForPixel) {
  SdlDrawsTheFrames sdl;
  Harness h;
  auto plain = OpaqueImage(0), filtered = OpaqueImage(FILTEREDIMAGE);
  struct Case {
    const char* name;
    float scale;
    std::shared_ptr<TImage> image;  // none: a rectangle
    float rotation;
  };
  const Case cases[] = {
      {"image", 1, plain, 0},         {"scaled image", 2.5f, plain, 0}, {"filtered image", 3.3f, filtered, 0},
      {"rectangle", 1, nullptr, 0},   {"scaled rectangle", 1.7f, nullptr, 0},
      {"rotated rectangle", 1, nullptr, 30},
  };
  for (const Case& c : cases) {
    // A striped, half-transparent background that a wrong blend would show through.
    SetRotation(0);
    SetScale(1, 1);
    SetAlpha(1);
    SetColor(0, 0, 0);
    DrawRect(0, 0, 1024, 768);
    SetAlpha(0.5f);
    for (int x = 0; x < 1024; x += 8) {
      SetColor(x % 256, 255 - x % 256, 90);
      DrawRect(static_cast<float>(x), 0, 4, 768);
    }
    // Left: through the layer at alpha 1. Right: the same through SDL with blending.
    SetAlpha(1);
    SetColor(200, 150, 100);
    SetScale(c.scale, c.scale);
    SetRotation(c.rotation);
    const float x = 40.5f, y = 30.25f, w = 16 * c.scale, hgt = 12 * c.scale;
    SDL_Renderer* r = SdlRenderer();
    if (c.image) {
      DrawImage(c.image, x, y);
      auto* texture = SdlTextureOf(c.image->texture(0));
      SDL_BlendMode used = SDL_BLENDMODE_BLEND;
      SDL_GetTextureBlendMode(texture, &used);
      EXPECT_EQ(used, SDL_BLENDMODE_NONE) << c.name << ": the copy still blends";
      SDL_SetTextureColorMod(texture, 200, 150, 100);
      SDL_SetTextureAlphaMod(texture, 255);
      SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
      SDL_FRect dst{x + 512, y, w, hgt};
      SDL_RenderCopyF(r, texture, nullptr, &dst);
    } else {
      DrawRect(x, y, 16, 12);
      DrawLine(x, y + 100, x + 200, y + 140);
      SDL_BlendMode used = SDL_BLENDMODE_BLEND;
      SDL_GetRenderDrawBlendMode(r, &used);
      EXPECT_EQ(used, SDL_BLENDMODE_NONE) << c.name << ": the fill still blends";
      SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
      SDL_SetRenderDrawColor(r, 200, 150, 100, 255);
      const float rad = c.rotation * 3.14159265358979f / 180, co = std::cos(rad), si = std::sin(rad);
      auto at = [&](float dx, float dy) { return SDL_FPoint{x + 512 + dx * co - dy * si, y + dx * si + dy * co}; };
      if (c.rotation == 0) {
        SDL_FRect rect{x + 512, y, w, hgt};
        SDL_RenderFillRectF(r, &rect);
      } else {
        const SDL_Color colour{200, 150, 100, 255};
        SDL_Vertex v[4] = {{at(0, 0), colour, {0, 0}}, {at(w, 0), colour, {0, 0}},
                           {at(w, hgt), colour, {0, 0}}, {at(0, hgt), colour, {0, 0}}};
        const int indices[6] = {0, 1, 2, 0, 2, 3};
        SDL_RenderGeometry(r, nullptr, v, 4, indices, 6);
      }
      const SDL_FPoint a{x + 512, y + 100}, d = at(200 * c.scale, 40 * c.scale);
      const SDL_FPoint b{a.x + d.x - (x + 512), a.y + d.y - y};
      SDL_RenderDrawLineF(r, a.x, a.y, b.x, b.y);
    }
    h.Frame();
    int differ = 0;
    for (int py = 0; py < 300; ++py)
      for (int px = 0; px < 400; ++px)
        if (h.PixelAt(px, py) != h.PixelAt(px + 512, py)) ++differ;
    EXPECT_EQ(differ, 0) << c.name;
  }
}

TEST(OpaqueDraw, TransparentOrRotatedImagesAndLowerAlphaStillBlend) {
  SdlDrawsTheFrames sdl;
  Harness h;
  auto see = [](const std::shared_ptr<TImage>& image) {
    DrawImage(image, 10, 10);
    SDL_BlendMode used = SDL_BLENDMODE_NONE;
    SDL_GetTextureBlendMode(SdlTextureOf(image->texture(0)), &used);
    return used;
  };
  auto holed = CreatePixmap(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) WritePixel(holed, x, y, x == 3 && y == 3 ? 0xfe102030u : 0xff102030u);
  EXPECT_EQ(see(LoadImage(holed, 0)), SDL_BLENDMODE_BLEND);
  auto opaque = OpaqueImage(0);
  SetRotation(45);  // a rotated copy has transparent corners
  EXPECT_EQ(see(opaque), SDL_BLENDMODE_BLEND);
  SetRotation(0);
  SetAlpha(0.99f);
  EXPECT_EQ(see(opaque), SDL_BLENDMODE_BLEND);
  SetAlpha(1);
  SetBlend(LIGHTBLEND);
  EXPECT_EQ(see(opaque), SDL_BLENDMODE_ADD);
}

}  // namespace
}  // namespace sorvanta
