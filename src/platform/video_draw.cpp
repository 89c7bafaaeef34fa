// Textured quads, rectangles and lines with the current drawing state.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/video.h"
#include "platform/soft_frame.h"
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

bool& SoftCanvasAllowed() {
  static bool allowed = true;
  return allowed;
}

bool SoftTexture(SDL_Texture* texture, SoftPixels& out) {
  void* pixels = nullptr;
  int pitch = 0, w = 0, h = 0;
  if (SDL_QueryTexture(texture, nullptr, nullptr, &w, &h) != 0 || SDL_LockTexture(texture, nullptr, &pixels, &pitch) != 0)
    return false;
  SDL_UnlockTexture(texture);  // a software texture's pixels stay where they are
  out = SoftPixels{static_cast<std::uint32_t*>(pixels), pitch / 4, w, h};
  return true;
}

SoftTint TintOf(const VideoState& v) {
  return SoftTint{static_cast<std::uint32_t>(v.red), static_cast<std::uint32_t>(v.green),
                  static_cast<std::uint32_t>(v.blue), AlphaByte(v.alpha)};
}

SoftBlend SoftBlendFor(const VideoState& v, bool opaqueSource) {
  if (v.blend == LIGHTBLEND) return SoftBlend::kAdd;
  return BlendFor(v, opaqueSource) == SDL_BLENDMODE_NONE ? SoftBlend::kCopy : SoftBlend::kBlend;
}

// The quad of a src rectangle whose corners Transform places: texel (0, 0)
// at the handle's offset (-hx, -hy), rows along the width, columns along
// the height.
SoftQuad TransformedQuad(const SDL_Rect& src, float x, float y, float width, float height, float hx, float hy) {
  const SDL_FPoint o = Transform(x, y, -hx, -hy);
  const SDL_FPoint u = Transform(x, y, width - hx, -hy), w = Transform(x, y, -hx, height - hy);
  SoftQuad q;
  q.sx = src.x, q.sy = src.y, q.sw = src.w, q.sh = src.h;
  q.originX = o.x, q.originY = o.y;
  q.uStepX = (u.x - o.x) / src.w, q.uStepY = (u.y - o.y) / src.w;
  q.vStepX = (w.x - o.x) / src.h, q.vStepY = (w.y - o.y) / src.h;
  return q;
}

// An unturned quad on whole pixels, as SDL's software renderer places a
// copy: position and size cut to integers.
SoftQuad PlacedQuad(const SDL_Rect& src, const SDL_FRect& dst, bool mirrorX, bool mirrorY) {
  const int x0 = static_cast<int>(dst.x), y0 = static_cast<int>(dst.y);
  const int w = static_cast<int>(dst.w), h = static_cast<int>(dst.h);
  SoftQuad q;
  q.sx = src.x, q.sy = src.y, q.sw = src.w, q.sh = src.h;
  q.uStepX = static_cast<double>(w) / src.w * (mirrorX ? -1 : 1);
  q.vStepY = static_cast<double>(h) / src.h * (mirrorY ? -1 : 1);
  q.uStepY = q.vStepX = 0;
  q.originX = mirrorX ? x0 + w : x0;
  q.originY = mirrorY ? y0 + h : y0;
  if (w <= 0 || h <= 0) q.sw = 0;  // nothing to cover
  return q;
}

void SoftDrawTexture(SDL_Texture* texture, SoftQuad q) {
  VideoState& v = Video();
  SoftPixels pixels;
  if (!SoftTexture(texture, pixels)) return;
  SDL_ScaleMode mode = SDL_ScaleModeNearest;
  SDL_GetTextureScaleMode(texture, &mode);
  // A copy texel for texel takes no filtering; a turned one takes the
  // nearest texel, as SDL's software renderer turns a sprite.
  const bool exact = q.uStepX == 1 && q.vStepY == 1 && q.uStepY == 0 && q.vStepX == 0 &&
                     q.originX == std::floor(q.originX) && q.originY == std::floor(q.originY);
  q.filtered = mode != SDL_ScaleModeNearest && !exact && v.rotation == 0.0f;
  const bool opaque = SDL_GetTextureUserData(texture) == &kOpaqueTexture;
  SoftQueueQuad(v.clip, pixels, q, TintOf(v), SoftBlendFor(v, opaque && v.rotation == 0.0f));
}

}  // namespace

void FlushCanvas() {
  VideoState& v = Video();
  SDL_Surface* surface = v.softCanvas ? SDL_GetWindowSurface(v.window) : nullptr;
  if (!surface || !surface->pixels) {
    SoftDiscard();
    return;
  }
  SDL_RenderFlush(v.renderer);
  SoftFlush(SoftPixels{static_cast<std::uint32_t*>(surface->pixels), surface->pitch / 4, surface->w, surface->h});
}

DrawCounts GetDrawCounts() { return Video().counts; }
void ResetDrawCounts() { Video().counts = DrawCounts{}; }

SDL_BlendMode SdlBlend(int blend) { return blend == LIGHTBLEND ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND; }

bool SoftCanvasFits(SDL_Window* window) {
  if (!SoftCanvasAllowed() || !window) return false;
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (!surface || surface->format->BytesPerPixel != 4 || surface->pitch % 4 != 0) return false;
  const SDL_PixelFormat& f = *surface->format;
  return f.Rmask == 0x00FF0000u && f.Gmask == 0x0000FF00u && f.Bmask == 0x000000FFu;
}

void SetSoftCanvasAllowed(bool allowed) { SoftCanvasAllowed() = allowed; }

void UpdateTexture(SDL_Texture* texture, const TPixmap& pixmap) {
  if (!texture) return;
  if (!Video().softCanvas) {
    SDL_UpdateTexture(texture, nullptr, pixmap.data(), pixmap.width() * 4);
    return;
  }
  FlushCanvas();  // draws queued with the old pixels run first
  SoftPixels out;
  if (!SoftTexture(texture, out)) return;
  const int w = std::min(out.width, pixmap.width()), h = std::min(out.height, pixmap.height());
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* in = pixmap.row(y);
    std::uint32_t* row = out.pixels + static_cast<std::ptrdiff_t>(y) * out.pitch;
    for (int x = 0; x < w; ++x) row[x] = SoftFromRgba(in + 4 * x);
  }
}

SDL_Texture* MakeTexture(const TPixmap& pixmap, bool filtered) {
  VideoState& v = Video();
  if (!v.renderer) return nullptr;
  // The compositor reads its textures' pixels, premultiplied, in place.
  SDL_Texture* texture =
      SDL_CreateTexture(v.renderer, v.softCanvas ? SDL_PIXELFORMAT_ARGB8888 : SDL_PIXELFORMAT_RGBA32,
                        v.softCanvas ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC, pixmap.width(),
                        pixmap.height());
  if (!texture) return nullptr;
  UpdateTexture(texture, pixmap);
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
    FlushCanvas();
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
  v.counts.pixels += static_cast<double>(w * v.kx) * (h * v.ky);
  if (v.softCanvas && v.rotation == 0.0f) {
    SoftDrawTexture(texture, PlacedQuad(src, dst, flip & SDL_FLIP_HORIZONTAL, flip & SDL_FLIP_VERTICAL));
    return;
  }
  if (v.rotation == 0.0f && flip == 0) {
    // A rotated copy has transparent corners of its own, so only a plain one may skip blending.
    SDL_SetTextureBlendMode(texture, BlendFor(v, SDL_GetTextureUserData(texture) == &kOpaqueTexture));
    SDL_RenderCopyF(v.renderer, texture, &src, &dst);
    return;
  }
  if (v.softCanvas) {
    SoftDrawTexture(texture, TransformedQuad(src, x, y, width, height, hx, hy));
    return;
  }
  SDL_SetTextureBlendMode(texture, SdlBlend(v.blend));
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
  CountQuad(v);
  if (v.rotation == 0.0f) {
    float x0 = (x + v.originX) * v.kx;
    float y0 = (y + v.originY) * v.ky;
    float w = width * v.scaleX * v.kx, h = height * v.scaleY * v.ky;
    if (w < 0) x0 += w, w = -w;
    if (h < 0) y0 += h, h = -h;
    if (v.softCanvas) {
      // Cut to whole pixels as SDL's software renderer cuts a filled rectangle.
      const int left = static_cast<int>(x0), top = static_cast<int>(y0);
      SoftQueueFillRect(v.clip, left, top, left + static_cast<int>(w), top + static_cast<int>(h), TintOf(v),
                   SoftBlendFor(v, true));
      return;
    }
    UseShapeColour(v);
    SDL_FRect rect{x0, y0, w, h};
    SDL_RenderFillRectF(v.renderer, &rect);
    return;
  }
  if (v.softCanvas) {
    const SDL_Rect unit{0, 0, 1, 1};
    SoftQueueFillQuad(v.clip, TransformedQuad(unit, x, y, width, height, 0, 0), TintOf(v), SoftBlendFor(v, true));
    return;
  }
  UseShapeColour(v);
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
  FlushCanvas();  // what the compositor holds goes under the line
  UseShapeColour(v);
  ++v.draws;
  SDL_FPoint a = Transform(x1, y1, 0, 0);
  SDL_FPoint b = Transform(x1, y1, x2 - x1, y2 - y1);
  SDL_RenderDrawLineF(v.renderer, a.x, a.y, b.x, b.y);
  // The compositor draws next straight on the pixels: the line goes first.
  if (v.softCanvas) SDL_RenderFlush(v.renderer);
}

}  // namespace sorvanta
