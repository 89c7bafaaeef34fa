#pragma once
// The compositor's arithmetic on one pixel (tints as factors, the three
// blends, the mix of two texels), the fixed-point walk along a span and the
// box around a quad. Shared by the span loops, the rasteriser and the frame
// queue; not for other code.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/soft_canvas.h"

namespace sorvanta::soft {

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

inline Factors FactorsOf(const SoftTint& t) {
  const std::uint32_t a = std::min(t.a, 255u);
  const std::uint32_t r = Div255(std::min(t.r, 255u) * a), g = Div255(std::min(t.g, 255u) * a),
                      b = Div255(std::min(t.b, 255u) * a);
  return Factors{To256(a), To256(r), To256(g), To256(b), (a << 24) | (r << 16) | (g << 8) | b};
}

enum TintKind { kPlain, kFade, kFull };

inline TintKind KindOf(const SoftTint& t) {
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

// How a span finds its texels: a run of them at unit scale, the nearest,
// or mixed from four (an unturned quad's down each column first).
enum Fetch { kRun, kNearest, kBilinearRows, kBilinear };

// The box around a quad's corners, and the rows it may touch (before any
// clip); not finite for a quad off in no sane place.
struct QuadBox {
  double left, right;
  int y0, y1;
  bool finite;
};

inline QuadBox BoxOf(const SoftQuad& q) {
  const double xs[4] = {q.originX, q.originX + q.uStepX * q.sw, q.originX + q.vStepX * q.sh,
                        q.originX + q.uStepX * q.sw + q.vStepX * q.sh};
  const double ys[4] = {q.originY, q.originY + q.uStepY * q.sw, q.originY + q.vStepY * q.sh,
                        q.originY + q.uStepY * q.sw + q.vStepY * q.sh};
  const double top = std::min({ys[0], ys[1], ys[2], ys[3]}), bottom = std::max({ys[0], ys[1], ys[2], ys[3]});
  const double left = std::min({xs[0], xs[1], xs[2], xs[3]}), right = std::max({xs[0], xs[1], xs[2], xs[3]});
  if (!std::isfinite(top + bottom + left + right)) return QuadBox{0, 0, 0, 0, false};
  return QuadBox{left, right, static_cast<int>(std::floor(std::clamp(top, -1.0, 1e7))),
                 static_cast<int>(std::ceil(std::clamp(bottom, -1.0, 1e7))), true};
}

}  // namespace sorvanta::soft
