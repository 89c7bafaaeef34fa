#include "puzzle/fill/fill_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sorvanta {
namespace {

// 'r', 'g', 'b': colours 2, 3, 4; '.': none.
int Id(char ch) { return ch == 'r' ? 2 : ch == 'g' ? 3 : ch == 'b' ? 4 : kNoColour; }

struct Clue {
  int r, c;
  char colour;  // 'x': a zero clue
  int count;
};

// A board from rows of solution and paint, its clues recounted over the paint.
FillBoard Board(const std::vector<std::string>& solution, const std::vector<std::string>& paint,
                const std::vector<Clue>& clues) {
  FillBoard b(static_cast<int>(solution.size()), solution.empty() ? 0 : static_cast<int>(solution[0].size()));
  for (int r = 0; r < b.rows; ++r)
    for (int c = 0; c < b.cols; ++c) {
      b.solution[b.index(r, c)] = Id(solution[r][c]);
      b.paint[b.index(r, c)] = Id(paint[r][c]);
    }
  for (const Clue& k : clues) {
    b.clue[b.index(k.r, k.c)] = k.colour == 'x' ? kCrossColorId : Id(k.colour);
    b.count[b.index(k.r, k.c)] = k.count;
  }
  FillRecount(b);
  return b;
}

TEST(FillRules, AClueCountsItsColourOverTheNineCellsAroundItOnTheGrid) {
  struct Case {
    const char* what;
    std::vector<std::string> paint;
    int r, c;
    char colour;
    int want;
  } cases[] = {
      {"corner", {"rrr", "rrr", "rrr"}, 0, 0, 'r', 4},
      {"edge", {"rrr", "rrr", "rrr"}, 0, 1, 'r', 6},
      {"inside", {"rrr", "rrr", "rrr"}, 1, 1, 'r', 9},
      {"its own cell counts", {"...", ".r.", "..."}, 1, 1, 'r', 1},
      {"other colours count nothing", {"gbg", "brb", "gbg"}, 1, 1, 'r', 1},
      {"two away is outside the block", {"r..", "...", "..r"}, 0, 0, 'r', 1},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(FillBlockCount(Board(k.paint, k.paint, {}).paint, 3, 3, k.r, k.c, Id(k.colour)), k.want) << k.what;
    const FillBoard b = Board(k.paint, k.paint, {{k.r, k.c, k.colour, 0}});
    EXPECT_EQ(b.userCount[b.index(k.r, k.c)], k.want) << k.what << ": recount";
  }
  const FillBoard none = Board({"r"}, {"r"}, {});
  EXPECT_EQ(none.userCount[0], 0) << "a cell without a clue counts nothing";
}

TEST(FillRules, AClueIsMetWhenItsCountOverThePaintIsItsValue) {
  struct Case {
    const char* what;
    std::string paint;
    Clue clue;
    bool want;
  } cases[] = {
      {"painted as many", "rr..", {0, 0, 'r', 2}, true},
      {"one short", "r...", {0, 0, 'r', 2}, false},
      {"one too many", "rrr.", {0, 1, 'r', 2}, false},
      {"other colour leaves the count", "rb..", {0, 0, 'r', 2}, false},
      {"zero clue over an empty block", "....", {0, 0, 'x', 0}, true},
  };
  for (const Case& k : cases) {
    const FillBoard b = Board({"...."}, {k.paint}, {k.clue});
    const int i = b.index(k.clue.r, k.clue.c);
    EXPECT_EQ(FillClueMet(b.clue[i], b.count[i], b.userCount[i]), k.want) << k.what;
    EXPECT_EQ(FillCluesMet(b), k.want) << k.what << ": every clue";
  }
  EXPECT_TRUE(FillClueMet(kNoColour, 3, 0)) << "a cell without a clue";
}

TEST(FillRules, WonWhenEveryClueIsMetAndEveryColourIsPaintedAsOftenAsTheSolutionHasIt) {
  // One red clue of 1 over the first two cells; a second red cell unclued.
  struct Case {
    const char* what;
    std::string paint;
    bool want;
  } cases[] = {
      {"the solution", "r..r", true},
      {"totals count, not places", "r.r.", true},
      {"clue met, one red short", "r...", false},
      {"clue met, one red too many", "r.rr", false},
      {"clue broken", "rr.r", false},
      {"another colour in place of red", "r..g", false},
  };
  for (const Case& k : cases) EXPECT_EQ(FillWon(Board({"r..r"}, {k.paint}, {{0, 0, 'r', 1}})), k.want) << k.what;
  EXPECT_TRUE(FillWon(Board({"..."}, {"..."}, {{0, 1, 'x', 0}}))) << "no colour at all";
  FillBoard outside = Board({"."}, {"."}, {});
  outside.solution[0] = kColorIdLimit;
  EXPECT_TRUE(FillWon(outside)) << "an id without a tally entry";
}

TEST(FillRules, AColourIsDoneWhenItsCluesAreMetAndItsTotalMatches) {
  const FillBoard b = Board({"rgg."}, {"rg.."}, {{0, 0, 'r', 1}, {0, 1, 'g', 2}, {0, 3, 'b', 0}});
  struct Case {
    const char* what;
    int colour;
    bool want;
  } cases[] = {
      {"red: clue met, total met", 2, true},
      {"green: clue short", 3, false},
      {"blue: a zero-count clue, none to paint", 4, true},
      {"the cross entry always", kCrossColorId, true},
  };
  for (const Case& k : cases) EXPECT_EQ(FillColourDone(b, k.colour), k.want) << k.what;
  EXPECT_FALSE(FillColourDone(Board({"r."}, {"rr"}, {}), 2)) << "painted once too often";
}

TEST(FillRules, StrayPaintIsPaintWhereTheSolutionLeavesTheCellEmpty) {
  struct Case {
    const char* what;
    std::string solution, paint;
    std::vector<int> want;
  } cases[] = {
      {"paint on empty cells", "r..b", "rgr.", {1, 2}},
      {"another colour than the solution's is not stray", "rb", "br", {}},
      {"unpainted", "..", "..", {}},
  };
  for (const Case& k : cases) EXPECT_EQ(FillStrayPaint(Board({k.solution}, {k.paint}, {})), k.want) << k.what;
}

}  // namespace
}  // namespace sorvanta
