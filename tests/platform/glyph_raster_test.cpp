// Glyphs filled from their outlines cut into lines: the box and, within a
// few levels, the coverage FreeType's own rendering of the curves gives.
#include "platform/glyph_raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/incbin.h"

namespace sorvanta {
namespace {

TEST(GlyphRaster, EveryGlyphOfBothFontsIsFreeTypesOwnWithinAFewLevels) {
  FT_Library library = nullptr;
  ASSERT_EQ(FT_Init_FreeType(&library), 0);
  for (const char* name : {"font.ttf", "font2.ttf"}) {
    const std::string_view bytes = IncbinGet(name);
    FT_Face face = nullptr;
    ASSERT_EQ(FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(bytes.data()),
                                 static_cast<FT_Long>(bytes.size()), 0, &face), 0) << name;
    for (int size : {14, 28, 48, 160}) {
      FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size));
      int worst = 0;
      for (char32_t code = 33; code < 127; ++code) {
        ASSERT_EQ(FT_Load_Glyph(face, FT_Get_Char_Index(face, code), FT_LOAD_TARGET_NORMAL), 0);
        GlyphCoverage lines;
        ASSERT_TRUE(RasteriseGlyph(face->glyph, &lines)) << name << " " << size << " " << static_cast<char>(code);
        ASSERT_EQ(FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL), 0);
        const FT_Bitmap& own = face->glyph->bitmap;
        ASSERT_EQ(lines.width, static_cast<int>(own.width));
        ASSERT_EQ(lines.rows, static_cast<int>(own.rows));
        for (int y = 0; y < lines.rows; ++y)
          for (int x = 0; x < lines.width; ++x)
            worst = std::max(worst, std::abs(lines.alpha[y * lines.width + x] - own.buffer[y * own.pitch + x]));
      }
      EXPECT_LE(worst, 24) << name << " at " << size << " px";
    }
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
}

}  // namespace
}  // namespace sorvanta
