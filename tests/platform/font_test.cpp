#include "platform/font.h"

#include <gtest/gtest.h>

#include <climits>

#include "draw_test_support.h"
#include "platform/harness.h"
#include "platform/read_back.h"
#include "platform/strings.h"
#include "platform/video.h"
#include "support/test_data.h"

namespace sorvanta {
namespace {

// The box of lit pixels in a window region; right < 0 when there are none.
struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1;
  bool empty() const { return right < 0; }
};

Box LitBox(const Harness& h, int x0, int y0, int x1, int y1) {
  Box box;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (testing::Red(h.PixelAt(x, y)) > 40) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x);
      }
  return box;
}

TEST(Font, TextDrawsPixelsInsideItsMeasuredBox) {
  Harness h;
  SetImageFont(LoadImageFont("incbin::font.ttf", 32, SMOOTHFONT));
  const int w = TextWidth("Hello");
  const int th = TextHeight("Hello");
  EXPECT_GT(w, 40);
  EXPECT_LT(w, 160);
  EXPECT_GE(th, 32);
  EXPECT_LE(th, 48);
  EXPECT_EQ(TextHeight(""), th);  // a line's height whatever the text
  EXPECT_NEAR(TextWidth("HelloHello"), 2 * w, 2);

  Cls();
  SetColor(255, 255, 255);
  DrawText("Hello", 100, 100);
  h.Frame();
  Box box = LitBox(h, 80, 80, 300, 200);
  ASSERT_FALSE(box.empty());
  EXPECT_GE(box.left, 100);
  EXPECT_LE(box.left, 106);
  EXPECT_GE(box.top, 100);
  EXPECT_LE(box.right, 100 + w + 1);
  EXPECT_GE(box.right, 100 + w - 8);

  // Scaled text grows from its top-left corner.
  Cls();
  SetScale(2, 2);
  DrawText("Hello", 100, 100);
  SetScale(1, 1);
  h.Frame();
  Box big = LitBox(h, 80, 80, 500, 300);
  EXPECT_NEAR(big.left - 100, 2 * (box.left - 100), 2);
  EXPECT_NEAR(big.top - 100, 2 * (box.top - 100), 2);
  EXPECT_NEAR(big.right - 100, 2 * (box.right - 100), 3);

  // The colour tints the glyphs; the origin moves them.
  Cls();
  SetColor(255, 0, 0);
  SetOrigin(50, 0);
  DrawText("Hello", 100, 100);
  SetOrigin(0, 0);
  h.Frame();
  Box moved = LitBox(h, 80, 80, 400, 200);
  EXPECT_EQ(moved.left, box.left + 50);
  for (int x = moved.left; x <= moved.right; ++x) ASSERT_LE(testing::Green(h.PixelAt(x, moved.top + 5)), 40);
}

TEST(Font, FacesUnicodeModeSwitchesAndTheDefaultFont) {
  Harness h;
  auto first = LoadImageFont("incbin::font.ttf", 20);
  SetImageFont(first);
  const int a = TextWidth("Sorvanta puzzles");
  SetImageFont(LoadImageFont(std::string(SORVANTA_SOURCE_DIR) + "/assets/gfx/fonts/font.ttf", 20));
  EXPECT_EQ(TextWidth("Sorvanta puzzles"), a);  // the same face from the file
  SetImageFont(LoadImageFont("incbin::font2.ttf", 20));
  EXPECT_NE(TextWidth("Sorvanta puzzles"), a);

  // Letters beyond ASCII measure and draw.
  SetImageFont(first);
  EXPECT_GT(TextWidth("Zażółć"), TextWidth("Za"));
  Cls();
  DrawText("żółć", 10, 10);
  h.Frame();
  EXPECT_FALSE(LitBox(h, 0, 0, 200, 60).empty());

  // Glyphs stay usable across a mode switch, also when so many are drawn at a
  // large size that they need more than one page.
  SetImageFont(LoadImageFont("incbin::font.ttf", 64));
  DrawText("ABC", 0, 0);  // pages uploaded for this renderer
  ASSERT_NE(Graphics(800, 600, 0), nullptr);
  Cls();
  SetColor(255, 255, 255);
  DrawText("ABC", 10, 10);
  h.Frame();
  EXPECT_FALSE(LitBox(h, 0, 0, 300, 100).empty());
  std::u32string codes;
  for (char32_t c = 0x100; c < 0x180; ++c) codes += c;
  for (char32_t c = 33; c < 127; ++c) codes += c;
  Cls();
  DrawText(U32ToUtf8(codes), 0, 100);
  DrawText("W", 10, 300);
  h.Frame();
  EXPECT_FALSE(LitBox(h, 0, 300, 100, 400).empty());

  SetImageFont(nullptr);  // the default font
  EXPECT_EQ(GetImageFont(), nullptr);
  EXPECT_GT(TextHeight("A"), 8);
  EXPECT_EQ(LoadImageFont("/no/such/font.ttf", 20), nullptr);
  EXPECT_EQ(LoadImageFont(test::TestData("pngsuite/basn0g01.png"), 20), nullptr);
}

TEST(Font, SizesAreKeptWithinOneTo512Pixels) {
  Harness h;
  // A layout asking for 100000 px gets a 512 px font whose glyphs still fit
  // in pages of sane size.
  auto huge = LoadImageFont("incbin::font.ttf", 100000);
  ASSERT_NE(huge, nullptr);
  EXPECT_EQ(FontSize(huge), 512);
  EXPECT_EQ(huge->height(), LoadImageFont("incbin::font.ttf", 512)->height());
  EXPECT_EQ(FontSize(LoadImageFont("incbin::font.ttf", INT_MAX)), 512);
  SetImageFont(huge);
  EXPECT_GT(TextWidth("W"), 100);
  EXPECT_LT(TextWidth("W"), 1024);
  Cls();
  SetColor(255, 255, 255);
  DrawText("W@", 0, 0);
  h.Frame();
  EXPECT_FALSE(LitBox(h, 0, 0, 400, 400).empty());
  for (int size : {0, INT_MIN}) EXPECT_EQ(FontSize(LoadImageFont("incbin::font.ttf", size)), 1) << size;
}

}  // namespace
}  // namespace sorvanta
