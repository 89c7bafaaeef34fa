// Textured quads, rectangles and lines with the current drawing state,
// handed to the back end of the mode.
#include <cmath>

#include "platform/video.h"
#include "platform/video_backend.h"
#include "platform/video_internal.h"

namespace sorvanta {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The back end, when there is something to draw.
VideoBackend* DrawingBackend() {
  const VideoState& v = Video();
  return !v.clipEmpty && v.alpha > 0.0f ? Backend() : nullptr;
}

}  // namespace

Uint8 AlphaByte(float alpha) { return static_cast<Uint8>(std::lround(alpha * 255.0f)); }

SDL_FPoint OutputPoint(float anchorX, float anchorY, float dx, float dy) {
  const VideoState& v = Video();
  double rad = v.rotation * kPi / 180.0;
  double c = std::cos(rad), s = std::sin(rad);
  double sx = dx * v.scaleX, sy = dy * v.scaleY;
  double x = anchorX + v.originX + sx * c - sy * s;
  double y = anchorY + v.originY + sx * s + sy * c;
  return SDL_FPoint{static_cast<float>(x * v.kx), static_cast<float>(y * v.ky)};
}

bool CopiesInstead(const VideoState& v, bool opaqueSource) {
  return v.blend != LIGHTBLEND && opaqueSource && AlphaByte(v.alpha) == 255;
}

VideoTexture* MakeTexture(const TPixmap& pixmap, bool filtered) {
  VideoBackend* backend = Backend();
  return backend ? backend->makeTexture(pixmap, filtered) : nullptr;
}

void UpdateTexture(VideoTexture* texture, const TPixmap& pixmap) {
  if (texture && Backend()) Backend()->updateTexture(texture, pixmap);
}

void FreeTexture(VideoTexture* texture, int generation) {
  // Textures of an earlier back end went with it.
  if (texture && generation == Video().generation && Backend()) Backend()->freeTexture(texture);
}

void DrawTextureQuad(VideoTexture* texture, const SDL_Rect& src, float x, float y, float width, float height,
                     float hx, float hy) {
  VideoState& v = Video();
  VideoBackend* backend = DrawingBackend();
  if (!texture || !backend || src.w <= 0 || src.h <= 0) return;
  float ax = std::fabs(v.scaleX), ay = std::fabs(v.scaleY);
  float w = width * ax, h = height * ay;
  if (!(w > 0) || !(h > 0)) return;
  // The handle is mirrored with the image.
  float left = v.scaleX < 0 ? x - (width - hx) * ax : x - hx * ax;
  float top = v.scaleY < 0 ? y - (height - hy) * ay : y - hy * ay;
  TextureQuad quad{src, x, y, width, height, hx, hy};
  quad.dst = SDL_FRect{(left + v.originX) * v.kx, (top + v.originY) * v.ky, w * v.kx, h * v.ky};
  quad.centre = SDL_FPoint{(x - left) * v.kx, (y - top) * v.ky};
  quad.mirrorX = v.scaleX < 0;
  quad.mirrorY = v.scaleY < 0;
  ++v.draws;
  backend->drawTexture(texture, quad);
}

void DrawRect(float x, float y, float width, float height) {
  VideoState& v = Video();
  VideoBackend* backend = DrawingBackend();
  if (!backend) return;
  ++v.draws;
  if (v.rotation != 0.0f) {
    backend->fillTurnedRect(x, y, width, height);
    return;
  }
  float x0 = (x + v.originX) * v.kx;
  float y0 = (y + v.originY) * v.ky;
  float w = width * v.scaleX * v.kx, h = height * v.scaleY * v.ky;
  if (w < 0) x0 += w, w = -w;
  if (h < 0) y0 += h, h = -h;
  backend->fillRect(x0, y0, w, h);
}

void DrawLine(float x1, float y1, float x2, float y2) {
  VideoState& v = Video();
  VideoBackend* backend = DrawingBackend();
  if (!backend) return;
  ++v.draws;
  backend->drawLine(OutputPoint(x1, y1, 0, 0), OutputPoint(x1, y1, x2 - x1, y2 - y1));
}

}  // namespace sorvanta
