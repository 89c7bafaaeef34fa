// Headless pixel probes of the Picross clue lists and of the hint icons.
#include <gtest/gtest.h>

#include <climits>

#include "gui/my_font.h"
#include "platform/draw_test_support.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/number.h"
#include "puzzle/puzzle_test_support.h"

namespace sorvanta {
namespace {

struct Box {
  int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
  bool empty() const { return x0 > x1; }
  int cx() const { return (x0 + x1) / 2; }
};

// The pixels of the last frame inside (x, y, w, h) that match.
template <class Match>
Box Find(const Harness& h, int x, int y, int w, int hgt, Match match) {
  Box box;
  for (int py = y; py < y + hgt; ++py)
    for (int px = x; px < x + w; ++px)
      if (match(h.PixelAt(px, py))) {
        box.x0 = std::min(box.x0, px), box.x1 = std::max(box.x1, px);
        box.y0 = std::min(box.y0, py), box.y1 = std::max(box.y1, py);
      }
  return box;
}

bool Yellow(std::uint32_t p) { return testing::Near(p, 255, 255, 0, 40); }
bool Red(std::uint32_t p) { return testing::Near(p, 255, 0, 0, 40); }
bool Dark(std::uint32_t p) { return testing::Red(p) < 60; }  // the shadow on grey

class ClueDraw : public test::PuzzleTest {
 protected:
  void SetUp() override {
    PuzzleTest::SetUp();
    TNumber::font[1] = myLoadImageFont("gfx/fonts/font2.ttf", 28);
    SetClsColor(100, 100, 100);
  }
  Harness h_;
};

TEST_F(ClueDraw, RowAndColumnListsStandLeftAndAboveTheirFirstCell) {
  // Row 0 reads 2, 1, 3; column 0 is one run of 2 over an empty cell.
  auto level = test::MakePicrossLevel({"##.#..###", "#........"});
  auto row = level->numberRows.front();
  row->w = 40;
  auto col = level->numberCols.front();
  col->h = 40;
  for (auto& clue : row->list) clue->size = 1;
  for (auto& clue : col->list) clue->size = 1;
  struct Case {
    const char* what;
    bool cross;
    bool (*face)(std::uint32_t);
  } cases[] = {{"normal: yellow", false, Yellow}, {"hovered line: red, alpha blending", true, Red}};
  for (const Case& k : cases) {
    Cls();
    SetBlend(LIGHTBLEND);
    if (k.cross) {
      row->drawCross(500, 400);
      EXPECT_EQ(GetBlend(), ALPHABLEND) << k.what;
      col->drawCross(700, 400);
    } else {
      SetBlend(ALPHABLEND);
      row->draw(500, 400);
      col->draw(700, 400);
    }
    h_.Frame();
    SCOPED_TRACE(k.what);
    // Row clues 3, 1, 2 (rightmost first) at x = 500 - (i * 40 + 15).
    for (int x : {445, 405, 365}) {
      const Box face = Find(h_, x - 18, 380, 36, 40, k.face);
      ASSERT_FALSE(face.empty()) << x;
      EXPECT_NEAR(face.cx(), x, 3) << x;
      EXPECT_FALSE(Find(h_, x - 18, 380, 36, 40, Dark).empty()) << "shadow at " << x;
    }
    // The column's one clue at y = 400 - (40 * 0.7 + 15) = 357.
    const Box face = Find(h_, 680, 330, 40, 54, k.face);
    ASSERT_FALSE(face.empty());
    EXPECT_NEAR((face.y0 + face.y1) / 2, 357, 4);
  }
  // A satisfied clue, faded out: a faint face and no shadow.
  for (auto& clue : row->list) clue->a = 0;
  Cls();
  row->draw(500, 400);
  h_.Frame();
  EXPECT_TRUE(Find(h_, 427, 380, 36, 40, Dark).empty());
  EXPECT_TRUE(Find(h_, 427, 380, 36, 40, Yellow).empty());
  EXPECT_FALSE(Find(h_, 427, 380, 36, 40, [](std::uint32_t p) { return testing::Red(p) > 125; }).empty());
}

TEST_F(ClueDraw, HintIconGlowFadeAndGauge) {
  THint::img[0] = testing::SplitImage(20, 20, 0xff008000, 0xff008000);  // charged: green
  THint::img[1] = testing::SplitImage(20, 20, 0xffff0000, 0xffff0000);  // used: red
  MidHandleImage(THint::img[0]);
  MidHandleImage(THint::img[1]);
  struct Case {
    const char* what;
    int t;
    bool over;
    float a, load;
    std::uint32_t top, bottom;  // at y 92 and 105
  } cases[] = {
      {"charged", 0, false, 0, 0, 0x008000, 0x008000},
      {"charged under the mouse glows", 0, true, 0, 0, 0x00a600, 0x00a600},
      {"used under the mouse: no glow", 1, true, 0, 0, 0xff0000, 0xff0000},
      {"just used: the charge fades", 1, false, 0.5f, 0, 0x804000, 0x804000},
      {"three quarters charged", 1, false, 0, 0.75f, 0xff0000, 0x008000},
  };
  for (const Case& k : cases) {
    auto hint = std::make_shared<THint>();
    hint->x = hint->y = 100;
    hint->t = k.t;
    hint->a = k.a;
    hint->myLoad = k.load;
    mainGame->overHint = k.over ? hint : nullptr;
    Cls();
    SetAlpha(1);
    hint->Draw();
    h_.Frame();
    SCOPED_TRACE(k.what);
    testing::ExpectPixels(h_, {{100, 92, k.top}, {100, 105, k.bottom}}, 3);
  }
}

}  // namespace
}  // namespace sorvanta
