// Textured quads, rectangles and lines with the current drawing state.
#include <cmath>
#include <cstdint>

#include "platform/video.h"
#include "platform/rotation_cache.h"
#include "platform/video_internal.h"

namespace sorvanta {

namespace {

constexpr double kPi = 3.14159265358979323846;

Uint8 AlphaByte(float alpha) { return static_cast<Uint8>(std::lround(alpha * 255.0f)); }

// Maps a point given relative to an anchor (virtual units, before scale and
// rotation) to output pixels.
SDL_FPoint Transform(float anchorX, float anchorY, float dx, float dy) {
  const VideoState& v = Video();
  double rad = v.rotation * kPi / 180.0;
  double c = std::cos(rad), s = std::sin(rad);
  double sx = dx * v.scaleX, sy = dy * v.scaleY;
  double x = anchorX + v.originX + sx * c - sy * s;
  double y = anchorY + v.originY + sx * s + sy * c;
  return SDL_FPoint{static_cast<float>(x * v.kx), static_cast<float>(y * v.ky)};
}

// Marks a texture whose every pixel is opaque (SDL's user data of the texture).
char kOpaqueTexture;

// Alpha blending at full alpha of something opaque gives its own pixels:
// copying them spares the software renderer a blend per pixel.
SDL_BlendMode BlendFor(const VideoState& v, bool opaqueSource) {
  if (v.blend != LIGHTBLEND && opaqueSource && AlphaByte(v.alpha) == 255) return SDL_BLENDMODE_NONE;
  return SdlBlend(v.blend);
}

void CountQuad(VideoState& v) {
  ++v.draws;
  ++v.counts.quads;
  if (v.rotation != 0.0f) ++v.counts.rotatedQuads;
}

bool CanDraw() {
  const VideoState& v = Video();
  return v.renderer && !v.clipEmpty && v.alpha > 0.0f;
}

// The software renderer rotates a copy by building a rotated surface on
// every call; mapping the texture onto two triangles costs a fraction of it,
// needs no cache of turned pictures and takes any angle exactly.
void DrawRotatedGeometry(SDL_Texture* texture, const SDL_Rect& src, float x, float y, float width, float height,
                         float hx, float hy) {
  const VideoState& v = Video();
  int tw = 0, th = 0;
  SDL_QueryTexture(texture, nullptr, nullptr, &tw, &th);
  if (tw <= 0 || th <= 0) return;
  const SDL_Color color{static_cast<Uint8>(v.red), static_cast<Uint8>(v.green), static_cast<Uint8>(v.blue),
                        AlphaByte(v.alpha)};
  const float u0 = static_cast<float>(src.x) / tw, u1 = static_cast<float>(src.x + src.w) / tw;
  const float t0 = static_cast<float>(src.y) / th, t1 = static_cast<float>(src.y + src.h) / th;
  // Corners relative to the handle; Transform scales (mirroring with a
  // negative factor) and rotates them about it.
  const float dx[4] = {-hx, width - hx, width - hx, -hx}, dy[4] = {-hy, -hy, height - hy, height - hy};
  const float us[4] = {u0, u1, u1, u0}, ts[4] = {t0, t0, t1, t1};
  SDL_Vertex corners[4];
  for (int i = 0; i < 4; ++i) corners[i] = SDL_Vertex{Transform(x, y, dx[i], dy[i]), color, SDL_FPoint{us[i], ts[i]}};
  const int indices[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(v.renderer, texture, corners, 4, indices, 6);
}

// A sprite scaled the same both ways is drawn as a copy of its turned
// picture from the cache, centred where the turned quad's centre falls; false
// when it cannot be.
bool DrawTurnedCopy(SDL_Texture* texture, const SDL_Rect& src, float x, float y, float width, float height,
                    float hx, float hy) {
  const VideoState& v = Video();
  const float unit = width / src.w * v.scaleX;
  if (v.scaleX <= 0 || v.scaleX != v.scaleY || std::fabs(height / src.h * v.scaleY - unit) > 1e-4f * unit) return false;
  int w = 0, h = 0;
  SDL_Texture* turned = TurnedTexture(v.renderer, texture, src, v.rotation, w, h);
  if (!turned) return false;
  const SDL_FPoint centre = Transform(x, y, 0.5f * width - hx, 0.5f * height - hy);
  const float dw = w * unit * v.kx, dh = h * unit * v.ky;
  const SDL_FRect dst{centre.x - 0.5f * dw, centre.y - 0.5f * dh, dw, dh};
  SDL_SetTextureColorMod(turned, static_cast<Uint8>(v.red), static_cast<Uint8>(v.green), static_cast<Uint8>(v.blue));
  SDL_SetTextureAlphaMod(turned, AlphaByte(v.alpha));
  SDL_SetTextureBlendMode(turned, SdlBlend(v.blend));
  SDL_RenderCopyF(v.renderer, turned, nullptr, &dst);
  return true;
}

}  // namespace

DrawCounts GetDrawCounts() { return Video().counts; }
void ResetDrawCounts() { Video().counts = DrawCounts{}; }

SDL_BlendMode SdlBlend(int blend) { return blend == LIGHTBLEND ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND; }

SDL_Texture* MakeTexture(const TPixmap& pixmap, bool filtered) {
  VideoState& v = Video();
  if (!v.renderer) return nullptr;
  SDL_Texture* texture = SDL_CreateTexture(v.renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                           pixmap.width(), pixmap.height());
  if (!texture) return nullptr;
  SDL_UpdateTexture(texture, nullptr, pixmap.data(), pixmap.width() * 4);
  bool opaque = true;
  for (int y = 0; y < pixmap.height() && opaque; ++y) {
    const std::uint8_t* row = pixmap.row(y);
    for (int x = 0; x < pixmap.width(); ++x)
      if (row[x * 4 + 3] != 255) {
        opaque = false;
        break;
      }
  }
  if (opaque) SDL_SetTextureUserData(texture, &kOpaqueTexture);
  SDL_SetTextureScaleMode(texture, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  return texture;
}

void FreeTexture(SDL_Texture* texture, int generation) {
  // Textures of an earlier renderer went with it.
  if (texture && generation == Video().generation && Video().renderer) {
    ForgetTurnedTextures(texture);
    SDL_DestroyTexture(texture);
  }
}

void DrawTextureQuad(SDL_Texture* texture, const SDL_Rect& src, float x, float y, float width, float height,
                     float hx, float hy) {
  VideoState& v = Video();
  if (!texture || !CanDraw() || src.w <= 0 || src.h <= 0) return;
  float ax = std::fabs(v.scaleX), ay = std::fabs(v.scaleY);
  float w = width * ax, h = height * ay;
  if (!(w > 0) || !(h > 0)) return;
  // The handle is mirrored with the image.
  float left = v.scaleX < 0 ? x - (width - hx) * ax : x - hx * ax;
  float top = v.scaleY < 0 ? y - (height - hy) * ay : y - hy * ay;
  SDL_FRect dst{(left + v.originX) * v.kx, (top + v.originY) * v.ky, w * v.kx, h * v.ky};
  SDL_SetTextureColorMod(texture, static_cast<Uint8>(v.red), static_cast<Uint8>(v.green), static_cast<Uint8>(v.blue));
  SDL_SetTextureAlphaMod(texture, AlphaByte(v.alpha));
  int flip = (v.scaleX < 0 ? SDL_FLIP_HORIZONTAL : 0) | (v.scaleY < 0 ? SDL_FLIP_VERTICAL : 0);
  CountQuad(v);
  if (v.rotation == 0.0f && flip == 0) {
    // A rotated copy has transparent corners of its own, so only a plain one may skip blending.
    SDL_SetTextureBlendMode(texture, BlendFor(v, SDL_GetTextureUserData(texture) == &kOpaqueTexture));
    SDL_RenderCopyF(v.renderer, texture, &src, &dst);
    return;
  }
  SDL_SetTextureBlendMode(texture, SdlBlend(v.blend));
  if (v.rotation != 0.0f && v.softwareRenderer) {
    if (flip == 0 && DrawTurnedCopy(texture, src, x, y, width, height, hx, hy)) return;
    DrawRotatedGeometry(texture, src, x, y, width, height, hx, hy);
    return;
  }
  SDL_FPoint center{(x - left) * v.kx, (y - top) * v.ky};
  SDL_RenderCopyExF(v.renderer, texture, &src, &dst, v.rotation, &center, static_cast<SDL_RendererFlip>(flip));
}

// Shapes take the current blend, colour and alpha.
static void UseShapeColour(VideoState& v) {
  SDL_SetRenderDrawBlendMode(v.renderer, BlendFor(v, true));
  SDL_SetRenderDrawColor(v.renderer, static_cast<Uint8>(v.red), static_cast<Uint8>(v.green),
                         static_cast<Uint8>(v.blue), AlphaByte(v.alpha));
}

void DrawRect(float x, float y, float width, float height) {
  VideoState& v = Video();
  if (!CanDraw()) return;
  UseShapeColour(v);
  CountQuad(v);
  if (v.rotation == 0.0f) {
    float x0 = (x + v.originX) * v.kx;
    float y0 = (y + v.originY) * v.ky;
    float w = width * v.scaleX * v.kx, h = height * v.scaleY * v.ky;
    if (w < 0) x0 += w, w = -w;
    if (h < 0) y0 += h, h = -h;
    SDL_FRect rect{x0, y0, w, h};
    SDL_RenderFillRectF(v.renderer, &rect);
    return;
  }
  SDL_Color color{static_cast<Uint8>(v.red), static_cast<Uint8>(v.green), static_cast<Uint8>(v.blue),
                  AlphaByte(v.alpha)};
  SDL_Vertex corners[4];
  const float dx[4] = {0, width, width, 0}, dy[4] = {0, 0, height, height};
  for (int i = 0; i < 4; ++i) corners[i] = SDL_Vertex{Transform(x, y, dx[i], dy[i]), color, SDL_FPoint{0, 0}};
  const int indices[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(v.renderer, nullptr, corners, 4, indices, 6);
}

void DrawLine(float x1, float y1, float x2, float y2) {
  VideoState& v = Video();
  if (!CanDraw()) return;
  UseShapeColour(v);
  ++v.draws;
  SDL_FPoint a = Transform(x1, y1, 0, 0);
  SDL_FPoint b = Transform(x1, y1, x2 - x1, y2 - y1);
  SDL_RenderDrawLineF(v.renderer, a.x, a.y, b.x, b.y);
}

}  // namespace sorvanta
