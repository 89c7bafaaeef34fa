// The span loops: a span's pixels four or eight at a time in the compiler's
// vector types (SSE2, or AVX2 where the CPU has it, on x86; NEON on ARM;
// whatever the target offers elsewhere), or one at a time, two colour lanes
// to a multiply.
#include "platform/soft_spans.h"

#if defined(__x86_64__) || defined(__i386__)
#define SORVANTA_SPANS_X86 1
#include <immintrin.h>
#elif defined(__ARM_NEON)
#include <arm_neon.h>
#endif

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <type_traits>

namespace sorvanta::soft {

namespace {

// The vectors of a loop width, in bytes.
template <int kBytes>
struct Vectors {
  typedef std::uint32_t U32 __attribute__((vector_size(kBytes)));
  typedef std::int32_t I32 __attribute__((vector_size(kBytes)));
  typedef std::uint16_t U16 __attribute__((vector_size(kBytes)));
  typedef std::uint8_t U8 __attribute__((vector_size(kBytes)));
};

// Each width gives its loops Gather, which loads the texels at kW indices,
// and AddSaturatedBytes.
//
// Four at a time, in 16-byte vectors. 32-bit x86 may lack SSE2, so there the
// block is built for it and taken only where the CPU has it.
#if defined(__i386__)
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("sse2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("sse2")
#endif
#endif
namespace wide4 {
constexpr int kW = 4;
using V = Vectors<16>;
[[gnu::always_inline]] inline V::U32 Gather(const std::uint32_t* base, V::I32 at) {
  return V::U32{base[at[0]], base[at[1]], base[at[2]], base[at[3]]};
}
[[gnu::always_inline]] inline V::U32 AddSaturatedBytes(V::U32 a, V::U32 b) {
#if defined(SORVANTA_SPANS_X86)
  return reinterpret_cast<V::U32>(_mm_adds_epu8(reinterpret_cast<__m128i>(a), reinterpret_cast<__m128i>(b)));
#elif defined(__ARM_NEON)
  return reinterpret_cast<V::U32>(vqaddq_u8(reinterpret_cast<uint8x16_t>(a), reinterpret_cast<uint8x16_t>(b)));
#else
  const V::U8 x = reinterpret_cast<V::U8>(a), sum = x + reinterpret_cast<V::U8>(b);
  return reinterpret_cast<V::U32>(sum | reinterpret_cast<V::U8>(sum < x));  // a wrapped lane is all ones
#endif
}
#include "platform/soft_spans_wide.inc"
}  // namespace wide4
#if defined(__i386__)
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

#if defined(SORVANTA_SPANS_X86)
// Eight at a time, where the CPU has AVX2. Clang takes the target per
// function; GCC for the block.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
namespace wide8 {
constexpr int kW = 8;
using V = Vectors<32>;
[[gnu::always_inline]] inline V::U32 Gather(const std::uint32_t* base, V::I32 at) {
  const __m256i texels = _mm256_i32gather_epi32(reinterpret_cast<const int*>(base), reinterpret_cast<__m256i>(at), 4);
  return reinterpret_cast<V::U32>(texels);
}
[[gnu::always_inline]] inline V::U32 AddSaturatedBytes(V::U32 a, V::U32 b) {
  return reinterpret_cast<V::U32>(_mm256_adds_epu8(reinterpret_cast<__m256i>(a), reinterpret_cast<__m256i>(b)));
}
#include "platform/soft_spans_wide.inc"
}  // namespace wide8
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

// The widest loops this CPU runs, up to pixels at a time: eight and four
// are x86's choice at run time; elsewhere four where the target has
// vectors, else one.
int WidestLoops(int pixels) {
#if defined(SORVANTA_SPANS_X86)
  __builtin_cpu_init();
  if (pixels >= 8 && __builtin_cpu_supports("avx2")) return 8;
  if (pixels >= wide4::kW && __builtin_cpu_supports("sse2")) return wide4::kW;
  return 1;
#else
  return pixels >= wide4::kW ? wide4::kW : 1;
#endif
}

// A span one pixel at a time.
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
      // No column mixed yet: -1 is a real one, left of texel 0's centre.
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

// The loops kWidth pixels at a time.
#if defined(SORVANTA_SPANS_X86)
template <int kWidth>
using Wide = std::conditional_t<kWidth == wide8::kW, wide8::Loops, wide4::Loops>;
#else
template <int kWidth>
using Wide = wide4::Loops;
#endif

// The same span kWidth pixels at a time.
template <int kWidth, bool kFilter, TintKind kTint, SoftBlend kBlend>
void DrawSpanWide(std::uint32_t* out, int n, const SoftPixels& tex, const SoftQuad& q, Walk w, const Factors& f) {
  const std::uint32_t* base = tex.pixels + static_cast<std::ptrdiff_t>(q.sy) * tex.pitch + q.sx;
  const int maxU = q.sw - 1, maxV = q.sh - 1;
  if (!kFilter && w.dv == 0 && w.du == 0x10000) {
    // As the scalar loop: one run of texels, cut at the src rectangle.
    const int x = std::clamp(w.u >> 16, 0, maxU);
    const std::uint32_t* run = base + static_cast<std::ptrdiff_t>(std::clamp(w.v >> 16, 0, maxV)) * tex.pitch + x;
    Wide<kWidth>::template Span<kRun, kTint, kBlend>(out, std::min(n, q.sw - x), run, tex.pitch, maxU, maxV, w, f);
  } else if (kFilter && w.dv == 0) {
    Wide<kWidth>::template Span<kBilinearRows, kTint, kBlend>(out, n, base, tex.pitch, maxU, maxV, w, f);
  } else {
    constexpr Fetch kFetch = kFilter ? kBilinear : kNearest;
    Wide<kWidth>::template Span<kFetch, kTint, kBlend>(out, n, base, tex.pitch, maxU, maxV, w, f);
  }
}

template <int kWidth, SoftBlend kBlend>
void FillSpan(std::uint32_t* out, int n, std::uint32_t colour) {
  if constexpr (kBlend == SoftBlend::kCopy) {
    std::fill_n(out, n, colour);
  } else if constexpr (kWidth == 1) {
    for (int i = 0; i < n; ++i) Put<kBlend>(out[i], colour);
  } else {
    Wide<kWidth>::template Fill<kBlend>(out, n, colour);
  }
}

std::atomic<int> spanWidth{WidestLoops(8)};

template <int kWidth>
FillFn PickFill(SoftBlend blend) {
  switch (blend) {
    case SoftBlend::kCopy: return FillSpan<kWidth, SoftBlend::kCopy>;
    case SoftBlend::kBlend: return FillSpan<kWidth, SoftBlend::kBlend>;
    default: return FillSpan<kWidth, SoftBlend::kAdd>;
  }
}

template <int kWidth, bool kFilter, TintKind kTint, SoftBlend kBlend>
constexpr SpanFn Span = kWidth == 1 ? DrawSpan<kFilter, kTint, kBlend> : DrawSpanWide<kWidth, kFilter, kTint, kBlend>;

template <int kWidth, bool kFilter, TintKind kTint>
SpanFn PickBlend(SoftBlend blend) {
  switch (blend) {
    case SoftBlend::kCopy: return Span<kWidth, kFilter, kTint, SoftBlend::kCopy>;
    case SoftBlend::kBlend: return Span<kWidth, kFilter, kTint, SoftBlend::kBlend>;
    default: return Span<kWidth, kFilter, kTint, SoftBlend::kAdd>;
  }
}

template <int kWidth, bool kFilter>
SpanFn PickTint(TintKind tint, SoftBlend blend) {
  switch (tint) {
    case kPlain: return PickBlend<kWidth, kFilter, kPlain>(blend);
    case kFade: return PickBlend<kWidth, kFilter, kFade>(blend);
    default: return PickBlend<kWidth, kFilter, kFull>(blend);
  }
}

template <int kWidth>
SpanFn PickSpan(bool filtered, TintKind tint, SoftBlend blend) {
  return filtered ? PickTint<kWidth, true>(tint, blend) : PickTint<kWidth, false>(tint, blend);
}

}  // namespace

FillFn PickFill(SoftBlend blend) {
  switch (spanWidth.load(std::memory_order_relaxed)) {
#if defined(SORVANTA_SPANS_X86)
    case wide8::kW: return PickFill<wide8::kW>(blend);
#endif
    case wide4::kW: return PickFill<wide4::kW>(blend);
    default: return PickFill<1>(blend);
  }
}

SpanFn PickSpan(bool filtered, TintKind tint, SoftBlend blend) {
  switch (spanWidth.load(std::memory_order_relaxed)) {
#if defined(SORVANTA_SPANS_X86)
    case wide8::kW: return PickSpan<wide8::kW>(filtered, tint, blend);
#endif
    case wide4::kW: return PickSpan<wide4::kW>(filtered, tint, blend);
    default: return PickSpan<1>(filtered, tint, blend);
  }
}

}  // namespace sorvanta::soft

namespace sorvanta {

int SetSoftSpanWidth(int pixels) {
  const int width = soft::WidestLoops(pixels);
  soft::spanWidth.store(width, std::memory_order_relaxed);
  return width;
}

}  // namespace sorvanta
