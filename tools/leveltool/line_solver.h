#pragma once
// Picross solving by lines: one line's certain cells over every placement of
// its runs that fits the known cells, the whole grid iterated to a fixed
// point, and a search that counts solutions when lines alone get stuck.
#include <cstdint>
#include <vector>

namespace sorvanta {

enum class PCell : std::int8_t { Unknown, Filled, Empty };

// The run lengths of a line of picture (true) and empty (false) cells: the
// game's clue runs.
std::vector<int> RunsOf(const std::vector<bool>& line);

// Sets every unknown cell of line that has the same value in every placement
// of runs agreeing with the known cells. False when no placement agrees.
bool SolveLine(const std::vector<int>& runs, std::vector<PCell>& line);

struct PicrossClues {
  std::vector<std::vector<int>> rows, cols;
};
PicrossClues CluesOf(const std::vector<std::vector<bool>>& picture);

enum class LineSolveResult { Solved, Stuck, Contradiction };

// Applies SolveLine to rows and columns until nothing changes. grid is
// row-major rows x cols and may hold known cells on entry.
LineSolveResult SolveByLines(const PicrossClues& clues, std::vector<PCell>& grid);

// Solutions of the clues, counted up to limit by lines plus guessing; -1 when
// the search gave up after nodeLimit guesses (0: a budget that shrinks with
// the board, so a huge board cannot stall the validator).
int CountPicrossSolutions(const PicrossClues& clues, int limit = 2, int nodeLimit = 0);

}  // namespace sorvanta
