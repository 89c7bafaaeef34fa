#include "puzzle/picross/picross_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sorvanta {
namespace {

// '#' a picture cell, 'O' uncovered, 'B' broken by mistake; '.' an empty
// cell, 'x' broken, 'U' uncovered by mistake, 'z' failed but not acted on.
PicrossLine Line(const std::string& s) {
  PicrossLine line;
  for (char ch : s) {
    const bool picture = ch == '#' || ch == 'O' || ch == 'B';
    const bool acted = ch == 'O' || ch == 'B' || ch == 'x' || ch == 'U';
    const bool failed = ch == 'B' || ch == 'U' || ch == 'z';
    line.push_back({picture, acted, failed});
  }
  return line;
}

TEST(PicrossRules, ALinesCluesAreItsRunsOfPictureCells) {
  struct Case {
    const char* what;
    std::string line;
    std::vector<std::pair<int, int>> want;  // start, length
  } cases[] = {
      {"three runs", "##.#..###", {{0, 2}, {3, 1}, {6, 3}}},
      {"the whole line", "####", {{0, 4}}},
      {"no picture: the 0 clue", "....", {}},
      {"acted cells keep their runs", "O#.x", {{0, 2}}},
      {"empty line", "", {}},
  };
  for (const Case& k : cases) {
    std::vector<std::pair<int, int>> got;
    for (const PicrossRun& run : PicrossRuns(Line(k.line))) got.emplace_back(run.start, run.length);
    EXPECT_EQ(got, k.want) << k.what;
  }
}

TEST(PicrossRules, AClueIsMetOnceItsRunAndTheEmptyCellsBoundingItAreActedOn) {
  struct Case {
    const char* what;
    std::string line;
    PicrossRun clue;
    bool want;
  } cases[] = {
      {"run and both bounds", "xOOx.", {1, 2}, true},
      {"the leading bound alone untouched", ".OOx.", {1, 2}, false},
      {"the trailing bound alone untouched", "xOO..", {1, 2}, false},
      {"a run cell untouched", "xO#x.", {1, 2}, false},
      {"a run at the line's start needs only its inner bound", "OOx", {0, 2}, true},
      {"a run at the line's end", "..xO", {3, 1}, true},
      {"a run at the line's end, its last cell untouched", "..xO#", {3, 2}, false},
      {"a run filling the line needs no bound", "OO", {0, 2}, true},
      {"a mistake counts as acted on", "UBx", {1, 1}, true},
      {"a bound failed but never acted on", "xOOz", {1, 2}, false},
      {"cells past the bounds play no part", "#xOx#", {2, 1}, true},
      {"a 0 clue: every cell acted on", "xUx", {0, 0}, true},
      {"a 0 clue: one untouched", "x.x", {0, 0}, false},
      {"a 0 clue: a failed cell counts", "xz", {0, 0}, true},
  };
  for (const Case& k : cases) EXPECT_EQ(PicrossClueMet(Line(k.line), k.clue), k.want) << k.what;
}

TEST(PicrossRules, WonOnceEveryPictureCellIsActedOn) {
  struct Case {
    const char* what;
    std::string cells;
    bool want;
  } cases[] = {
      {"every picture cell uncovered", "O.O.", true},
      {"one left", "O.#.", false},
      {"the first cell left", "#.OO", false},
      {"the last cell left", "OO.#", false},
      {"a single cell left", "#", false},
      {"broken by mistake counts", "OB", true},
      {"no picture cell", "...", true},
  };
  for (const Case& k : cases) EXPECT_EQ(PicrossPictureUncovered(Line(k.cells)), k.want) << k.what;
}

TEST(PicrossRules, WonOnceEveryClueHasFadedToExactlyNothing) {
  struct Case {
    const char* what;
    std::vector<float> visibility;
    bool want;
  } cases[] = {
      {"all faded", {0, 0, 0}, true},
      {"one still fading", {0, 0.01f, 0}, false},
      {"one showing", {1, 0}, false},
      {"no clue", {}, true},
  };
  for (const Case& k : cases) EXPECT_EQ(PicrossCluesFaded(k.visibility), k.want) << k.what;
}

TEST(PicrossRules, LostOnceTheMistakesExceedTheAllowed) {
  struct Case {
    int mistakes, allowed;
    bool want;
  } cases[] = {{0, 5, false}, {5, 5, false}, {6, 5, true}, {0, 0, false}, {1, 0, true}};
  for (const Case& k : cases)
    EXPECT_EQ(PicrossLost(k.mistakes, k.allowed), k.want) << k.mistakes << " of " << k.allowed;
}

}  // namespace
}  // namespace sorvanta
