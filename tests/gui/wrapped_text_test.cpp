#include "gui/wrapped_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "gui/my_font.h"
#include "platform/font.h"
#include "platform/harness.h"
#include "platform/read_back.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

const std::string kText = "The quick brown fox jumps over the lazy dog while five wizards box quickly";

class SpecTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetImageFont(myLoadImageFont("gfx/fonts/font.ttf", 20));
    pitch = TextHeight("A") + 1;
  }
  int pitch = 0;
};

TEST_F(SpecTextTest, WrappingAndHeight) {
  const TSpecTextLayout l = layoutSpecText(kText, 10, 50, 200, "LEFT", 1);
  ASSERT_GT(l.lines, 2);
  ASSERT_EQ(l.pieces.size(), static_cast<std::size_t>(l.lines));
  EXPECT_EQ(l.height, pitch * l.lines);
  std::string rejoined;
  for (int k = 0; k < l.lines; ++k) {
    const TSpecTextPiece& p = l.pieces[k];
    EXPECT_LE(TextWidth(p.text), 200) << p.text;
    EXPECT_FLOAT_EQ(p.x, 10);
    EXPECT_FLOAT_EQ(p.y, 50 + pitch * k);
    // Each line is as full as it can be: the next line's first word did not fit.
    if (k + 1 < l.lines) {
      const std::string next = l.pieces[k + 1].text.substr(0, l.pieces[k + 1].text.find(' '));
      EXPECT_GT(TextWidth(p.text + " " + next), 200) << p.text;
    }
    rejoined += (k ? " " : "") + p.text;
  }
  EXPECT_EQ(rejoined, kText);
  EXPECT_EQ(layoutSpecText(kText, 0, 0, 200, "LEFT", 4).height, (pitch + 3) * l.lines);

  // Empty text is one empty line.
  EXPECT_EQ(layoutSpecText("", 5, 6, 100, "CENTER", 1).height, pitch);
  // A first word wider than the box: an empty line, then the word overflowing.
  TSpecTextLayout wide = layoutSpecText("Extraordinarily", 0, 0, 40, "LEFT", 1);
  ASSERT_EQ(wide.pieces.size(), 2u);
  EXPECT_EQ(wide.pieces[0].text, "");
  EXPECT_EQ(wide.height, 2 * pitch);
  // A broken line is trimmed of its blanks.
  TSpecTextLayout blanks =
      layoutSpecText("aaaa   bbbb", 0, 0, static_cast<float>(TextWidth("aaaa   ")), "LEFT", 1);
  ASSERT_EQ(blanks.pieces.size(), 2u);
  EXPECT_EQ(blanks.pieces[0].text, "aaaa");
  // Only the width breaks a line: line feeds stay inside their word.
  const TSpecTextLayout fed = layoutSpecText("one\n\ntwo three", 0, 0, 1000, "LEFT", 1);
  ASSERT_EQ(fed.lines, 1);
  EXPECT_EQ(fed.pieces[0].text, "one\n\ntwo three");
}

TEST_F(SpecTextTest, Alignments) {
  const std::string line = "Hello there";
  const int w = TextWidth(line);
  EXPECT_FLOAT_EQ(layoutSpecText(line, 100, 0, 301, "right", 1).pieces[0].x, 100.0f + 301 - w);
  const float centred = std::trunc(100.0f + 301 / 2.0f - static_cast<float>(w / 2));
  EXPECT_FLOAT_EQ(layoutSpecText(line, 100, 0, 301, " center ", 1).pieces[0].x, centred);
  EXPECT_FLOAT_EQ(layoutSpecText(line, 100, 0, 301, "middle", 1).pieces[0].x, 100);

  // JUSTIFY: every line but the last spans the box exactly; the last starts at x.
  const TSpecTextLayout l = layoutSpecText(kText, 20, 0, 230, "JUSTIFY", 1);
  ASSERT_GT(l.lines, 2);
  std::size_t lineStart = 0;
  for (std::size_t i = 1; i <= l.pieces.size(); ++i) {
    if (i < l.pieces.size() && l.pieces[i].y == l.pieces[lineStart].y) continue;
    const TSpecTextPiece& lastWord = l.pieces[i - 1];
    EXPECT_FLOAT_EQ(l.pieces[lineStart].x, 20);
    if (i == l.pieces.size()) {
      EXPECT_EQ(i - lineStart, 1u);  // drawn whole, unjustified
    } else {
      EXPECT_GT(i - lineStart, 1u);
      EXPECT_NEAR(lastWord.x + TextWidth(lastWord.text), 250, 0.01) << lastWord.text;
    }
    lineStart = i;
  }
}

TEST_F(SpecTextTest, DrawingSelectsTheFontAndKeepsInkInsideTheBox) {
  auto other = myLoadImageFont("gfx/fonts/font2.ttf", 30);
  Harness h(HarnessOptions{.width = 400, .height = 300});
  SetColor(255, 255, 255);
  const int height = drawSpecText(kText, 50, 20, 200, "CENTER", -1, other, 1);
  EXPECT_EQ(GetImageFont(), other);
  EXPECT_EQ(height, layoutSpecText(kText, 50, 20, 200, "CENTER", 1).height);
  h.Frame();
  int inkLeft = 400, inkRight = -1, inkBottom = -1;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x)
      if ((h.PixelAt(x, y) & 0xffffffu) != 0) {
        inkLeft = std::min(inkLeft, x);
        inkRight = std::max(inkRight, x);
        inkBottom = std::max(inkBottom, y);
      }
  EXPECT_GE(inkLeft, 50);
  EXPECT_LE(inkRight, 250);
  EXPECT_LE(inkBottom, 20 + height);
  EXPECT_GT(inkBottom, 20 + height / 2);
  drawSpecText("x", 0, 0, 100, "LEFT", -1, nullptr, 1);  // no font given: the current one stays
  EXPECT_EQ(GetImageFont(), other);
}

}  // namespace
}  // namespace sorvanta
