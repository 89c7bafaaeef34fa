#pragma once
// The Picross rules over a board's cells, apart from any screen: the clue
// runs of a line, when a clue is met, the two win tests and the loss test.
#include <vector>

namespace sorvanta {

// One Picross cell as the rules see it.
struct PicrossCell {
  bool picture = false;  // part of the picture
  bool acted = false;    // acted on, rightly or wrongly (odkryte)
  bool failed = false;   // the action was a mistake (zepsute)
};
using PicrossLine = std::vector<PicrossCell>;  // a row left to right, a column top down

// One clue of a line: a run of length picture cells from start. Length 0 is
// the single 0 clue of a line without picture cells.
struct PicrossRun {
  int start = 0;
  int length = 0;
};

// The runs of picture cells of a line, in line order; none for a line
// without picture cells (it shows a single 0 clue).
std::vector<PicrossRun> PicrossRuns(const std::vector<bool>& picture);
std::vector<PicrossRun> PicrossRuns(const PicrossLine& line);

// A run clue is met once every cell of the run and the empty cell on each
// side of it, where the line has one, are acted on; a 0 clue once every cell
// of its line is acted on or failed.
bool PicrossClueMet(const PicrossLine& line, const PicrossRun& clue);

// Win test 1: every picture cell is acted on, a broken one included.
bool PicrossPictureUncovered(const std::vector<PicrossCell>& cells);

// Win test 2: every clue's visibility has faded to exactly 0 (a clue fades
// once met).
bool PicrossCluesFaded(const std::vector<float>& visibility);

// The level is lost once the mistakes exceed the allowed number.
bool PicrossLost(int mistakes, int allowed);

}  // namespace sorvanta
