// The shipped cell, digit and clue images drawn headless: every digit image
// at every cell size loads, the sample levels draw their cells and clues, and
// the campaign's Picross clues read on their backgrounds. With
// SORVANTA_SHOT_DIR set, each frame is also written there as a PPM picture to
// look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "core/globals.h"
#include "gui/my_font.h"
#include "platform/draw_test_support.h"
#include "platform/strings.h"
#include "platform/video.h"
#include "puzzle/board/level_file.h"
#include "puzzle/board/number.h"
#include "puzzle/puzzle_test_support.h"
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
    test::LoadBoardArt();
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
  // The frame's mean colour over a box, in linear light per channel.
  std::array<double, 3> Light(int x0, int y0, int x1, int y1) const {
    double sum[3] = {0, 0, 0};
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x, ++n) {
        const std::uint32_t p = h_.Pixel(x, y);
        for (int k = 0; k < 3; ++k) sum[k] += (p >> (16 - 8 * k)) & 0xff;
      }
    std::array<double, 3> lin;
    for (int k = 0; k < 3; ++k) {
      const double c = sum[k] / n / 255.0;
      lin[k] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return lin;
  }
  // Relative luminance of the frame's mean colour over a box.
  double Luminance(int x0, int y0, int x1, int y1) const {
    const auto lin = Light(x0, y0, x1, y1);
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
// against what lies under nearly all of them; and a broken cell (the
// window's centre at half alpha over the picture) keeps 1.55:1 from a covered
// cell shaded by a tutorial demonstration in the light of at least one
// primary, so the two are not confused (the back is a blue as far from the
// shade as from black pieces; tools/check_assets measures their colours).
TEST_F(RealAssetsDraw, PicrossCluesReadOnEveryLandsBackground) {
  const int lastLevel[10] = {10, 10, 10, 25, 10, 25, 10, 25, 10, 25};
  auto centre = LoadImage(bDir + "gfx/gui/game/frame/okno_s.png");
  ASSERT_GT(ImageWidth(centre), 0);
  double apart = 1e9;
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
        const int x = FloatToInt(row->clueX(i, first->x)), half = row->w * 3 / 10;
        under.push_back(Luminance(x - half, first->y - half, x + half, first->y + half));
      }
    }
    int c = 0;
    for (const auto& col : level->numberCols) {
      auto top = level->atiles.get(0, c++);
      for (int i = 1; i <= static_cast<int>(col->list.size()); ++i) {
        const int y = FloatToInt(col->clueY(i, top->y)), half = col->h * 3 / 10;
        under.push_back(Luminance(top->x - half, y - half, top->x + half, y + half));
      }
    }
    const double yellow = 0.2126 + 0.7152;
    int poor = 0;
    for (double l : under) poor += (yellow + 0.05) / (l + 0.05) < 3.0;
    EXPECT_LE(poor * 20, static_cast<int>(under.size())) << rel << ": " << poor << " of " << under.size();
    {
      auto shaded = level->atiles.get(0, 0), broken = level->atiles.get(0, 1);
      const int w = FloatToInt(level->tileW);
      ResetDraw();
      SetAlpha(0.5f);
      SetScale(3.0f * w / ImageWidth(centre), 2.0f * w / ImageHeight(centre));
      DrawImage(centre, static_cast<float>(shaded->x - w), static_cast<float>(shaded->y - w));
      ResetDraw(level->scale);
      shaded->odkryte = 0;
      shaded->draw();
      shaded->drawPosibility();
      h_.Frame();
      const int q = w / 4;
      const auto ls = Light(shaded->x - q, shaded->y - q, shaded->x + q, shaded->y + q);
      const auto lb = Light(broken->x - q, broken->y - q, broken->x + q, broken->y + q);
      double ratio = 1;
      for (int k = 0; k < 3; ++k)
        ratio = std::max(ratio, (std::max(ls[k], lb[k]) + 0.05) / (std::min(ls[k], lb[k]) + 0.05));
      std::printf("land %d: a shaded cell and a broken cell %.2f:1 apart\n", stage, ratio);
      apart = std::min(apart, ratio);
    }
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
  EXPECT_GE(apart, 1.55);
}


// Where one clue lies, drawn alone near (cx, cy) on mid grey: the box of its
// yellow face, the box of all its ink (face and shadow), the widest run of
// face-free columns inside its face box (the gap between its digits), and
// its value.
struct ClueInk {
  int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
  int ix0 = 1 << 20, iy0 = 1 << 20, ix1 = -1, iy1 = -1;
  int inner = 0;
  int value = 0;
};

// Every shipped Picross level, its clues placed and drawn by the game: the
// digits of the smallest cells are at least 11 px tall; neighbouring clues
// keep clear space between all their ink, shadows included: 3 px side by
// side when both have two digits, and three times the gap between the
// digits inside either; 2 px one above the other always (the
// smallest cells' column clues stand 18.2 px apart); on every
// board every clue's face keeps 4.5:1 against the mean of the background
// under it. Prints each figure.
TEST_F(RealAssetsDraw, PicrossCluesStandTallApartAndClearOfTheirBackground) {
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(bDir + "data/levelSM"))
    if (e.path().extension() == ".lvl") files.push_back(e.path().string());
  std::sort(files.begin(), files.end());
  int smallest = 0;
  std::vector<std::shared_ptr<TLevel>> levels;
  test::StdoutLines([&] {
    for (const auto& f : files) levels.push_back(LoadLevel(f));
  });
  for (const auto& level : levels) smallest = std::max(smallest, level->size);
  struct Worst {
    double value;
    std::string where;
  } height{1e9, ""}, across{1e9, ""}, apart{1e9, ""}, down{1e9, ""}, contrast{1e9, ""};
  auto note = [](Worst& w, double v, const std::string& where) {
    if (v < w.value) w = {v, where};
  };
  for (std::size_t k = 0; k < levels.size(); ++k) {
    auto level = levels[k];
    const std::string name = std::filesystem::path(files[k]).stem().string();
    mainGame->level = level;
    level->COUNT_Numbers();
    level->COUNT_Dims();
    level->COUNT_Position_Mesalor();
    const int pitch = FloatToInt(level->tileW);
    // ink[line][slot], rows first, then columns; each found with only
    // every other line's clue of that slot drawn, every other row's beside
    // every other column's: a row's clues stand left of the board, a
    // column's above it, so the two in one frame never share a clue's box.
    std::vector<std::vector<ClueInk>> ink;
    for (const auto& row : level->numberRows) (void)row, ink.emplace_back();
    for (const auto& col : level->numberCols) (void)col, ink.emplace_back();
    auto measure = [&](std::size_t slot, int parity) {
      SetClsColor(128, 128, 128);
      Cls();
      ResetDraw();
      std::vector<std::tuple<std::size_t, float, float, int>> drawn;
      std::size_t line = 0;
      auto place = [&](const std::list<std::shared_ptr<TNumber>>& list, float x, float y, std::size_t at, bool row) {
        if (list.size() < slot || static_cast<int>(at % 2) != (row ? parity : 1 - parity)) return;
        auto clue = *std::next(list.begin(), static_cast<long>(slot - 1));
        clue->draw(x, y);
        drawn.emplace_back(row ? at : at + level->numberRows.size(), x, y, static_cast<int>(clue->tiles.size()));
      };
      for (const auto& row : level->numberRows) {
        auto cell = level->atiles.get(static_cast<int>(line), 0);
        place(row->list, row->clueX(static_cast<int>(slot), cell->x), static_cast<float>(cell->y), line, true);
        ++line;
      }
      line = 0;
      for (const auto& col : level->numberCols) {
        auto cell = level->atiles.get(0, static_cast<int>(line));
        place(col->list, static_cast<float>(cell->x), col->clueY(static_cast<int>(slot), cell->y), line, false);
        ++line;
      }
      h_.Frame();
      for (const auto& [at, cx, cy, value] : drawn) {
        ClueInk box;
        box.value = value;
        std::vector<char> face(2 * pitch);
        for (int y = FloatToInt(cy) - pitch + 1; y < FloatToInt(cy) + pitch; ++y)
          for (int x = FloatToInt(cx) - pitch + 1; x < FloatToInt(cx) + pitch; ++x)
            if (x >= 0 && y >= 0 && x < 1024 && y < 768 && !testing::Near(h_.Pixel(x, y), 128, 128, 128, 24)) {
              box.ix0 = std::min(box.ix0, x), box.ix1 = std::max(box.ix1, x);
              box.iy0 = std::min(box.iy0, y), box.iy1 = std::max(box.iy1, y);
              if (testing::Near(h_.Pixel(x, y), 255, 255, 0, 64)) {
                box.x0 = std::min(box.x0, x), box.x1 = std::max(box.x1, x);
                box.y0 = std::min(box.y0, y), box.y1 = std::max(box.y1, y);
                face[x - FloatToInt(cx) + pitch] = 1;
              }
            }
        for (int x = box.x0, run = 0; x <= box.x1; ++x)
          run = face[x - FloatToInt(cx) + pitch] ? 0 : run + 1, box.inner = std::max(box.inner, run);
        if (ink[at].size() < slot) ink[at].resize(slot);
        ink[at][slot - 1] = box;
      }
    };
    std::size_t slots = 0;
    for (const auto& row : level->numberRows) slots = std::max(slots, row->list.size());
    for (const auto& col : level->numberCols) slots = std::max(slots, col->list.size());
    for (std::size_t slot = 1; slot <= slots; ++slot)
      for (int parity = 0; parity < 2; ++parity) measure(slot, parity);
    const std::size_t rows = level->numberRows.size();
    auto at = [&](std::size_t line, std::size_t slot) -> const ClueInk* {
      return line < ink.size() && slot < ink[line].size() && ink[line][slot].x1 >= 0 ? &ink[line][slot] : nullptr;
    };
    for (std::size_t line = 0; line < ink.size(); ++line)
      for (std::size_t slot = 0; slot < ink[line].size(); ++slot) {
        const ClueInk* a = at(line, slot);
        if (!a) continue;
        const std::string where = name + " (size " + std::to_string(level->size) + ")" + (line < rows ? " row " + std::to_string(line) : " column " + std::to_string(line - rows));
        if (level->size == smallest) note(height, a->y1 - a->y0 + 1, where);
        const bool isRow = line < rows;
        // the next clue outward in the same line, and the same slot of the next line
        const ClueInk* out = at(line, slot + 1);
        const ClueInk* next = (line + 1 == rows) ? nullptr : at(line + 1, slot);
        // two-digit neighbours side by side: their clear space, and that
        // over the gap inside either number
        auto beside = [&](const ClueInk& left, const ClueInk& right) {
          if (left.value < 10 || right.value < 10) return;
          const int gap = right.ix0 - left.ix1 - 1;
          note(across, gap, where);
          note(apart, static_cast<double>(gap) / std::max({left.inner, right.inner, 1}), where);
        };
        if (out && isRow) beside(*out, *a);
        if (out && !isRow) note(down, a->iy0 - out->iy1 - 1, where);
        if (next && isRow) note(down, next->iy0 - a->iy1 - 1, where);
        if (next && !isRow) beside(*a, *next);
      }
    Back(level);
    h_.Frame();
    for (const auto& line : ink)
      for (const auto& box : line)
        if (box.x1 >= 0)
          note(contrast, (0.2126 + 0.7152 + 0.05) / (Luminance(box.x0, box.y0, box.x1, box.y1) + 0.05), name + " at " + std::to_string(box.x0) + ", " + std::to_string(box.y0));
  }
  std::printf("Picross clue digits of the smallest cells (size %d): %.0f px tall at least (%s)\n", smallest,
              height.value, height.where.c_str());
  std::printf("neighbouring two-digit clues side by side: %.0f px of clear space at least (%s)\n", across.value,
              across.where.c_str());
  std::printf("that space over the gap between the digits of either: %.1f times at least (%s)\n", apart.value,
              apart.where.c_str());
  std::printf("neighbouring clues one above the other: %.0f px of clear space at least (%s)\n", down.value, down.where.c_str());
  std::printf("clues against their background: %.2f:1 at least (%s)\n", contrast.value,
              contrast.where.c_str());
  EXPECT_GE(height.value, 11) << height.where;
  EXPECT_GE(across.value, 3) << across.where;
  EXPECT_GE(apart.value, 3) << apart.where;
  EXPECT_GE(down.value, 2) << down.where;
  EXPECT_GE(contrast.value, 4.5) << contrast.where;
}

}  // namespace
}  // namespace sorvanta
