// The shipped cell, digit and clue images drawn headless: every digit image
// at every cell size loads, the sample levels draw their cells and clues, and
// the campaign's Picross clues read on their backgrounds. With
// SORVANTA_SHOT_DIR set, each frame is also written there as a PPM picture to
// look at.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "core/globals.h"
#include "gui/my_font.h"
#include "platform/draw_test_support.h"
#include "platform/strings.h"
#include "platform/video.h"
#include "puzzle/level_file.h"
#include "puzzle/number.h"
#include "puzzle_test_support.h"
#include "support/shot.h"
#include "support/stdout_lines.h"
#include "support/test_data.h"

namespace sorvanta {
namespace {

using test::Shot;

class RealAssetsDraw : public test::PuzzleTest {
 protected:
  void SetUp() override {
    PuzzleTest::SetUp();
    bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
    test::StdoutLines([] {
      setupTiles();
      setupColors();
    });
    const int clueSizes[] = {32, 28, 24, 16, 14}, markSizes[] = {32, 28, 24, 18, 14};
    for (int s = 0; s < 5; ++s) {
      TNumber::font[s] = myLoadImageFont(bDir + "gfx/fonts/font2.ttf", clueSizes[s]);
      TATile::font2[s] = myLoadImageFont(bDir + "gfx/fonts/font2.ttf", markSizes[s]);
    }
  }
  static void Back(const std::shared_ptr<TLevel>& level) {
    ResetDraw();
    level->loadMyBackground();
    DrawImg(level->backgroundImg, 0, 0);
  }
  static void ResetDraw(float scale = 1) {
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(scale, scale);
    SetRotation(0);
  }
  // Relative luminance of the frame's mean colour over a box.
  double Luminance(int x0, int y0, int x1, int y1) const {
    double sum[3] = {0, 0, 0};
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x, ++n) {
        const std::uint32_t p = h_.Pixel(x, y);
        for (int k = 0; k < 3; ++k) sum[k] += (p >> (16 - 8 * k)) & 0xff;
      }
    double lin[3];
    for (int k = 0; k < 3; ++k) {
      const double c = sum[k] / n / 255.0;
      lin[k] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2];
  }
  Harness h_;
};

TEST_F(RealAssetsDraw, FillCellsDigitsAndCrossesOfEveryColourAndSize) {
  for (int n = 0; n < 10; ++n)
    for (int s = 0; s < 5; ++s) {
      EXPECT_GT(ImgWidth(TColor::numbers[n][s]), 0) << n << " " << s;
      EXPECT_GT(ImgWidth(TColor::numbersBlack[n][s]), 0) << n << " " << s;
    }
  auto level = LoadLevel(test::TestData("levels/fill.lvl"));
  ASSERT_TRUE(level->hasCells());
  level->COUNT_UserPutColorNumber();  // as the play screen prepares it
  mainGame->level = level;
  mainGame->state = 1;
  // Every paint colour at every size: unpainted clue, clue on its own paint,
  // a faint clue out of focus, a cross of the focus colour.
  Back(level);
  auto sheet = test::MakeFillLevel(4, 12);
  int top = 8;
  for (int s = 0; s < 5; ++s) {
    const float w = ImgWidth(TTile::empty[s]);
    for (int k = 0; k < 12; ++k) {
      auto colour = getColorById(k + 2);
      for (int row = 0; row < 4; ++row) {
        auto cell = sheet->tile.get(row, k);
        cell->size = s;
        cell->x = 30 + k * (w + 6);
        cell->y = top + w / 2 + row * (w + 2);
        cell->number = row < 3 ? colour : nullptr;
        cell->showCount = 1;
        cell->count = (k + s) % 10;
        cell->userCount = k % 2 ? cell->count : -1;  // every other one satisfied
        cell->putColor = row == 1 ? colour : nullptr;
        cell->xList.clear();
        if (row == 3) cell->xList.push_back(colour);
        ResetDraw();
        const auto focus = row == 2 ? getColorById(1) : colour;
        cell->Draw(focus);
        cell->DrawX(focus);
      }
    }
    top += static_cast<int>(4 * (w + 2) + 6);
  }
  h_.Frame();
  Shot(h_, "fill_sheet");

  // The sample level as the board draws it: red picked, so blue paint dims.
  Back(level);
  mainGame->pickedColor = getColorById(4);
  ResetDraw(level->scale);
  for (const auto& cell : level->tile.all()) {
    cell->Draw(mainGame->pickedColor);
    cell->DrawX(mainGame->pickedColor);
  }
  h_.Frame();
  Shot(h_, "fill_level");
}

TEST_F(RealAssetsDraw, PicrossCellsMarksAndCluesAtEverySize) {
  auto level = LoadLevel(test::TestData("levels/picross.lvl"));
  ASSERT_TRUE(level->hasCells());
  mainGame->level = level;
  Back(level);
  const float centres[5][2] = {{260, 110}, {760, 110}, {260, 330}, {760, 330}, {260, 560}};
  for (int s = 0; s < 5; ++s) {
    level->size = s;
    level->centerX = centres[s][0];
    level->centerY = centres[s][1];
    level->COUNT_Numbers();
    level->COUNT_Dims();
    level->COUNT_Position_Mesalor();
    level->COUNT_Numbers();
    ResetDraw(level->scale);
    for (const auto& cell : level->atiles.all()) cell->draw();
    for (const auto& line : level->additionalFrames) {
      SetColor(0, 0, 0);
      SetAlpha(level->emptyA * line->a);
      SetBlend(ALPHABLEND);
      DrawRect(line->x, line->y, line->w, line->h);
    }
    // Hover on cell (1, 3) with its row and column band; a break preview
    // of three cells along row 0.
    auto over = level->atiles.get(1, 3);
    over->drawAsOver(0, 1);
    for (const auto& cell : level->atiles.all())
      if (cell != over && (cell->r == 1 || cell->c == 3)) cell->drawCross(1);
    SetBlend(ALPHABLEND);
    int n = 0;
    for (int c : {3, 4, 5}) level->atiles.get(0, c)->drawAsOver(++n, 0);
    int r = 0;
    for (const auto& row : level->numberRows) {
      auto first = level->atiles.get(r, 0);
      if (r++ == 1) row->drawCross(first->x, first->y);
      else row->draw(first->x, first->y);
    }
    SetBlend(ALPHABLEND);
    int c = 0;
    for (const auto& col : level->numberCols) {
      auto top = level->atiles.get(0, c);
      if (c++ == 3) col->drawCross(top->x, top->y);
      else col->draw(top->x, top->y);
    }
    SetBlend(ALPHABLEND);
  }
  h_.Frame();
  Shot(h_, "picross_sizes");
  // Row 0 of the last board (size 4) reads 2, 1: yellow ink left of the grid.
  auto first = level->atiles.get(0, 0);
  bool yellow = false;
  for (int x = first->x - 60; x < first->x - 10; ++x)
    for (int y = first->y - 8; y < first->y + 8; ++y)
      if (testing::Near(h_.Pixel(x, y), 255, 255, 0, 30)) yellow = true;
  EXPECT_TRUE(yellow);
}

// Every stage's last (largest) Picross level on its land's background: the
// yellow clues, drawn straight on the picture, keep a 3:1 luminance contrast
// against what lies under nearly all of them.
TEST_F(RealAssetsDraw, PicrossCluesReadOnEveryLandsBackground) {
  const int lastLevel[10] = {10, 10, 10, 25, 10, 25, 10, 25, 10, 25};
  for (int stage = 1; stage <= 10; ++stage) {
    char rel[64];
    std::snprintf(rel, sizeof rel, "data/levelSM/s%02d-%02d.lvl", stage, lastLevel[stage - 1]);
    auto level = LoadLevel(bDir + rel);
    ASSERT_TRUE(level->hasCells()) << rel;
    mainGame->level = level;
    level->COUNT_Numbers();
    level->COUNT_Dims();
    level->COUNT_Position_Mesalor();
    Back(level);
    h_.Frame();
    std::vector<double> under;
    int r = 0;
    for (const auto& row : level->numberRows) {
      auto first = level->atiles.get(r++, 0);
      for (int i = 1; i <= static_cast<int>(row->list.size()); ++i) {
        const int x = first->x - (i * row->w + 15), half = row->w * 3 / 10;
        under.push_back(Luminance(x - half, first->y - half, x + half, first->y + half));
      }
    }
    int c = 0;
    for (const auto& col : level->numberCols) {
      auto top = level->atiles.get(0, c++);
      for (int i = 1; i <= static_cast<int>(col->list.size()); ++i) {
        const int y = FloatToInt(top->y - (i * col->h * 0.7f + 15)), half = col->h * 3 / 10;
        under.push_back(Luminance(top->x - half, y - half, top->x + half, y + half));
      }
    }
    const double yellow = 0.2126 + 0.7152;
    int poor = 0;
    for (double l : under) poor += (yellow + 0.05) / (l + 0.05) < 3.0;
    EXPECT_LE(poor * 20, static_cast<int>(under.size())) << rel << ": " << poor << " of " << under.size();
    if (test::ShotFolder()) {
      ResetDraw(level->scale);
      for (const auto& cell : level->atiles.all()) cell->draw();
      for (r = 0; r < level->atiles.rows(); ++r) {
        auto first = level->atiles.get(r, 0);
        std::next(level->numberRows.begin(), r)->get()->draw(first->x, first->y);
      }
      for (c = 0; c < level->atiles.cols(); ++c) {
        auto top = level->atiles.get(0, c);
        std::next(level->numberCols.begin(), c)->get()->draw(top->x, top->y);
      }
      h_.Frame();
      Shot(h_, "picross_stage_" + std::to_string(stage));
    }
  }
}

}  // namespace
}  // namespace sorvanta
