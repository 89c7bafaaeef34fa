#include <gtest/gtest.h>

#include "formats/text_utils.h"
#include "puzzle/board/player_link.h"
#include "puzzle/puzzle_test_support.h"

namespace sorvanta {
namespace {

using test::MakeFillLevel;

std::vector<int> Ids(const std::list<std::shared_ptr<TColor>>& colors) {
  std::vector<int> ids;
  for (const auto& c : colors) ids.push_back(c ? c->id : -1);
  return ids;
}

class FillCell : public test::PuzzleTest {};

TEST_F(FillCell, StrokesPaintAndCrossOnePerDrag) {
  enum Kind { kLeft, kRight };
  struct Case {
    const char* what;
    int paint;                 // 0 unpainted
    std::vector<int> crosses;  // before
    int last;                  // the play screen's last colour
    Kind kind;
    int color, action;
    int wantPaint;
    std::vector<int> wantCrosses;
    int holded = 0;
    const char* gameType = "NORMAL";
  } cases[] = {
      {"put over a cross of that colour", 0, {3}, 3, kLeft, 3, 1, 3, {}},
      {"remove over an unpainted cell", 0, {}, 3, kLeft, 3, 0, 0, {}},
      {"put over the same paint", 3, {}, 3, kLeft, 3, 1, 3, {}},
      {"put over another paint", 5, {}, 3, kLeft, 3, 1, 5, {}},
      {"remove over the same paint", 3, {}, 3, kLeft, 3, 0, 0, {}},
      {"cross entry put over paint of L", 3, {}, 3, kLeft, 1, 1, 0, {3}},
      {"cross entry remove over paint and cross of L", 3, {2, 3}, 3, kLeft, 1, 0, 0, {2}},
      {"cross entry put keeps one cross", 0, {3}, 3, kLeft, 1, 1, 0, {3}},
      {"right drag over paint of L", 3, {}, 3, kRight, 0, 1, 0, {3}},
      {"right drag over a cross of L", 0, {2, 3}, 3, kRight, 0, 1, 0, {2}},
      {"right drag with the cross entry as L", 0, {}, 1, kRight, 0, 1, 0, {1}},
      {"a cell held in this drag", 0, {}, 3, kLeft, 3, 1, 0, {}, 1},
      {"right drag over a held cell", 3, {}, 3, kRight, 0, 1, 3, {}, 1},
      {"paint outside the normal game type", 0, {}, 3, kLeft, 3, 1, 0, {}, 0, "EASY"},
  };
  for (const Case& k : cases) {
    auto level = MakeFillLevel(1, 1);
    auto cell = level->tile.get(0, 0);
    cell->putColor = k.paint ? Color(k.paint) : nullptr;
    for (int id : k.crosses) cell->xList.push_back(Color(id));
    cell->holded = k.holded;
    mainGame->lastColor = Color(k.last);
    BindPlayerGameType([&] { return std::string(k.gameType); });
    if (k.kind == kLeft) cell->putColorByUser2(Color(k.color), k.action);
    else cell->putXByUser_RIGHTHOLDED(k.action);
    EXPECT_EQ(cell->putColor ? cell->putColor->id : 0, k.wantPaint) << k.what;
    EXPECT_EQ(Ids(cell->xList), k.wantCrosses) << k.what;
  }
}

// The level's clues are recounted over its paint and judged as the fill rules
// judge them; a board of three rows by four shows rows and columns mixed up.
TEST_F(FillCell, CluesCountTheirBlockOverThePaint) {
  auto level = MakeFillLevel(3, 4);
  for (const auto& cell : level->tile.all()) cell->putColor = Color(2);
  level->tile.get(0, 3)->putColor = Color(5);  // another colour counts nothing
  auto inside = level->tile.get(1, 2), corner = level->tile.get(2, 3);
  inside->number = corner->number = Color(2);
  inside->count = 9;
  corner->count = 4;
  level->COUNT_UserPutColorNumber();
  EXPECT_EQ(inside->userCount, 8);
  EXPECT_EQ(inside->isDone(), 0);
  EXPECT_EQ(corner->userCount, 4);
  EXPECT_EQ(corner->isDone(), 1);
  EXPECT_EQ(MakeFillLevel(1, 1)->tile.get(0, 0)->isDone(), 1);  // no clue
}

TEST_F(FillCell, ZeroClueAtACornerMarksOnlyItsBlock) {
  auto level = MakeFillLevel(3, 3);
  level->tile.get(0, 0)->number = Color(1);
  level->COUNT_0Tiles();
  std::vector<int> marked;
  for (const auto& cell : level->tile.all()) marked.push_back(cell->isZero);
  EXPECT_EQ(marked, (std::vector<int>{1, 1, 0, 1, 1, 0, 0, 0, 0}));
}

TEST_F(FillCell, PaletteIsTheCrossEntryThenSolutionColoursInReadingOrder) {
  auto level = MakeFillLevel(2, 3);
  const int solution[2][3] = {{4, 0, 3}, {3, 5, 0}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) level->tile.get(r, c)->color = solution[r][c] ? Color(solution[r][c]) : nullptr;
  level->COUNT_Colors();
  EXPECT_EQ(Ids(level->availableColors), (std::vector<int>{1, 4, 3, 5}));
  auto blank = MakeFillLevel(2, 2);
  blank->COUNT_Colors();
  EXPECT_EQ(Ids(blank->availableColors), std::vector<int>{1});
  // A table without the cross entry: the palette holds no missing entry.
  colorsList.remove(Color(1));
  level->COUNT_Colors();
  EXPECT_EQ(Ids(level->availableColors), (std::vector<int>{4, 3, 5}));
}

TEST_F(FillCell, HintResolvesEmptyAndColouredCells) {
  auto level = MakeFillLevel(1, 3);
  for (int c = 0; c < 3; ++c) level->tile.get(0, c)->color = c == 0 ? nullptr : Color(c == 1 ? 4 : 3);
  level->tile.get(0, 2)->color = Color(5);
  level->COUNT_Colors();  // cross entry, 4, 5
  auto empty = level->tile.get(0, 0);
  empty->xList = {Color(3)};
  empty->putColor = Color(5);
  auto clue = level->tile.get(0, 1);
  clue->number = Color(5);
  level->COUNT_UserPutColorNumber();
  ASSERT_EQ(clue->userCount, 1);

  empty->Resolve();
  EXPECT_EQ(empty->putColor, nullptr);
  EXPECT_EQ(Ids(empty->xList), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(clue->userCount, 0);

  clue->putColor = Color(5);
  clue->xList = {Color(2)};
  clue->Resolve();
  EXPECT_EQ(clue->putColor, Color(4));
  EXPECT_EQ(Ids(clue->xList), std::vector<int>{2});
}

TEST_F(FillCell, CellStringReadsAndWritesBack) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"3 1 0|4|4||", "3 1 0|4|4||"},
      {"0 0 0|||5|2 3", "0 0 0|||5|2 3"},
      {"0 0 0||||", "0 0 0||||"},
      {"0 0 0||||0 9999", "0 0 0||||"},  // unknown ids are dropped
      {"2 1|3", "2 1 0|3|||"},             // a missing number reads as 0
      {"1 0 0|6|6|6|2 2", "1 0 0|6|6|6|2 2"},
  };
  for (const Case& k : cases) {
    TTile cell;
    const std::vector<std::string> p = rozbijTekst(k.in, "|", "", "");
    const auto piece = [&](size_t i) { return i < p.size() ? p[i] : std::string(); };
    cell.putDataFromString(piece(0), piece(1), piece(2), piece(3), piece(4));
    EXPECT_EQ(cell.getMyString(), k.out) << k.in;
  }
}

}  // namespace
}  // namespace sorvanta
