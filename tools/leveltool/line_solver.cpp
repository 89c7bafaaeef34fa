// Picross line solver, grid propagation and solution counting.
#include "leveltool/line_solver.h"

#include <algorithm>
#include <cstddef>

#include "puzzle/picross/picross_rules.h"

namespace sorvanta {

std::vector<int> RunsOf(const std::vector<bool>& line) {
  std::vector<int> runs;
  for (const PicrossRun& run : PicrossRuns(line)) runs.push_back(run.length);
  return runs;
}

bool SolveLine(const std::vector<int>& runs, std::vector<PCell>& line) {
  const int n = static_cast<int>(line.size());
  const int k = static_cast<int>(runs.size());
  auto canEmpty = [&](int i) { return line[i] != PCell::Filled; };
  auto canFill = [&](int i) { return line[i] != PCell::Empty; };
  // fillable[i] - fillable[j]: how many cells of [j, i) cannot hold a picture.
  std::vector<int> blocked(n + 1, 0);
  for (int i = 0; i < n; ++i) blocked[i + 1] = blocked[i] + (canFill(i) ? 0 : 1);
  auto runFits = [&](int s, int len) { return s >= 0 && s + len <= n && blocked[s + len] == blocked[s]; };

  // pre[j][i]: the first j runs fit in cells [0, i), the rest of it empty.
  // suf[j][i]: runs j.. fit in cells [i, n), the rest of it empty.
  std::vector<std::vector<char>> pre(k + 1, std::vector<char>(n + 1, 0));
  std::vector<std::vector<char>> suf(k + 1, std::vector<char>(n + 2, 0));
  pre[0][0] = 1;
  for (int i = 1; i <= n; ++i) pre[0][i] = pre[0][i - 1] && canEmpty(i - 1);
  for (int j = 1; j <= k; ++j) {
    const int len = runs[j - 1];
    for (int i = 1; i <= n; ++i) {
      bool ok = canEmpty(i - 1) && pre[j][i - 1];
      const int s = i - len;
      if (!ok && runFits(s, len)) ok = j == 1 ? pre[0][s] : (s >= 1 && canEmpty(s - 1) && pre[j - 1][s - 1]);
      pre[j][i] = ok;
    }
  }
  suf[k][n] = 1;
  for (int i = n - 1; i >= 0; --i) suf[k][i] = suf[k][i + 1] && canEmpty(i);
  for (int j = k - 1; j >= 0; --j) {
    const int len = runs[j];
    for (int i = n - 1; i >= 0; --i) {
      bool ok = canEmpty(i) && suf[j][i + 1];
      if (!ok && runFits(i, len))
        ok = j == k - 1 ? suf[k][i + len] : (i + len < n && canEmpty(i + len) && suf[j + 1][i + len + 1]);
      suf[j][i] = ok;
    }
  }
  if (!pre[k][n]) return false;

  std::vector<char> mayEmpty(n, 0);
  std::vector<int> fillMark(n + 1, 0);  // difference array of cells a run may cover
  for (int c = 0; c < n; ++c)
    for (int j = 0; j <= k && !mayEmpty[c]; ++j)
      if (canEmpty(c) && pre[j][c] && suf[j][c + 1]) mayEmpty[c] = 1;
  for (int j = 0; j < k; ++j) {
    const int len = runs[j];
    for (int s = 0; s + len <= n; ++s) {
      if (!runFits(s, len)) continue;
      const bool left = j == 0 ? pre[0][s] : (s >= 1 && canEmpty(s - 1) && pre[j][s - 1]);
      const bool right = j == k - 1 ? suf[k][s + len] : (s + len < n && canEmpty(s + len) && suf[j + 1][s + len + 1]);
      if (left && right) {
        ++fillMark[s];
        --fillMark[s + len];
      }
    }
  }
  int covered = 0;
  for (int c = 0; c < n; ++c) {
    covered += fillMark[c];
    const bool mayFill = covered > 0;
    if (!mayFill && !mayEmpty[c]) return false;
    if (line[c] == PCell::Unknown) {
      if (mayFill && !mayEmpty[c]) line[c] = PCell::Filled;
      if (!mayFill && mayEmpty[c]) line[c] = PCell::Empty;
    }
  }
  return true;
}

PicrossClues CluesOf(const std::vector<std::vector<bool>>& picture) {
  PicrossClues clues;
  const size_t rows = picture.size(), cols = rows ? picture[0].size() : 0;
  for (const auto& row : picture) clues.rows.push_back(RunsOf(row));
  for (size_t c = 0; c < cols; ++c) {
    std::vector<bool> col;
    for (size_t r = 0; r < rows; ++r) col.push_back(picture[r][c]);
    clues.cols.push_back(RunsOf(col));
  }
  return clues;
}

LineSolveResult SolveByLines(const PicrossClues& clues, std::vector<PCell>& grid) {
  const int rows = static_cast<int>(clues.rows.size()), cols = static_cast<int>(clues.cols.size());
  // Lines 0..rows-1 are rows, then the columns; a line is solved again only
  // when a crossing line has changed one of its cells.
  std::vector<char> dirty(rows + cols, 1);
  std::vector<PCell> line;
  for (bool again = true; again;) {
    again = false;
    for (int l = 0; l < rows + cols; ++l) {
      if (!dirty[l]) continue;
      dirty[l] = 0;
      const bool isRow = l < rows;
      const int len = isRow ? cols : rows;
      auto at = [&](int i) -> PCell& { return isRow ? grid[l * cols + i] : grid[i * cols + (l - rows)]; };
      line.assign(len, PCell::Unknown);
      for (int i = 0; i < len; ++i) line[i] = at(i);
      if (!SolveLine(isRow ? clues.rows[l] : clues.cols[l - rows], line)) return LineSolveResult::Contradiction;
      for (int i = 0; i < len; ++i) {
        if (line[i] == at(i)) continue;
        at(i) = line[i];
        dirty[isRow ? rows + i : i] = 1;
        again = true;
      }
    }
  }
  for (PCell cell : grid)
    if (cell == PCell::Unknown) return LineSolveResult::Stuck;
  return LineSolveResult::Solved;
}

namespace {

struct Search {
  const PicrossClues& clues;
  int limit, nodesLeft, found = 0;
  bool gaveUp = false;

  void run(std::vector<PCell> grid) {
    if (found >= limit || gaveUp) return;
    const LineSolveResult result = SolveByLines(clues, grid);
    if (result == LineSolveResult::Contradiction) return;
    if (result == LineSolveResult::Solved) {
      ++found;
      return;
    }
    if (--nodesLeft < 0) {
      gaveUp = true;
      return;
    }
    size_t guess = 0;
    while (grid[guess] != PCell::Unknown) ++guess;
    for (PCell value : {PCell::Filled, PCell::Empty}) {
      grid[guess] = value;
      run(grid);
    }
  }
};

}  // namespace

int CountPicrossSolutions(const PicrossClues& clues, int limit, int nodeLimit) {
  const size_t cells = clues.rows.size() * clues.cols.size();
  if (nodeLimit <= 0) nodeLimit = static_cast<int>(std::max<size_t>(20, 200000 / std::max<size_t>(cells, 1)));
  Search search{clues, limit, nodeLimit};
  search.run(std::vector<PCell>(clues.rows.size() * clues.cols.size(), PCell::Unknown));
  return search.gaveUp && search.found < limit ? -1 : search.found;
}

int FirstSweepUndecided(const PicrossClues& clues) {
  const size_t rows = clues.rows.size(), cols = clues.cols.size();
  std::vector<char> decided(rows * cols, 0);
  for (size_t r = 0; r < rows; ++r) {
    std::vector<PCell> line(cols, PCell::Unknown);
    if (SolveLine(clues.rows[r], line))
      for (size_t c = 0; c < cols; ++c) decided[r * cols + c] |= line[c] != PCell::Unknown;
  }
  for (size_t c = 0; c < cols; ++c) {
    std::vector<PCell> line(rows, PCell::Unknown);
    if (SolveLine(clues.cols[c], line))
      for (size_t r = 0; r < rows; ++r) decided[r * cols + c] |= line[r] != PCell::Unknown;
  }
  return static_cast<int>(std::count(decided.begin(), decided.end(), 0));
}

}  // namespace sorvanta
