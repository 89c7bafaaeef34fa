#pragma once
// A solver over the Fill win rules: every cell holds one colour of the
// level's palette or none; every clue counts its colour in its 3 x 3 block;
// every colour is painted on as many cells as the solution gives it; a clue
// cell takes only its clue's colour; the blocks of zero clues stay unpainted.
// Propagation plus search, stopping at the second solution.
#include <vector>

namespace sorvanta {

struct FillClue {
  int r = 0, c = 0;
  int colour = 0;  // colour id; 1 (the cross entry) marks a zero clue
  int count = 0;
};

struct FillPuzzle {
  int rows = 0, cols = 0;
  std::vector<int> solution;  // row-major colour ids, 0 = empty
  std::vector<FillClue> clues;
};

struct FillSolveResult {
  int solutions = 0;        // 0, 1 or 2 (2: at least two)
  std::vector<int> first;   // the first solution found (the stored one when it wins)
  std::vector<int> second;  // the second, when there is one
  bool gaveUp = false;      // the search hit its limit before deciding
};

// When the stored solution wins, every other value of every cell is tried in
// turn (each a search for a second solution), which settles a fair level
// quickly; otherwise a plain search. At most nodeLimit guesses and tries in
// all (0: a budget that shrinks with the board).
FillSolveResult SolveFill(const FillPuzzle& puzzle, int nodeLimit = 0);

}  // namespace sorvanta
