#pragma once
// Drawing on the CPU straight into a frame's pixels: textured quads mapped
// through any affine transform, tinted and faded, copied, blended or added,
// and filled rectangles. Pixels are 32-bit words with alpha, red, green and
// blue from the high byte down; texture pixels are premultiplied by their
// alpha. SDL's own software renderer scales, tints and blends a pixel at a
// time through general paths, and turns a sprite by building a new surface;
// this does the few cases the game needs in one pass each.
#include <cstdint>

namespace sorvanta {

struct SoftPixels {
  std::uint32_t* pixels = nullptr;
  int pitch = 0;  // pixels from one row to the next
  int width = 0, height = 0;
};

// The pixels a draw may touch: x0 <= x < x1, y0 <= y < y1.
struct SoftClip {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

enum class SoftBlend { kCopy, kBlend, kAdd };

// A colour and fade multiplied into what is drawn, each 0..255.
struct SoftTint {
  std::uint32_t r = 255, g = 255, b = 255, a = 255;
};

// A quad of output pixels onto which the src rectangle of a texture is
// mapped: its corner for texel (0, 0) at origin, the texture's rows running
// along uStep per texel and its columns along vStep per texel.
struct SoftQuad {
  int sx = 0, sy = 0, sw = 0, sh = 0;  // src rectangle, in texels
  double originX = 0, originY = 0;
  double uStepX = 1, uStepY = 0;
  double vStepX = 0, vStepY = 1;
  bool filtered = false;  // bilinear between texels, else the nearest
};

// Premultiplies RGBA bytes (R first) into the canvas' words.
std::uint32_t SoftFromRgba(const std::uint8_t* rgba);

// Draws the quad: each output pixel whose centre falls inside it takes the
// texel under that centre.
void SoftDrawQuad(const SoftPixels& target, const SoftClip& clip, const SoftPixels& texture, const SoftQuad& quad,
                  const SoftTint& tint, SoftBlend blend);
// Fills the pixels whose centres fall inside the quad (texels not used)
// with the tint.
void SoftFillQuad(const SoftPixels& target, const SoftClip& clip, const SoftQuad& quad, const SoftTint& tint,
                  SoftBlend blend);
// Fills the rectangle of pixels x0 <= x < x1, y0 <= y < y1 with the tint.
void SoftFillRect(const SoftPixels& target, const SoftClip& clip, int x0, int y0, int x1, int y1,
                  const SoftTint& tint, SoftBlend blend);

// The pixels the span loops take at a time, at most the given: 8 (AVX2,
// the default where the CPU has it), else 4 (SSE2), or 1. The same pixels
// come out at every width; tests and benchmarks compare them. Returns the
// width now used.
int SetSoftSpanWidth(int pixels);

}  // namespace sorvanta
