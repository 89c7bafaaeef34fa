#include <gtest/gtest.h>

#include "puzzle/board/number.h"
#include "puzzle/puzzle_test_support.h"

namespace sorvanta {
namespace {

using test::MakePicrossLevel;

std::vector<int> Values(const std::list<std::shared_ptr<TNumber>>& clues) {
  std::vector<int> v;
  for (const auto& clue : clues) v.push_back(static_cast<int>(clue->tiles.size()));
  return v;
}

class PicrossClues : public test::PuzzleTest {};

TEST_F(PicrossClues, RunsAreListedFarthestFirstWithTheirBounds) {
  auto level = MakePicrossLevel({"##.#..###"});
  const auto& row = level->numberRows.front()->list;
  EXPECT_EQ(Values(row), (std::vector<int>{3, 1, 2}));  // read 2, 1, 3 from the left
  const auto three = row.front(), one = *std::next(row.begin()), two = row.back();
  EXPECT_EQ(three->myLim1, level->atiles.get(0, 5));
  EXPECT_EQ(three->myLim2, nullptr);
  EXPECT_EQ(one->myLim1, level->atiles.get(0, 2));
  EXPECT_EQ(one->myLim2, level->atiles.get(0, 4));
  EXPECT_EQ(two->myLim1, nullptr);
  EXPECT_EQ(two->myLim2, level->atiles.get(0, 2));
  // Column 2 has no picture cell: one 0 clue naming its column.
  auto zero = (*std::next(level->numberCols.begin(), 2))->list;
  ASSERT_EQ(zero.size(), 1u);
  EXPECT_EQ(zero.front()->myCol, 2);
  EXPECT_EQ(zero.front()->myRow, -1);
}

TEST_F(PicrossClues, ClueIsSatisfiedOnceItsRunAndBoundsAreActedOn) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> acted;  // (column, failed)
    bool satisfied;
  } cases[] = {
      {"run only", {{1, 0}, {2, 0}}, false},
      {"run and the leading bound", {{0, 0}, {1, 0}, {2, 0}}, false},
      {"run and the trailing bound", {{1, 0}, {2, 0}, {3, 0}}, false},
      {"run and both bounds", {{0, 0}, {1, 0}, {2, 0}, {3, 0}}, true},
      {"failed cells count as acted", {{0, 1}, {1, 1}, {2, 0}, {3, 1}}, true},
  };
  for (const Case& k : cases) {
    auto level = MakePicrossLevel({".##."});
    for (auto [c, failed] : k.acted) {
      level->atiles.get(0, c)->odkryte = 1;
      level->atiles.get(0, c)->zepsute = failed;
    }
    auto clue = level->numberRows.front()->list.front();
    clue->update();
    EXPECT_EQ(clue->dA == 0.0f, k.satisfied) << k.what;
  }
  // A 0 clue waits for its whole line, a row's along the row and a
  // column's down the column; clearance outside the grid is 0.
  auto level = MakePicrossLevel({"..", "#."});
  auto zero = level->numberRows.front()->list.front();
  auto zeroCol = level->numberCols.back()->list.front();
  level->atiles.get(0, 0)->odkryte = 1;
  zero->update();
  EXPECT_EQ(zero->dA, 1.0f);
  level->atiles.get(0, 1)->zepsute = 1;
  zero->update();
  zeroCol->update();
  EXPECT_EQ(zero->dA, 0.0f);
  EXPECT_EQ(zeroCol->dA, 1.0f);
  level->atiles.get(1, 1)->odkryte = 1;  // row 1 still holds an untouched cell
  zeroCol->update();
  EXPECT_EQ(zeroCol->dA, 0.0f);
  EXPECT_EQ(level->rowClear(0), 1);
  EXPECT_EQ(level->rowClear(1), 0);
  for (int outside : {-1, 2, 1000}) {
    EXPECT_EQ(level->rowClear(outside), 0);
    EXPECT_EQ(level->colClear(outside), 0);
  }
}

// 40 px cells; the Picross empty image of 85 x 93 makes one-clue margins of
// 100 (15 + 85) and 80 (15 + 93 * 0.7, truncated).
class PicrossLayout : public test::PuzzleTest {
 protected:
  std::shared_ptr<TLevel> Laid(int rows, int cols, int cell = 40) {
    test::SetCellImages(cell, cell, 85, 93);
    auto level = MakePicrossLevel(std::vector<std::string>(rows, std::string(cols, '#')));
    level->COUNT_Dims();
    level->COUNT_Position_Mesalor();
    return level;
  }
  static std::vector<int> Frame(const std::shared_ptr<TAddFrame>& f) { return {f->x, f->y, f->w, f->h}; }
};

TEST_F(PicrossLayout, TenByTenBoardNumbers) {
  auto level = Laid(10, 10);
  EXPECT_EQ(level->width, 500);
  EXPECT_EQ(level->height, 480);
  EXPECT_EQ(level->drawX, 270);
  EXPECT_EQ(level->drawY, 224);
  EXPECT_EQ(level->atiles.get(0, 4)->x, 430);
  EXPECT_EQ(level->atiles.get(0, 5)->x, 472);
  EXPECT_EQ(level->atiles.get(9, 9)->x, 632);
  EXPECT_EQ(level->atiles.get(9, 9)->y, 586);

  std::vector<std::shared_ptr<TAddFrame>> f(level->additionalFrames.begin(), level->additionalFrames.end());
  ASSERT_EQ(f.size(), 11u + 11u + 4u);
  struct Line {
    int index;
    std::vector<int> rect;
    float a;
  } lines[] = {
      {0, {248, 204, 2, 402}, 0.5f},  {1, {289, 204, 2, 402}, 0.2f},  {3, {370, 204, 2, 402}, 0.2f},
      {5, {450, 204, 2, 402}, 0.5f},  {10, {652, 204, 2, 402}, 0.5f}, {11, {250, 202, 402, 2}, 0.5f},
      {21, {250, 606, 402, 2}, 0.5f}, {22, {249, 203, 2, 2}, 0.5f},   {23, {651, 605, 2, 2}, 0.5f},
      {24, {249, 605, 2, 2}, 0.5f},   {25, {651, 203, 2, 2}, 0.5f},
  };
  for (const Line& l : lines) {
    EXPECT_EQ(Frame(f[l.index]), l.rect) << l.index;
    EXPECT_EQ(f[l.index]->a, l.a) << l.index;
  }
}

TEST_F(PicrossLayout, FortyFivePixelCellsShiftEveryLineOnePixel) {
  auto level = Laid(10, 10, 45);
  const int hw = 22;  // half a cell, truncated
  EXPECT_EQ(level->additionalFrames.front()->x, static_cast<int>(level->drawX) - hw - 2 - 1);
  EXPECT_EQ((*std::next(level->additionalFrames.begin(), 11))->y, static_cast<int>(level->drawY) - hw - 2 - 1);
}

TEST_F(PicrossLayout, OneByOneBoardHasAThickAndAThinLineEachWay) {
  auto level = Laid(1, 1);
  std::vector<float> alphas;
  for (const auto& f : level->additionalFrames) alphas.push_back(f->a);
  EXPECT_EQ(alphas, (std::vector<float>{0.5f, 0.2f, 0.5f, 0.2f, 0.5f, 0.5f, 0.5f, 0.5f}));
}

TEST_F(PicrossLayout, WinGlideStartsBesideTheCluesAndEndsGaplessAtTheCentre) {
  auto level = Laid(10, 10);
  std::vector<std::pair<int, int>> play;
  for (const auto& cell : level->atiles.all()) play.emplace_back(cell->x, cell->y);
  level->centW = 30;
  level->centH = -20;
  level->COUNT_Dif(1);
  level->COUNT_Position2(0);
  for (size_t i = 0; i < play.size(); ++i) {
    EXPECT_EQ(level->atiles.all()[i]->x, play[i].first + 1);
    EXPECT_EQ(level->atiles.all()[i]->y, play[i].second + 1);
  }
  level->COUNT_Position2(1);
  // Gapless: cells 40 apart; the grid's centre at (centre + travel + 1).
  EXPECT_EQ(level->atiles.get(0, 5)->x - level->atiles.get(0, 4)->x, 40);
  EXPECT_EQ((level->atiles.get(0, 0)->x + level->atiles.get(9, 9)->x) / 2, 420 + 30 + 1);
  EXPECT_EQ((level->atiles.get(0, 0)->y + level->atiles.get(9, 9)->y) / 2, 384 - 20 + 1);
}

}  // namespace
}  // namespace sorvanta
