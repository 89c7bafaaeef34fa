// Headless pixel probes of the cells' drawing: Fill cells and their clue
// digits, Picross cells and their marks, and the drawing state each leaves.
#include <gtest/gtest.h>

#include <vector>

#include "core/globals.h"
#include "platform/draw_test_support.h"
#include "platform/input.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "puzzle/board/cell_draw_support.h"
#include "puzzle/puzzle_test_support.h"

namespace sorvanta {
namespace {

using testing::ExpectPixels;

std::shared_ptr<TImage> Solid(int w, int h, std::uint32_t argb, bool centred = true) {
  auto image = testing::SplitImage(w, h, argb, argb);
  if (centred) MidHandleImage(image);
  return image;
}

std::shared_ptr<TImg> SolidImg(int w, int h, std::uint32_t argb, bool centred = true) {
  auto img = std::make_shared<TImg>();
  img->image = Solid(w, h, argb, false);
  img->w = w;
  img->h = h;
  if (centred) MidHandleImg(img);
  return img;
}

class CellDraw : public test::PuzzleTest {
 protected:
  void SetUp() override {
    PuzzleTest::SetUp();
    // Digits 4 x 20 (the dot then lies right of them), dots 4 x 4.
    for (int n = 0; n < 10; ++n) {
      TColor::numbers[n][1] = SolidImg(4, 20, 0xffffffff);
      TColor::numbersBlack[n][1] = SolidImg(4, 20, 0xff00ff00);
    }
    TColor::pointImg[1] = SolidImg(4, 4, 0xffffffff, false);
    TColor::pointImgBlack[1] = SolidImg(4, 4, 0xff0000ff, false);
    TColor::xImg[1] = SolidImg(6, 6, 0xffff00ff);
    TTile::empty[1] = SolidImg(20, 20, 0xff646464);
    Color(2)->rr = 255;  // red digits
    for (int kind = 0; kind < 2; ++kind) Color(3)->img[kind][1] = SolidImg(16, 16, kind ? 0xffffff00 : 0xff0000ff);
    Color(7)->rr = Color(7)->gg = Color(7)->bb = 200;
  }
  Harness h_;
};

TEST_F(CellDraw, ClueDigitTintFocusDotAndBlackOverride) {
  struct Case {
    const char* what;
    int clue, paint;  // colour ids; 0 none
    int n;
    bool focus, satisfied;
    float alpha;
    std::uint32_t digit, dot;  // at the centre, and right of the digit
  } cases[] = {
      {"in focus, satisfied", 2, 0, 3, true, true, 1, 0xff0000, 0xff0000},
      {"out of focus", 2, 0, 3, false, true, 1, 0x4c0000, 0x4c0000},
      {"unsatisfied: no dot", 2, 0, 3, true, false, 1, 0xff0000, 0},
      {"black on black paint", 7, 7, 5, true, true, 1, 0x00ff00, 0x0000ff},
      {"black on other paint", 7, 3, 5, true, true, 1, 0xc8c8c8, 0xc8c8c8},
      {"alpha 0", 2, 0, 3, true, true, 0, 0, 0},
      {"damaged value 10", 2, 0, 10, true, true, 1, 0, 0},
      {"damaged value -1", 2, 0, -1, true, true, 1, 0, 0},
  };
  for (const Case& k : cases) {
    Cls();
    TTile cell;
    cell.number = Color(k.clue);
    if (k.paint) cell.putColor = Color(k.paint);
    cell.count = k.n;
    cell.userCount = k.satisfied ? k.n : k.n + 1;
    SetColor(1, 2, 3);
    SetAlpha(0.5f);
    Color(k.clue)->drawNumber(100.7f, 100.7f, k.n, 1, &cell, k.focus ? Color(k.clue) : Color(9), k.alpha, 1);
    int r, g, b;
    GetColor(r, g, b);
    const bool drew = k.digit != 0;
    EXPECT_EQ(r, drew ? 255 : 1) << k.what;  // white and alpha 1 after a digit; untouched otherwise
    EXPECT_EQ(GetAlpha(), drew ? 1.0f : 0.5f) << k.what;
    h_.Frame();
    SCOPED_TRACE(k.what);
    // The dot's corner: (100 + 0.26 * 4, 100.7 - 0.4 * 20) truncated = (101, 92).
    ExpectPixels(h_, {{100, 105, k.digit}, {104, 93, k.dot}, {104, 96, 0}}, 3);
  }
}

TEST_F(CellDraw, FillCellPaintCrossesAndFocus) {
  auto level = test::MakeFillLevel(1, 1);
  auto cell = level->tile.get(0, 0);
  cell->size = 1;
  cell->x = 100;
  cell->y = 100;
  const std::uint32_t grey = 0x646464, blue = 0x0000ff, halfBlue = 0x3232b1, cross = 0xff00ff;
  struct Case {
    const char* what;
    int paint, picked, last, state, crossed, isZero, style;
    std::uint32_t centre, edge;  // edge: outside the cross, inside the paint
  } cases[] = {
      {"picked paint", 3, 3, 0, 1, 0, 0, 0, blue, blue},
      {"out of focus while played", 3, 2, 2, 1, 0, 0, 0, halfBlue, halfBlue},
      {"out of focus at the win", 3, 2, 2, 2, 0, 0, 0, blue, blue},
      {"cross entry keeps the last colour", 3, 1, 3, 0, 0, 0, 0, blue, blue},
      {"second picture style", 3, 3, 0, 1, 0, 0, 1, 0xffff00, 0xffff00},
      {"cross of the focus colour", 0, 2, 2, 1, 2, 0, 0, cross, grey},
      {"cross of another colour hidden", 0, 2, 2, 1, 4, 0, 0, grey, grey},
      {"cross entry: focus is the last colour", 0, 1, 4, 1, 4, 0, 0, cross, grey},
      {"zero block", 0, 2, 2, 1, 0, 1, 0, cross, grey},
  };
  for (const Case& k : cases) {
    Cls();
    cell->putColor = k.paint ? Color(k.paint) : nullptr;
    cell->xList.clear();
    if (k.crossed) cell->xList.push_back(Color(k.crossed));
    cell->isZero = k.isZero;
    mainGame->pickedColor = Color(k.picked);
    mainGame->lastColor = k.last ? Color(k.last) : nullptr;
    mainGame->state = k.state;
    BindPictureStyle([&] { return k.style; });
    const auto focus = k.picked >= 2 ? mainGame->pickedColor : mainGame->lastColor;
    SetBlend(ALPHABLEND);
    cell->Draw(focus);
    cell->DrawX(focus);
    h_.Frame();
    SCOPED_TRACE(k.what);
    ExpectPixels(h_, {{100, 100, k.centre}, {106, 106, k.edge}, {109, 109, grey}, {111, 100, 0}}, 3);
  }
}

TEST_F(CellDraw, ShowMeFlashPulsesTheDigitAndTurnsItsSparks) {
  auto level = test::MakeFillLevel(1, 1);
  auto cell = level->tile.get(0, 0);
  cell->size = 1;
  cell->x = cell->y = 100;
  cell->number = Color(8);
  Color(8)->rr = 100;
  cell->showCount = 1;
  cell->count = 4;
  cell->userCount = 0;  // no dot
  struct Case {
    float flash;
    std::uint32_t digit;
  } cases[] = {{0, 0x640000}, {0.25f, 0xc80000}, {0.5f, 0x640000}, {1.25f, 0xc80000}};
  delta = 1;
  for (const Case& k : cases) {
    Cls();
    cell->showMeAlpha = k.flash;
    cell->timePartRot = 10;
    SetBlend(ALPHABLEND);
    cell->Draw(Color(8));
    EXPECT_EQ(cell->timePartRot, k.flash ? 15 : 10) << k.flash;
    EXPECT_EQ(GetBlend(), ALPHABLEND) << k.flash;
    h_.Frame();
    ExpectPixels(h_, {{100, 100, k.digit}}, 3);
  }
}

TEST_F(CellDraw, WrongPaintBlinkMarksAndLeavesAlphaBlending) {
  auto level = test::MakeFillLevel(1, 1);
  auto cell = level->tile.get(0, 0);
  cell->size = 1;
  cell->x = cell->y = 100;
  struct Case {
    int paint;
    std::uint32_t base, want;
  } cases[] = {
      {6, 0xffffff, 0x808080},  // white paint: a dark mark
      {3, 0x0000ff, 0x8080ff},  // any other: a light one
      {0, 0x0000ff, 0x0000ff},  // unpainted: nothing
  };
  for (const Case& k : cases) {
    Cls();
    cell->putColor = k.paint ? Color(k.paint) : nullptr;
    SetColor((k.base >> 16) & 0xff, (k.base >> 8) & 0xff, k.base & 0xff);
    DrawRect(80, 80, 40, 40);
    SetBlend(ALPHABLEND);
    cell->drawLightUp(1);
    EXPECT_EQ(GetBlend(), ALPHABLEND);
    EXPECT_EQ(GetAlpha(), 1.0f);
    h_.Frame();
    ExpectPixels(h_, {{100, 100, k.want}, {115, 100, k.base}}, 3);
  }
}

TEST_F(CellDraw, PicrossCellFacesMarksAndSolutionKey) {
  auto level = test::MakePicrossLevel({"#."});
  auto piece = getTileDataById(7);
  for (int s = 0; s < 5; ++s) {
    TATile::empty[s] = Solid(20, 20, 0xff646464);
    TATile::xImg[s] = Solid(20, 20, 0xffffffff);
    piece->img[s] = Solid(20, 20, 0xffff8000);
  }
  const std::uint32_t grey = 0x646464, orange = 0xff8000;
  enum Mark { kNone, kDark, kLight, kBand, kSolution, kGlow, kShade };
  struct Case {
    const char* what;
    bool picture;
    int acted;
    Mark mark;
    std::uint32_t want;
  } cases[] = {
      {"covered", true, 0, kNone, grey},
      {"uncovered picture", true, 1, kNone, orange},
      {"acted empty cell: nothing", false, 1, kNone, 0},
      {"break preview", false, 0, kDark, 0x464646},
      {"uncover preview", false, 0, kLight, 0xb0b0b0},
      {"no preview on an acted cell", true, 1, kLight, orange},
      {"row band", true, 0, kBand, 0x7d7d7d},
      {"solution key", true, 0, kSolution, orange},
      {"tutorial glow at its peak", true, 0, kGlow, 0x3cbcbc},
      {"row demonstration shade", false, 0, kShade, 0x323232},
  };
  for (const Case& k : cases) {
    auto cell = level->atiles.get(0, k.picture ? 0 : 1);
    cell->x = cell->y = 100;
    cell->size = 1;
    cell->odkryte = k.acted;
    cheatsOn = k.mark == kSolution ? 1 : 0;
    cell->lightUPa = k.mark == kGlow ? 1.0f : 0.0f;
    TATile::lightAnim = 1;
    if (k.mark == kSolution) h_.PressKey(KEY_A + 3);
    h_.Frame();  // delivers the key
    Cls();
    SetBlend(ALPHABLEND);  // as the board sets it
    cell->draw();
    if (k.mark == kDark || k.mark == kLight) {
      cell->drawAsOver(0, k.mark == kLight ? 1 : 0);
      EXPECT_EQ(GetBlend(), ALPHABLEND) << k.what;
      EXPECT_EQ(GetAlpha(), 1.0f) << k.what;
    }
    if (k.mark == kBand) cell->drawCross(1);
    if (k.mark == kShade) cell->drawPosibility();
    if (k.mark == kSolution) h_.ReleaseKey(KEY_A + 3);
    h_.Frame();
    SCOPED_TRACE(k.what);
    ExpectPixels(h_, {{100, 100, k.want}, {111, 100, 0}}, 3);
  }
}

}  // namespace
}  // namespace sorvanta

namespace sorvanta {
namespace {

TEST(PicrossGlowPulse, RisesInTwentyFramesThenFalls) {
  delta = 1;
  TATile::lightAnim = TATile::dLightAnim = 0;
  TATile::updateTileAnim();  // at its target: the target flips
  std::vector<float> seen;
  for (int frame = 0; frame < 41; ++frame) {
    TATile::updateTileAnim();
    seen.push_back(TATile::lightAnim);
  }
  EXPECT_NEAR(seen[9], 0.5f, 1e-4);
  EXPECT_NEAR(seen[19], 1.0f, 1e-4);
  EXPECT_NEAR(seen[29], 0.5f, 1e-4);
  EXPECT_NEAR(seen[39], 0.0f, 1e-4);
}

}  // namespace
}  // namespace sorvanta
