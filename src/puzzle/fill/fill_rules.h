#pragma once
// The Fill rules over a board's colour ids, apart from any screen: what a
// clue counts in its 3 x 3 block, when a clue is met, when the board is won
// (every clue met and every colour painted as often as the solution has it)
// and which paint strays where the solution leaves the cell empty.
#include <array>
#include <vector>

#include "puzzle/fill/color_ids.h"

namespace sorvanta {

// A Fill board by colour id, row-major, kNoColour where a cell has none.
struct FillBoard {
  int rows = 0, cols = 0;
  std::vector<int> solution;   // the colour each cell has in the solution
  std::vector<int> paint;      // the player's paint
  std::vector<int> clue;       // the clue colour; kCrossColorId: a zero clue
  std::vector<int> count;      // the clue's value as the level stores it
  std::vector<int> userCount;  // the clue's count over the paint (FillRecount)

  // A board of rows x cols cells holding nothing.
  FillBoard(int rows, int cols);
  int index(int r, int c) const { return r * cols + c; }
};

// How many cells of the 3 x 3 block around (r, c), the cell itself included,
// hold colour in the row-major grid ids; positions off the grid count nothing.
int FillBlockCount(const std::vector<int>& ids, int rows, int cols, int r, int c, int colour);

// Every cell's userCount: its clue colour counted over the paint of its
// block, 0 for a cell without a clue.
void FillRecount(FillBoard& board);

// A cell without a clue is met; a clue is met when its count over the paint
// equals its stored value.
bool FillClueMet(int clue, int count, int userCount);
bool FillCluesMet(const FillBoard& board);

// Cells per colour id 0..kColorIdLimit-1, in the solution and in the paint;
// ids outside that range have no entry.
struct FillTallies {
  std::array<int, kColorIdLimit> solution{};
  std::array<int, kColorIdLimit> paint{};
  bool match() const { return solution == paint; }
};
FillTallies FillColourTallies(const FillBoard& board);

// Won: every clue met and every colour painted on as many cells as the
// solution gives it, wherever the paint stands.
bool FillWon(const FillBoard& board);

// One colour done: every clue of it met and it painted as often as the
// solution has it. The cross entry is always done.
bool FillColourDone(const FillBoard& board, int colour);

// The cells, row-major indices in order, painted where the solution leaves
// the cell empty; paint in another colour than the solution's is not stray.
std::vector<int> FillStrayPaint(const FillBoard& board);

}  // namespace sorvanta
