// Glyph coverage from an outline whose curves are cut into lines here.
#include "platform/glyph_raster.h"

#include FT_OUTLINE_H

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <type_traits>

namespace sorvanta {

namespace {

using Tag = std::remove_pointer_t<decltype(FT_Outline::tags)>;
using ContourEnd = std::remove_pointer_t<decltype(FT_Outline::contours)>;

// The outline as straight lines only.
struct Lines {
  std::vector<FT_Vector> points;
  std::vector<ContourEnd> ends;
  FT_Vector last{0, 0};
};

// n / d rounded to the nearest, halves up, for any sign of n (d > 0).
FT_Pos Rounded(long long n, long long d) {
  n += d / 2;
  return static_cast<FT_Pos>(n >= 0 ? n / d : -((-n + d - 1) / d));
}

void Add(Lines& lines, FT_Pos x, FT_Pos y) {
  lines.points.push_back(FT_Vector{x, y});
  lines.last = FT_Vector{x, y};
}

int MoveTo(const FT_Vector* to, void* user) {
  auto& lines = *static_cast<Lines*>(user);
  if (!lines.points.empty()) lines.ends.push_back(static_cast<ContourEnd>(lines.points.size() - 1));
  Add(lines, to->x, to->y);
  return 0;
}

int LineTo(const FT_Vector* to, void* user) {
  Add(*static_cast<Lines*>(user), to->x, to->y);
  return 0;
}

// Enough equal steps that no chord strays more than 1/16 pixel (4 units of
// 1/64) from the curve: a chord of a curve with second differences d over
// n steps strays at most k * d / (8 n^2), k 2 for a conic, 6 for a cubic.
long long Steps(FT_Pos d, int k) {
  long long n = 1;
  while (n < 64 && 32 * n * n < k * static_cast<long long>(d)) ++n;
  return n;
}

FT_Pos Bend(FT_Pos a, FT_Pos b, FT_Pos c) { return std::abs(a - 2 * b + c); }

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
  auto& lines = *static_cast<Lines*>(user);
  const FT_Vector p = lines.last;
  const long long n = Steps(std::max(Bend(p.x, control->x, to->x), Bend(p.y, control->y, to->y)), 2);
  for (long long i = 1; i <= n; ++i) {
    const long long t = i, s = n - i;
    auto at = [&](FT_Pos a, FT_Pos b, FT_Pos c) { return Rounded(s * s * a + 2 * s * t * b + t * t * c, n * n); };
    Add(lines, at(p.x, control->x, to->x), at(p.y, control->y, to->y));
  }
  return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
  auto& lines = *static_cast<Lines*>(user);
  const FT_Vector p = lines.last;
  const FT_Pos bend = std::max({Bend(p.x, c1->x, c2->x), Bend(c1->x, c2->x, to->x), Bend(p.y, c1->y, c2->y),
                                Bend(c1->y, c2->y, to->y)});
  const long long n = Steps(bend, 6);
  for (long long i = 1; i <= n; ++i) {
    const long long t = i, s = n - i;
    auto at = [&](FT_Pos a, FT_Pos b, FT_Pos c, FT_Pos d) {
      return Rounded(s * s * s * a + 3 * s * s * t * b + 3 * s * t * t * c + t * t * t * d, n * n * n);
    };
    Add(lines, at(p.x, c1->x, c2->x, to->x), at(p.y, c1->y, c2->y, to->y));
  }
  return 0;
}

// Glyphs that are no outline (a bitmap font's), as FreeType renders them.
bool Rendered(FT_GlyphSlot slot, GlyphCoverage* out) {
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return false;
  const FT_Bitmap& bm = slot->bitmap;
  if (bm.pixel_mode != FT_PIXEL_MODE_GRAY && bm.pixel_mode != FT_PIXEL_MODE_MONO) return false;
  out->width = static_cast<int>(bm.width);
  out->rows = static_cast<int>(bm.rows);
  out->alpha.assign(static_cast<std::size_t>(out->width) * out->rows, 0);
  for (int row = 0; row < out->rows; ++row) {
    const unsigned char* in = bm.buffer + static_cast<std::ptrdiff_t>(row) * bm.pitch;
    for (int col = 0; col < out->width; ++col)
      out->alpha[static_cast<std::size_t>(row) * out->width + col] = static_cast<std::uint8_t>(
          bm.pixel_mode == FT_PIXEL_MODE_GRAY ? in[col] * 255 / std::max(1, bm.num_grays - 1)
                                              : ((in[col >> 3] >> (7 - (col & 7))) & 1) * 255);
  }
  return out->width > 0 && out->rows > 0;
}

}  // namespace

bool RasteriseGlyph(FT_GlyphSlot slot, GlyphCoverage* out) {
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return Rendered(slot, out);
  // FT_Load_Glyph has set the box FT_Render_Glyph would fill.
  out->width = static_cast<int>(slot->bitmap.width);
  out->rows = static_cast<int>(slot->bitmap.rows);
  if (out->width <= 0 || out->rows <= 0) return false;
  Lines lines;
  const FT_Outline_Funcs steps{MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
  if (FT_Outline_Decompose(&slot->outline, &steps, &lines) != 0) return false;
  if (!lines.points.empty()) lines.ends.push_back(static_cast<ContourEnd>(lines.points.size() - 1));
  if (lines.points.size() > static_cast<std::size_t>(std::numeric_limits<decltype(FT_Outline::n_points)>::max()))
    return Rendered(slot, out);
  std::vector<Tag> tags(lines.points.size(), FT_CURVE_TAG_ON);
  FT_Outline outline{};
  outline.n_points = static_cast<decltype(outline.n_points)>(lines.points.size());
  outline.n_contours = static_cast<decltype(outline.n_contours)>(lines.ends.size());
  outline.points = lines.points.data();
  outline.tags = tags.data();
  outline.contours = lines.ends.data();
  outline.flags = slot->outline.flags & ~FT_OUTLINE_OWNER;
  FT_Outline_Translate(&outline, -64 * static_cast<FT_Pos>(slot->bitmap_left),
                       -64 * static_cast<FT_Pos>(slot->bitmap_top - out->rows));
  out->alpha.assign(static_cast<std::size_t>(out->width) * out->rows, 0);
  FT_Bitmap target{};
  target.width = static_cast<unsigned>(out->width);
  target.rows = static_cast<unsigned>(out->rows);
  target.pitch = out->width;
  target.buffer = out->alpha.data();
  target.num_grays = 256;
  target.pixel_mode = FT_PIXEL_MODE_GRAY;
  return FT_Outline_Get_Bitmap(slot->library, &outline, &target) == 0;
}

}  // namespace sorvanta
