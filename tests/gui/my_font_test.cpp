#include "gui/my_font.h"

#include <gtest/gtest.h>

#include "platform/font.h"

namespace sorvanta {
namespace {

TEST(MyFont, OnlyABareFileNameOfFont2SelectsTheSecondFace) {
  for (const char* path : {"gfx/fonts/font2.ttf", "FONT2", "x/y/FoNt2.otf", "font2.png"}) {
    EXPECT_EQ(myFontFace(path), "incbin::font2.ttf") << path;
  }
  for (const char* path : {"gfx/fonts/font.ttf", "gfx/fonts/font22.ttf", "", "font2/font.ttf", "myfont2.ttf"}) {
    EXPECT_EQ(myFontFace(path), "incbin::font.ttf") << path;
  }
}

TEST(MyFont, TheCacheMakesEachFaceAndSizeOnce) {
  auto& cache = TMyFont::listaFontow;
  const std::size_t before = cache.size();

  auto first = myLoadImageFont("gfx/fonts/font.ttf", 37);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->size(), 37);
  EXPECT_EQ(cache.size(), before + 1);
  EXPECT_EQ(cache.back()->url, "incbin::font.ttf");
  EXPECT_EQ(cache.back()->size, 37);
  // Another path served by the same face, at the same size: the same font.
  EXPECT_EQ(myLoadImageFont("gui/whatever.png", 37), first);
  EXPECT_EQ(cache.size(), before + 1);

  auto second = myLoadImageFont("gfx/fonts/font2.ttf", 37);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(cache.back()->url, "incbin::font2.ttf");
  EXPECT_EQ(myLoadImageFont("Font2", 37), second);

  // Another size is another entry, however often it is asked for.
  auto bigger = myLoadImageFont("gfx/fonts/font.ttf", 41);
  EXPECT_NE(bigger, first);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(myLoadImageFont("font.ttf", 41), bigger);
  EXPECT_EQ(cache.size(), before + 3);

  // Sizes the platform clamps are still cached under the size asked for.
  auto huge = myLoadImageFont("font.ttf", 100000);
  ASSERT_NE(huge, nullptr);
  EXPECT_EQ(huge->size(), 512);
  EXPECT_EQ(cache.back()->size, 100000);
  EXPECT_EQ(myLoadImageFont("font.ttf", 100000), huge);
  auto tiny = myLoadImageFont("font.ttf", 0);
  ASSERT_NE(tiny, nullptr);
  EXPECT_EQ(tiny->size(), 1);
  EXPECT_EQ(cache.size(), before + 5);
}

}  // namespace
}  // namespace sorvanta
