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
  // Three rows of four: rows and columns differ, so a bound taken from the
  // wrong side shows.
  const std::vector<std::string> red = {"rrrr", "rrrr", "rrrr"};
  struct Case {
    const char* what;
    std::vector<std::string> paint;
    int r, c;
    char colour;
    int want;
  } cases[] = {
      {"top-left corner", red, 0, 0, 'r', 4},
      {"top edge", red, 0, 1, 'r', 6},
      {"inside", red, 1, 2, 'r', 9},
      {"bottom-right corner", red, 2, 3, 'r', 4},
      {"its own cell counts", {"....", ".r..", "...."}, 1, 1, 'r', 1},
      {"other colours count nothing", {"gbg.", "brb.", "gbg."}, 1, 1, 'r', 1},
      {"two away is outside the block", {"r...", "....", "..r."}, 0, 0, 'r', 1},
  };
  for (const Case& k : cases) {
    const FillBoard b = Board(k.paint, k.paint, {{k.r, k.c, k.colour, 0}});
    EXPECT_EQ(FillBlockCount(b.paint, b.rows, b.cols, k.r, k.c, Id(k.colour)), k.want) << k.what;
    EXPECT_EQ(b.userCount[b.index(k.r, k.c)], k.want) << k.what << ": recount";
  }
  // Unpainted cells hold no colour, just as a cell without a clue has none.
  const FillBoard none = Board({".r"}, {".r"}, {});
  EXPECT_EQ(none.userCount, (std::vector<int>{0, 0})) << "cells without a clue count nothing";
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
      {"a clue on the last cell, met", "..rr", {0, 3, 'r', 2}, true},
      {"a clue on the last cell, one short", "...r", {0, 3, 'r', 2}, false},
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
      {"totals match while the clue is broken", "rr..", false},
      {"another colour in place of red", "r..g", false},
  };
  for (const Case& k : cases) EXPECT_EQ(FillWon(Board({"r..r"}, {k.paint}, {{0, 0, 'r', 1}})), k.want) << k.what;
  EXPECT_TRUE(FillWon(Board({"..."}, {"..."}, {{0, 1, 'x', 0}}))) << "no colour at all";
  FillBoard outside = Board({"."}, {"."}, {});
  outside.solution[0] = kColorIdLimit;
  EXPECT_TRUE(FillWon(outside)) << "an id without a tally entry";
}

TEST(FillRules, AColourIsDoneWhenItsCluesAreMetAndItsTotalMatches) {
  // Red clue 1 on cell 0, green clue 2 on cell 1 (its block: cells 0 to 2),
  // blue clue 0 on the last cell.
  struct Case {
    const char* what;
    std::string paint;
    char colour;
    bool want;
  } cases[] = {
      {"red: clue met, total met", "rg..", 'r', true},
      {"green: clue short", "rg..", 'g', false},
      {"green: total met while its clue is broken", "r.gg", 'g', false},
      {"red: done while another colour's clue is broken", "r.gg", 'r', true},
      {"red: clue met, painted once too often", "rg.r", 'r', false},
      {"blue: a zero-count clue, none to paint", "rg..", 'b', true},
  };
  for (const Case& k : cases) {
    const FillBoard b = Board({"rgg."}, {k.paint}, {{0, 0, 'r', 1}, {0, 1, 'g', 2}, {0, 3, 'b', 0}});
    EXPECT_EQ(FillColourDone(b, Id(k.colour)), k.want) << k.what;
  }
  // The cross entry stands for no colour: done even where a damaged level
  // gives its clue a count that nothing can meet.
  EXPECT_TRUE(FillColourDone(Board({".."}, {".."}, {{0, 0, 'x', 1}}), kCrossColorId)) << "the cross entry";
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
