#pragma once
// A glyph's coverage, from its outline with the curves cut into straight
// lines here by integer arithmetic before FreeType fills it: FreeType's own
// curve stepping gives a few pixels of some glyphs another coverage on some
// architectures (s390x), its lines none, so text looks the same everywhere.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <vector>

namespace sorvanta {

struct GlyphCoverage {
  int width = 0, rows = 0;
  std::vector<std::uint8_t> alpha;  // rows top to bottom, 0 to 255
};

// The coverage of the glyph loaded, not rendered, in slot, in the box
// FreeType's own rendering gives it (slot->bitmap_left and bitmap_top place
// it); false when there is nothing to draw.
bool RasteriseGlyph(FT_GlyphSlot slot, GlyphCoverage* out);

}  // namespace sorvanta
