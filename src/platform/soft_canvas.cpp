// Quads rasterised a row at a time: each row's span is solved from the
// inverse map, then walked in 16.16 fixed point, two colour lanes to a
// multiply.
#include "platform/soft_canvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sorvanta {

namespace {

constexpr std::uint32_t kLanes = 0x00FF00FFu;

// x / 255, rounded, in both 16-bit lanes of x (each at most 255 * 255).
inline std::uint32_t Div255Lanes(std::uint32_t x) {
  x += 0x00800080u;
  return ((x + ((x >> 8) & kLanes)) >> 8) & kLanes;
}

inline std::uint32_t Div255(std::uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }

// 0..255 as 0..256, so that 255 keeps a channel as it is.
inline std::uint32_t To256(std::uint32_t f) { return f + (f >> 7); }

// Every channel of p times f / 256, rounded.
inline std::uint32_t Scale256(std::uint32_t p, std::uint32_t f) {
  return ((((p & kLanes) * f + 0x00800080u) >> 8) & kLanes) | ((((p >> 8) & kLanes) * f + 0x00800080u) & ~kLanes);
}

// Every channel of p times f / 255, rounded: what is under a blend, which
// must not come out a step too bright and carry into the next channel.
inline std::uint32_t Scale(std::uint32_t p, std::uint32_t f) {
  return Div255Lanes((p & kLanes) * f) | (Div255Lanes(((p >> 8) & kLanes) * f) << 8);
}

// The tint as factors on a premultiplied pixel: colour channels by tint x
// fade, alpha by the fade.
struct Factors {
  std::uint32_t a, r, g, b;  // each 0..256
  std::uint32_t colour;  // the tint itself as a premultiplied pixel, for fills
};

Factors FactorsOf(const SoftTint& t) {
  const std::uint32_t a = std::min(t.a, 255u);
  const std::uint32_t r = Div255(std::min(t.r, 255u) * a), g = Div255(std::min(t.g, 255u) * a),
                      b = Div255(std::min(t.b, 255u) * a);
  return Factors{To256(a), To256(r), To256(g), To256(b), (a << 24) | (r << 16) | (g << 8) | b};
}

enum TintKind { kPlain, kFade, kFull };

TintKind KindOf(const SoftTint& t) {
  if (t.r >= 255 && t.g >= 255 && t.b >= 255) return t.a >= 255 ? kPlain : kFade;
  return kFull;
}

template <TintKind kTint>
inline std::uint32_t Apply(std::uint32_t p, const Factors& f) {
  if constexpr (kTint == kPlain) {
    return p;
  } else if constexpr (kTint == kFade) {
    return Scale256(p, f.a);
  } else {
    const std::uint32_t a = ((p >> 24) * f.a + 128) >> 8, r = (((p >> 16) & 255) * f.r + 128) >> 8;
    const std::uint32_t g = (((p >> 8) & 255) * f.g + 128) >> 8, b = ((p & 255) * f.b + 128) >> 8;
    return (a << 24) | (r << 16) | (g << 8) | b;
  }
}

// Adds two pixels channel by channel, each sum held at 255.
inline std::uint32_t AddSaturated(std::uint32_t d, std::uint32_t s) {
  std::uint32_t rb = (d & kLanes) + (s & kLanes);
  std::uint32_t ag = ((d >> 8) & kLanes) + ((s >> 8) & kLanes);
  rb |= 0x01000100u - ((rb >> 8) & 0x00010001u);
  ag |= 0x01000100u - ((ag >> 8) & 0x00010001u);
  return (rb & kLanes) | ((ag & kLanes) << 8);
}

template <SoftBlend kBlend>
inline void Put(std::uint32_t& d, std::uint32_t s) {
  if constexpr (kBlend == SoftBlend::kCopy) {
    d = s;
  } else if constexpr (kBlend == SoftBlend::kBlend) {
    const std::uint32_t a = s >> 24;
    if (a == 255)
      d = s;
    else if (a != 0 || s != 0)
      d = s + Scale(d, 255 - a);
  } else {
    // Light adds colour; what is under keeps its alpha.
    d = (AddSaturated(d, s) & 0x00FFFFFFu) | (d & 0xFF000000u);
  }
}

// Mixes a and b by f / 256.
inline std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t f) {
  const std::uint32_t g = 256 - f;
  const std::uint32_t rb = (((a & kLanes) * g + (b & kLanes) * f) >> 8) & kLanes;
  const std::uint32_t ag = (((a >> 8) & kLanes) * g + ((b >> 8) & kLanes) * f) & ~kLanes;
  return rb | ag;
}

struct Walk {
  std::int32_t u, v, du, dv;  // texel position (16.16) at the span's first pixel, and per pixel
};

template <bool kFilter, TintKind kTint, SoftBlend kBlend>
void DrawSpan(std::uint32_t* out, int n, const SoftPixels& tex, const SoftQuad& q, Walk w, const Factors& f) {
  const std::uint32_t* base = tex.pixels + static_cast<std::ptrdiff_t>(q.sy) * tex.pitch + q.sx;
  const int maxU = q.sw - 1, maxV = q.sh - 1;
  if constexpr (kFilter) {
    if (w.dv == 0) {
      // Unturned: the two rows mixed once per texel column, which a
      // magnified picture reuses across many pixels.
      const std::int32_t v = w.v - 0x8000;
      const int y0 = std::clamp(v >> 16, 0, maxV), y1 = std::clamp((v >> 16) + 1, 0, maxV);
      const std::uint32_t fy = (v >> 8) & 255;
      const std::uint32_t* r0 = base + static_cast<std::ptrdiff_t>(y0) * tex.pitch;
      const std::uint32_t* r1 = base + static_cast<std::ptrdiff_t>(y1) * tex.pitch;
      // The first pixels of a magnified picture lie half a texel left of
      // texel 0's centre, in column -1: the mark must be a column no pixel has.
      int column = std::numeric_limits<int>::min();
      std::uint32_t left = 0, right = 0;
      for (int i = 0; i < n; ++i, w.u += w.du) {
        const std::int32_t u = w.u - 0x8000;
        const int x = u >> 16;
        if (x != column) {
          column = x;
          const int x0 = std::clamp(x, 0, maxU), x1 = std::clamp(x + 1, 0, maxU);
          left = Lerp(r0[x0], r1[x0], fy);
          right = Lerp(r0[x1], r1[x1], fy);
        }
        const std::uint32_t s = Lerp(left, right, (u >> 8) & 255);
        if (kBlend != SoftBlend::kCopy && s == 0) continue;
        Put<kBlend>(out[i], Apply<kTint>(s, f));
      }
      return;
    }
  } else {
    if (w.dv == 0) {
      // Unturned: one row of texels, and at unit scale one run of them.
      const std::uint32_t* row = base + static_cast<std::ptrdiff_t>(std::clamp(w.v >> 16, 0, maxV)) * tex.pitch;
      if (w.du == 0x10000) {
        const int x = std::clamp(w.u >> 16, 0, maxU);
        n = std::min(n, q.sw - x);
        row += x;
        for (int i = 0; i < n; ++i) {
          const std::uint32_t s = row[i];
          if (kBlend != SoftBlend::kCopy && s == 0) continue;
          Put<kBlend>(out[i], Apply<kTint>(s, f));
        }
        return;
      }
      for (int i = 0; i < n; ++i, w.u += w.du) {
        const std::uint32_t s = row[std::clamp(w.u >> 16, 0, maxU)];
        if (kBlend != SoftBlend::kCopy && s == 0) continue;
        Put<kBlend>(out[i], Apply<kTint>(s, f));
      }
      return;
    }
  }
  for (int i = 0; i < n; ++i, w.u += w.du, w.v += w.dv) {
    std::uint32_t s;
    if constexpr (kFilter) {
      const std::int32_t u = w.u - 0x8000, v = w.v - 0x8000;
      const int x0 = std::clamp(u >> 16, 0, maxU), x1 = std::clamp((u >> 16) + 1, 0, maxU);
      const int y0 = std::clamp(v >> 16, 0, maxV), y1 = std::clamp((v >> 16) + 1, 0, maxV);
      const std::uint32_t fx = (u >> 8) & 255, fy = (v >> 8) & 255;
      const std::uint32_t* r0 = base + static_cast<std::ptrdiff_t>(y0) * tex.pitch;
      const std::uint32_t* r1 = base + static_cast<std::ptrdiff_t>(y1) * tex.pitch;
      s = Lerp(Lerp(r0[x0], r0[x1], fx), Lerp(r1[x0], r1[x1], fx), fy);
    } else {
      const int x = std::clamp(w.u >> 16, 0, maxU), y = std::clamp(w.v >> 16, 0, maxV);
      s = base[static_cast<std::ptrdiff_t>(y) * tex.pitch + x];
    }
    if (kBlend != SoftBlend::kCopy && s == 0) continue;
    Put<kBlend>(out[i], Apply<kTint>(s, f));
  }
}

template <SoftBlend kBlend>
void FillSpan(std::uint32_t* out, int n, std::uint32_t colour) {
  if constexpr (kBlend == SoftBlend::kCopy) {
    std::fill_n(out, n, colour);
  } else {
    for (int i = 0; i < n; ++i) Put<kBlend>(out[i], colour);
  }
}

using FillFn = void (*)(std::uint32_t*, int, std::uint32_t);

FillFn PickFill(SoftBlend blend) {
  switch (blend) {
    case SoftBlend::kCopy: return FillSpan<SoftBlend::kCopy>;
    case SoftBlend::kBlend: return FillSpan<SoftBlend::kBlend>;
    default: return FillSpan<SoftBlend::kAdd>;
  }
}

using SpanFn = void (*)(std::uint32_t*, int, const SoftPixels&, const SoftQuad&, Walk, const Factors&);

template <bool kFilter, TintKind kTint>
SpanFn PickBlend(SoftBlend blend) {
  switch (blend) {
    case SoftBlend::kCopy: return DrawSpan<kFilter, kTint, SoftBlend::kCopy>;
    case SoftBlend::kBlend: return DrawSpan<kFilter, kTint, SoftBlend::kBlend>;
    default: return DrawSpan<kFilter, kTint, SoftBlend::kAdd>;
  }
}

template <bool kFilter>
SpanFn PickTint(TintKind tint, SoftBlend blend) {
  switch (tint) {
    case kPlain: return PickBlend<kFilter, kPlain>(blend);
    case kFade: return PickBlend<kFilter, kFade>(blend);
    default: return PickBlend<kFilter, kFull>(blend);
  }
}

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
  const double xs[4] = {q.originX, q.originX + q.uStepX * q.sw, q.originX + q.vStepX * q.sh,
                        q.originX + q.uStepX * q.sw + q.vStepX * q.sh};
  const double ys[4] = {q.originY, q.originY + q.uStepY * q.sw, q.originY + q.vStepY * q.sh,
                        q.originY + q.uStepY * q.sw + q.vStepY * q.sh};
  const double top = std::min({ys[0], ys[1], ys[2], ys[3]}), bottom = std::max({ys[0], ys[1], ys[2], ys[3]});
  const double left = std::min({xs[0], xs[1], xs[2], xs[3]}), right = std::max({xs[0], xs[1], xs[2], xs[3]});
  if (!std::isfinite(top + bottom + left + right)) return;
  const int y0 = std::max(c.y0, static_cast<int>(std::floor(std::clamp(top, -1.0, 1e7))));
  const int y1 = std::min(c.y1, static_cast<int>(std::ceil(std::clamp(bottom, -1.0, 1e7))));
  const double xLo = std::max(static_cast<double>(c.x0), std::floor(left));
  const double xHi = std::min(static_cast<double>(c.x1), std::ceil(right));
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

void SoftToRgba(std::uint32_t word, std::uint8_t* rgba) {
  const std::uint32_t a = word >> 24;
  auto un = [a](std::uint32_t c) { return static_cast<std::uint8_t>(a ? std::min(255u, (c * 255 + a / 2) / a) : 0); };
  rgba[0] = un((word >> 16) & 255);
  rgba[1] = un((word >> 8) & 255);
  rgba[2] = un(word & 255);
  rgba[3] = static_cast<std::uint8_t>(a);
}

void SoftDrawQuad(const SoftPixels& target, const SoftClip& clip, const SoftPixels& texture, const SoftQuad& quad,
                  const SoftTint& tint, SoftBlend blend) {
  if (!target.pixels || !texture.pixels || tint.a == 0) return;
  if (quad.sx < 0 || quad.sy < 0 || quad.sx + quad.sw > texture.width || quad.sy + quad.sh > texture.height) return;
  const Factors f = FactorsOf(tint);
  const SpanFn fn = quad.filtered ? PickTint<true>(KindOf(tint), blend) : PickTint<false>(KindOf(tint), blend);
  Rasterise(target, clip, quad, [&](std::uint32_t* out, int n, Walk w) { fn(out, n, texture, quad, w, f); });
}

void SoftFillQuad(const SoftPixels& target, const SoftClip& clip, const SoftQuad& quad, const SoftTint& tint,
                  SoftBlend blend) {
  if (!target.pixels || tint.a == 0) return;
  const std::uint32_t colour = FactorsOf(tint).colour;
  const FillFn fill = PickFill(blend);
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
  const FillFn fill = PickFill(blend);
  for (int y = y0; y < y1; ++y) fill(target.pixels + static_cast<std::ptrdiff_t>(y) * target.pitch + x0, x1 - x0, colour);
}

}  // namespace sorvanta
