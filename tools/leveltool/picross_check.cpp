// The validator's Picross rules: known pieces, a picture, and a solution that
// lines alone reach.
#include "leveltool/level_check_parts.h"
#include "leveltool/line_solver.h"
#include "platform/strings.h"
#include "puzzle/board/tile_data.h"

namespace sorvanta {

int CheckPicross(const StoredLevel& s, Findings& f) {
  std::vector<std::vector<bool>> picture(s.rows, std::vector<bool>(s.cols, false));
  int pictureCells = 0;
  for (int r = 0; r < s.rows; ++r)
    for (int c = 0; c < s.cols; ++c) {
      const std::vector<std::string>& p = s.at(r, c);
      if (p.empty()) continue;  // reported by the reader
      // The game reads a piece id that names no piece as an empty cell, so a
      // typo would change the picture without a word.
      const int id = TextToInt(p[0]);
      if (id != 0 && !getTileDataById(id))
        f.fail("piece-id", CellName(r, c) + ": piece id " + p[0] + " is not in data/atiles.dat");
      if (id != 0) {
        picture[r][c] = true;
        ++pictureCells;
      }
      const bool acted = (p.size() > 1 && TextToInt(p[1]) != 0) || (p.size() > 2 && TextToInt(p[2]) != 0);
      if (acted)
        f.fail("player-state",
               CellName(r, c) + ": cell \"" + p[0] + "|" + p[1] + (p.size() > 2 ? "|" + p[2] : "") + "\" is acted on");
    }
  if (pictureCells == 0) {
    f.fail("picture", "no picture cell");
    return -1;
  }
  const PicrossClues clues = CluesOf(picture);
  const int effort = FirstSweepUndecided(clues);
  std::vector<PCell> grid(static_cast<size_t>(s.rows) * s.cols, PCell::Unknown);
  if (SolveByLines(clues, grid) == LineSolveResult::Solved) return effort;
  int undecided = 0;
  for (PCell cell : grid) undecided += cell == PCell::Unknown;
  const int solutions = CountPicrossSolutions(clues);
  if (solutions >= 2)
    f.fail("unique",
           "the clues have more than one solution (" + std::to_string(undecided) + " cells undecided by lines)");
  else
    f.fail("line-solve", std::string(solutions == 1 ? "the solution is unique but " : "") + "lines alone leave " +
                             std::to_string(undecided) + " cells undecided");
  return effort;
}

}  // namespace sorvanta
