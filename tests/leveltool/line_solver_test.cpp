#include "leveltool/line_solver.h"

#include <gtest/gtest.h>

#include <random>

namespace sorvanta {
namespace {

std::vector<bool> Bits(unsigned mask, int n) {
  std::vector<bool> line(n);
  for (int i = 0; i < n; ++i) line[i] = (mask >> i) & 1;
  return line;
}

// Every line of n cells with these runs that agrees with the known cells;
// the cells all of them agree on.
bool BruteForce(const std::vector<int>& runs, std::vector<PCell>& line) {
  const int n = static_cast<int>(line.size());
  int fits = 0;
  std::vector<int> filled(n, 0);
  for (unsigned mask = 0; mask < (1u << n); ++mask) {
    const std::vector<bool> cand = Bits(mask, n);
    bool ok = RunsOf(cand) == runs;
    for (int i = 0; ok && i < n; ++i) ok = line[i] == PCell::Unknown || (line[i] == PCell::Filled) == cand[i];
    if (!ok) continue;
    ++fits;
    for (int i = 0; i < n; ++i) filled[i] += cand[i];
  }
  for (int i = 0; i < n; ++i) {
    if (filled[i] == fits) line[i] = PCell::Filled;
    if (filled[i] == 0) line[i] = PCell::Empty;
  }
  return fits > 0;
}

TEST(LineSolver, AgreesWithBruteForceOnRandomLines) {
  std::mt19937 rng(1234);
  for (int trial = 0; trial < 4000; ++trial) {
    const int n = 1 + static_cast<int>(rng() % 12);
    const std::vector<int> runs = RunsOf(Bits(rng(), n));
    // Known cells from another random line, so some sets cannot be met.
    const std::vector<bool> other = Bits(rng(), n);
    std::vector<PCell> line(n, PCell::Unknown);
    for (int i = 0; i < n; ++i)
      if (rng() % 3 == 0) line[i] = other[i] ? PCell::Filled : PCell::Empty;
    std::vector<PCell> solved = line, expected = line;
    const bool fits = BruteForce(runs, expected);
    ASSERT_EQ(SolveLine(runs, solved), fits) << "trial " << trial;
    if (fits) {
      ASSERT_EQ(solved, expected) << "trial " << trial;
    }
  }
}

int BruteForceSolutions(const std::vector<std::string>& picture) {
  const int rows = static_cast<int>(picture.size()), cols = static_cast<int>(picture[0].size());
  std::vector<std::vector<bool>> target(rows, std::vector<bool>(cols));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) target[r][c] = picture[r][c] == '#';
  const PicrossClues clues = CluesOf(target);
  int found = 0;
  for (unsigned mask = 0; mask < (1u << (rows * cols)); ++mask) {
    std::vector<std::vector<bool>> cand(rows, std::vector<bool>(cols));
    for (int i = 0; i < rows * cols; ++i) cand[i / cols][i % cols] = (mask >> i) & 1;
    const PicrossClues c = CluesOf(cand);
    if (c.rows == clues.rows && c.cols == clues.cols) ++found;
  }
  return std::min(found, 2);
}

TEST(LineSolver, GridByLinesAndSolutionCount) {
  struct Case {
    std::vector<std::string> picture;
    LineSolveResult byLines;
    int solutions;
  } cases[] = {
      {{"..#..", "..#..", "#####", "..#..", "..#.."}, LineSolveResult::Solved, 1},
      {{"#.", ".#"}, LineSolveResult::Stuck, 2},                      // the diagonal
      {{"..##", "..##", "##..", "#..."}, LineSolveResult::Stuck, 1},  // unique, guess needed
      {{"...", "...", "..."}, LineSolveResult::Solved, 1},
  };
  for (const Case& k : cases) {
    std::vector<std::vector<bool>> picture;
    for (const std::string& row : k.picture) {
      picture.emplace_back();
      for (char ch : row) picture.back().push_back(ch == '#');
    }
    const PicrossClues clues = CluesOf(picture);
    std::vector<PCell> grid(picture.size() * picture[0].size(), PCell::Unknown);
    EXPECT_EQ(SolveByLines(clues, grid), k.byLines) << k.picture[0];
    EXPECT_EQ(CountPicrossSolutions(clues), k.solutions) << k.picture[0];
    if (picture.size() * picture[0].size() <= 16) {
      EXPECT_EQ(BruteForceSolutions(k.picture), k.solutions) << k.picture[0];
    }
  }
}

}  // namespace
}  // namespace sorvanta
