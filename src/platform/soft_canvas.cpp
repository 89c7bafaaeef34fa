// Quads rasterised a row at a time: each row's span is solved from the
// inverse map, then walked in 16.16 fixed point by the span loops.
#include "platform/soft_canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/soft_pixel.h"
#include "platform/soft_spans.h"

namespace sorvanta {

using soft::Div255;
using soft::Factors;
using soft::FactorsOf;
using soft::KindOf;
using soft::Walk;

namespace {

SoftClip Bounds(const SoftPixels& target, const SoftClip& clip) {
  return SoftClip{std::max(clip.x0, 0), std::max(clip.y0, 0), std::min(clip.x1, target.width),
                  std::min(clip.y1, target.height)};
}

// Narrows [lo, hi) of pixel indices x to those whose centre x + 0.5 gives
// low <= f0 + k (x + 0.5) < high.
void NarrowSpan(double f0, double k, double low, double high, double& lo, double& hi) {
  if (k == 0) {
    if (!(f0 >= low && f0 < high)) hi = lo;
    return;
  }
  double a = (low - f0) / k, b = (high - f0) / k;
  if (k < 0) std::swap(a, b);
  lo = std::max(lo, std::ceil(a - 0.5));
  hi = std::min(hi, std::ceil(b - 0.5));
}

// Walks the rows of the quad's pixels, calling span(row, first, count, walk).
template <typename Span>
void Rasterise(const SoftPixels& target, const SoftClip& clip, const SoftQuad& q, Span span) {
  if (q.sw <= 0 || q.sh <= 0) return;
  const double det = q.uStepX * q.vStepY - q.uStepY * q.vStepX;
  if (!(std::fabs(det) > 1e-12) || !std::isfinite(det)) return;
  const SoftClip c = Bounds(target, clip);
  // Texel coordinates of output point (X, Y): the inverse of the quad's map.
  const double duX = q.vStepY / det, duY = -q.vStepX / det;
  const double dvX = -q.uStepY / det, dvY = q.uStepX / det;
  const soft::QuadBox box = soft::BoxOf(q);
  if (!box.finite) return;
  const int y0 = std::max(c.y0, box.y0), y1 = std::min(c.y1, box.y1);
  const double xLo = std::max(static_cast<double>(c.x0), std::floor(box.left));
  const double xHi = std::min(static_cast<double>(c.x1), std::ceil(box.right));
  for (int y = y0; y < y1; ++y) {
    const double cy = y + 0.5 - q.originY;
    // u and v at the row's point X = 0.
    const double u0 = -q.originX * duX + cy * duY, v0 = -q.originX * dvX + cy * dvY;
    double lo = xLo, hi = xHi;
    NarrowSpan(u0, duX, 0, q.sw, lo, hi);
    NarrowSpan(v0, dvX, 0, q.sh, lo, hi);
    if (!(hi > lo)) continue;
    const int first = static_cast<int>(lo), count = static_cast<int>(hi) - first;
    const double cx = first + 0.5;
    // A quad thinner than a pixel has one pixel a row, whatever its steps.
    const double su = count > 1 ? duX : 0, sv = count > 1 ? dvX : 0;
    const double fixed[4] = {(u0 + duX * cx) * 65536.0, (v0 + dvX * cx) * 65536.0, su * 65536.0, sv * 65536.0};
    // The walk must stay within 32 bits to its last pixel.
    if (!(std::fabs(fixed[0]) + std::fabs(fixed[2]) * count < 2e9 &&
          std::fabs(fixed[1]) + std::fabs(fixed[3]) * count < 2e9))
      continue;
    // A 65536th of a texel either way is below notice: plain casts will do.
    const Walk w{static_cast<std::int32_t>(fixed[0]), static_cast<std::int32_t>(fixed[1]),
                 static_cast<std::int32_t>(fixed[2]), static_cast<std::int32_t>(fixed[3])};
    span(target.pixels + static_cast<std::ptrdiff_t>(y) * target.pitch + first, count, w);
  }
}

}  // namespace

std::uint32_t SoftFromRgba(const std::uint8_t* rgba) {
  const std::uint32_t a = rgba[3];
  return (a << 24) | (Div255(rgba[0] * a) << 16) | (Div255(rgba[1] * a) << 8) | Div255(rgba[2] * a);
}

void SoftDrawQuad(const SoftPixels& target, const SoftClip& clip, const SoftPixels& texture, const SoftQuad& quad,
                  const SoftTint& tint, SoftBlend blend) {
  if (!target.pixels || !texture.pixels || tint.a == 0) return;
  if (quad.sx < 0 || quad.sy < 0 || quad.sx + quad.sw > texture.width || quad.sy + quad.sh > texture.height) return;
  const Factors f = FactorsOf(tint);
  const soft::SpanFn fn = soft::PickSpan(quad.filtered, KindOf(tint), blend);
  Rasterise(target, clip, quad, [&](std::uint32_t* out, int n, Walk w) { fn(out, n, texture, quad, w, f); });
}

void SoftFillQuad(const SoftPixels& target, const SoftClip& clip, const SoftQuad& quad, const SoftTint& tint,
                  SoftBlend blend) {
  if (!target.pixels || tint.a == 0) return;
  const std::uint32_t colour = FactorsOf(tint).colour;
  const soft::FillFn fill = soft::PickFill(blend);
  Rasterise(target, clip, quad, [&](std::uint32_t* out, int n, Walk) { fill(out, n, colour); });
}

void SoftFillRect(const SoftPixels& target, const SoftClip& clip, int x0, int y0, int x1, int y1,
                  const SoftTint& tint, SoftBlend blend) {
  if (!target.pixels || tint.a == 0) return;
  const SoftClip c = Bounds(target, clip);
  x0 = std::max(x0, c.x0), y0 = std::max(y0, c.y0);
  x1 = std::min(x1, c.x1), y1 = std::min(y1, c.y1);
  if (x1 <= x0 || y1 <= y0) return;
  const std::uint32_t colour = FactorsOf(tint).colour;
  const soft::FillFn fill = soft::PickFill(blend);
  for (int y = y0; y < y1; ++y) fill(target.pixels + static_cast<std::ptrdiff_t>(y) * target.pitch + x0, x1 - x0, colour);
}

}  // namespace sorvanta