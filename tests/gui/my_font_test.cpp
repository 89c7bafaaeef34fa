#include "gui/my_font.h"

#include <gtest/gtest.h>

#include "platform/font.h"
#include "platform/read_back.h"

namespace sorvanta {
namespace {

TEST(MyFont, OnlyABareFileNameOfFont2SelectsTheSecondFace) {
  for (const char* path : {"gfx/fonts/font2.ttf", "FONT2", "x/y/FoNt2.otf"})
    EXPECT_EQ(myFontFace(path), "incbin::font2.ttf") << path;
  for (const char* path : {"gfx/fonts/font.ttf", "gfx/fonts/font22.ttf", "", "font2/font.ttf", "myfont2.ttf"})
    EXPECT_EQ(myFontFace(path), "incbin::font.ttf") << path;
}

TEST(MyFont, TheCacheMakesEachFaceAndSizeOnce) {
  auto& cache = TMyFont::listaFontow;
  const std::size_t before = cache.size();
  auto first = myLoadImageFont("gfx/fonts/font.ttf", 37);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(FontSize(first), 37);
  // Another path served by the same face, at the same size: the same font.
  EXPECT_EQ(myLoadImageFont("gui/whatever.png", 37), first);
  auto second = myLoadImageFont("gfx/fonts/font2.ttf", 37);
  EXPECT_NE(second, first);
  EXPECT_EQ(myLoadImageFont("Font2", 37), second);
  EXPECT_NE(myLoadImageFont("font.ttf", 41), first);
  EXPECT_EQ(cache.size(), before + 3);

  // Sizes from a damaged layout are clamped, yet cached under the size asked for.
  auto huge = myLoadImageFont("font.ttf", 100000);
  ASSERT_NE(huge, nullptr);
  EXPECT_EQ(FontSize(huge), 512);
  EXPECT_EQ(myLoadImageFont("font.ttf", 100000), huge);
  EXPECT_EQ(FontSize(myLoadImageFont("font.ttf", 0)), 1);
  EXPECT_EQ(cache.size(), before + 5);
}

}  // namespace
}  // namespace sorvanta
