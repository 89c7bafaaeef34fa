#include "leveltool/fill_solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "puzzle/fill/fill_rules.h"

namespace sorvanta {
namespace {

// Every paint of the board in the solution's colours that the win rules
// accept, counted up to two; the first of them into first.
int BruteForce(const FillPuzzle& p, std::vector<int>& first) {
  std::vector<int> palette = {0};
  for (int id : p.solution)
    if (std::find(palette.begin(), palette.end(), id) == palette.end()) palette.push_back(id);
  const int cells = p.rows * p.cols, base = static_cast<int>(palette.size());
  int total = 1;
  for (int i = 0; i < cells; ++i) total *= base;
  int found = 0;
  std::vector<int> paint(cells);
  for (int code = 0; code < total && found < 2; ++code) {
    for (int i = 0, v = code; i < cells; ++i, v /= base) paint[i] = palette[v % base];
    bool wins = true;
    for (int id : palette)
      wins = wins && std::count(paint.begin(), paint.end(), id) == std::count(p.solution.begin(), p.solution.end(), id);
    for (const FillClue& k : p.clues) {
      const int own = paint[k.r * p.cols + k.c];
      if (k.colour == 1) {
        wins = wins && FillBlockCount(paint, p.rows, p.cols, k.r, k.c, 0) ==
                           FillBlockCount(std::vector<int>(cells, 0), p.rows, p.cols, k.r, k.c, 0);
      } else {
        wins =
            wins && (own == 0 || own == k.colour) && FillBlockCount(paint, p.rows, p.cols, k.r, k.c, k.colour) == k.count;
      }
    }
    if (wins && found++ == 0) first = paint;
  }
  return found;
}

TEST(FillSolver, CountsWhatBruteForceCounts) {
  std::mt19937 rng(99);
  int unique = 0;
  for (int trial = 0; trial < 300; ++trial) {
    FillPuzzle p{2 + static_cast<int>(rng() % 2), 3, {}, {}};
    for (int i = 0; i < p.rows * p.cols; ++i)
      p.solution.push_back(rng() % 3 == 0 ? 0 : 2 + static_cast<int>(rng() % 2));
    for (int i = 0; i < p.rows * p.cols; ++i) {
      if (rng() % 4 == 0) continue;
      // Some clues are wrong on purpose, so some boards have no solution.
      const int colour = p.solution[i] && rng() % 4 ? p.solution[i] : 1 + static_cast<int>(rng() % 3);
      const int count =
          colour == 1 ? 0 : FillBlockCount(p.solution, p.rows, p.cols, i / p.cols, i % p.cols, colour) + (rng() % 8 == 0);
      p.clues.push_back({i / p.cols, i % p.cols, colour, count});
    }
    std::vector<int> only;
    const int expected = BruteForce(p, only);
    const FillSolveResult result = SolveFill(p);
    ASSERT_FALSE(result.gaveUp);
    ASSERT_EQ(result.solutions, expected) << "trial " << trial;
    if (expected == 1) {
      ++unique;
      EXPECT_EQ(result.first, only) << "trial " << trial;
    }
  }
  EXPECT_GT(unique, 10);  // the sample reaches the interesting case
}

}  // namespace
}  // namespace sorvanta
