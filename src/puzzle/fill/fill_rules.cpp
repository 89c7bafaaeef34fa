// The Fill rules over a board's colour ids.
#include "puzzle/fill/fill_rules.h"

#include <algorithm>

namespace sorvanta {

FillBoard::FillBoard(int r, int c) : rows(r > 0 && c > 0 ? r : 0), cols(r > 0 && c > 0 ? c : 0) {
  const size_t n = static_cast<size_t>(rows) * static_cast<size_t>(cols);
  solution.assign(n, kNoColour);
  paint.assign(n, kNoColour);
  clue.assign(n, kNoColour);
  count.assign(n, 0);
  userCount.assign(n, 0);
}

int FillBlockCount(const std::vector<int>& ids, int rows, int cols, int r, int c, int colour) {
  int n = 0;
  for (int dr = -1; dr <= 1; ++dr)
    for (int dc = -1; dc <= 1; ++dc)
      if (r + dr >= 0 && r + dr < rows && c + dc >= 0 && c + dc < cols && ids[(r + dr) * cols + c + dc] == colour) ++n;
  return n;
}

void FillRecount(FillBoard& b) {
  for (int r = 0; r < b.rows; ++r)
    for (int c = 0; c < b.cols; ++c) {
      const int i = b.index(r, c);
      b.userCount[i] = b.clue[i] == kNoColour ? 0 : FillBlockCount(b.paint, b.rows, b.cols, r, c, b.clue[i]);
    }
}

bool FillClueMet(int clue, int count, int userCount) { return clue == kNoColour || count == userCount; }

bool FillCluesMet(const FillBoard& b) {
  for (size_t i = 0; i < b.clue.size(); ++i)
    if (!FillClueMet(b.clue[i], b.count[i], b.userCount[i])) return false;
  return true;
}

FillTallies FillColourTallies(const FillBoard& b) {
  FillTallies t;
  auto add = [](std::array<int, kColorIdLimit>& into, int id) {
    if (id >= 0 && id < kColorIdLimit) ++into[id];
  };
  for (size_t i = 0; i < b.solution.size(); ++i) {
    add(t.solution, b.solution[i]);
    add(t.paint, b.paint[i]);
  }
  return t;
}

bool FillWon(const FillBoard& b) { return FillCluesMet(b) && FillColourTallies(b).match(); }

bool FillColourDone(const FillBoard& b, int colour) {
  if (colour == kCrossColorId) return true;
  for (size_t i = 0; i < b.clue.size(); ++i)
    if (b.clue[i] == colour && !FillClueMet(b.clue[i], b.count[i], b.userCount[i])) return false;
  return std::count(b.paint.begin(), b.paint.end(), colour) ==
         std::count(b.solution.begin(), b.solution.end(), colour);
}

std::vector<int> FillStrayPaint(const FillBoard& b) {
  std::vector<int> stray;
  for (size_t i = 0; i < b.paint.size(); ++i)
    if (b.solution[i] == kNoColour && b.paint[i] != kNoColour) stray.push_back(static_cast<int>(i));
  return stray;
}

}  // namespace sorvanta
