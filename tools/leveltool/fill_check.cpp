// The validator's Fill rules: known colours, clues that count what they
// claim, the stored board extent, a palette the side panel can show, and
// one way to win.
#include <algorithm>
#include <cmath>

#include "formats/rcm_file.h"
#include "formats/text_utils.h"
#include "gui/img.h"
#include "leveltool/fill_solver.h"
#include "leveltool/level_check_parts.h"
#include "platform/strings.h"
#include "puzzle/board/color.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"
#include "puzzle/fill/fill_rules.h"

namespace sorvanta {

namespace {

// The side panel shows the palette three entries a row in three rows: the
// cross entry and eight colours.
constexpr int kMaxColours = 8;

std::string piece(const std::vector<std::string>& p, size_t i) { return i < p.size() ? p[i] : std::string(); }

// The stored cell: what the game's reader makes of it, but with every id
// kept, since the reader drops ids that name no colour without a word.
struct Cell {
  int count = 0, showCount = 0, isResolved = 0;
  int clue = 0, colour = 0;  // ids, 0 for none
  bool painted = false, crossed = false;
};

Cell readCell(const std::vector<std::string>& p, const std::string& where, Findings& f, bool& idsOk) {
  Cell cell;
  const std::vector<std::string> first = rozbijTekst(piece(p, 0), " ", "", "");
  cell.count = first.size() > 0 ? TextToInt(first[0]) : 0;
  cell.showCount = first.size() > 1 ? TextToInt(first[1]) : 0;
  cell.isResolved = first.size() > 2 ? TextToInt(first[2]) : 0;
  auto id = [&](const std::string& field, const char* what, int low) {
    if (field.empty()) return 0;
    const int v = TextToInt(field);
    if (!getColorById(v) || v < low || v >= kColorIdLimit) idsOk = false;
    if (!getColorById(v))
      f.fail("colour-id", where + ": " + what + " colour id " + field + " is not in data/colors.dat");
    else if (v < low || v >= kColorIdLimit)
      f.fail("colour-id", where + ": " + what + " colour id " + field + " lies outside " + std::to_string(low) + ".." +
                              std::to_string(kColorIdLimit - 1));
    return v;
  };
  cell.clue = id(piece(p, 1), "clue", kCrossColorId);
  cell.colour = id(piece(p, 2), "solution", kCrossColorId + 1);
  cell.painted = !piece(p, 3).empty();
  cell.crossed = !piece(p, 4).empty();
  if (cell.painted || cell.crossed || cell.isResolved != 0)
    f.fail("player-state", where + ": cell \"" + piece(p, 0) + "|" + piece(p, 1) + "|" + piece(p, 2) + "|" +
                               piece(p, 3) + "|" + piece(p, 4) + "\" holds paint, crosses or a resolved flag");
  return cell;
}

}  // namespace

void CheckFill(const StoredLevel& s, Findings& f) {
  const int rows = s.rows, cols = s.cols;
  std::vector<Cell> cells;
  FillPuzzle puzzle{rows, cols, {}, {}};
  bool idsOk = true;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      cells.push_back(readCell(s.at(r, c), CellName(r, c), f, idsOk));
      puzzle.solution.push_back(cells.back().colour);
    }

  // Clue counts are stored, never recomputed by the game: a wrong one makes a
  // level that cannot be won. The stored solution, painted, must meet every
  // clue as the game counts it.
  FillBoard painted(rows, cols);
  for (int i = 0; i < rows * cols; ++i) {
    painted.solution[i] = painted.paint[i] = cells[i].colour != 0 ? cells[i].colour : kNoColour;
    painted.clue[i] = cells[i].clue != 0 ? cells[i].clue : kNoColour;
    painted.count[i] = cells[i].count;
  }
  FillRecount(painted);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const Cell& cell = cells[r * cols + c];
      const std::string where = CellName(r, c);
      if (cell.clue == 0) {
        if (cell.count != 0 || cell.showCount != 0)
          f.fail("clue", where + ": count " + std::to_string(cell.count) + " shown " + std::to_string(cell.showCount) +
                             " without a clue colour");
        continue;
      }
      if (cell.showCount != 1)
        f.fail("clue", where + ": the clue is not shown (showCount " + std::to_string(cell.showCount) + ")");
      if (cell.clue == kCrossColorId) {
        int coloured = 0;
        for (int dr = -1; dr <= 1; ++dr)
          for (int dc = -1; dc <= 1; ++dc)
            if (r + dr >= 0 && r + dr < rows && c + dc >= 0 && c + dc < cols &&
                cells[(r + dr) * cols + c + dc].colour != 0)
              ++coloured;
        if (cell.count != 0 || coloured != 0)
          f.fail("clue", where + ": zero clue of count " + std::to_string(cell.count) + " over " +
                             std::to_string(coloured) + " coloured cells");
      } else {
        const int i = painted.index(r, c);
        if (!FillClueMet(painted.clue[i], painted.count[i], painted.userCount[i]))
          f.fail("clue", where + ": clue of colour " + std::to_string(cell.clue) + " says " +
                             std::to_string(cell.count) + ", its block holds " + std::to_string(painted.userCount[i]));
      }
      if (cell.colour != 0 && cell.colour != cell.clue)
        f.fail("clue", where + ": a clue of colour " + std::to_string(cell.clue) + " on a cell of colour " +
                           std::to_string(cell.colour));
      puzzle.clues.push_back({r, c, cell.clue, cell.count});
    }

  const float wantX = cols * ImgWidth(TTile::empty[s.level->size]),
              wantY = rows * ImgHeight(TTile::empty[s.level->size]);
  const float x = s.file->getFloat("level::data::position", 0, 0), y = s.file->getFloat("level::data::position", 1, 0);
  if (x != wantX || y != wantY)
    f.fail("position", "position " + std::to_string(static_cast<int>(x)) + ", " + std::to_string(static_cast<int>(y)) +
                           " is not the board's " + std::to_string(static_cast<int>(wantX)) + ", " +
                           std::to_string(static_cast<int>(wantY)));

  std::vector<int> palette;
  for (int id : puzzle.solution)
    if (id != 0 && std::find(palette.begin(), palette.end(), id) == palette.end()) palette.push_back(id);
  if (palette.size() > static_cast<size_t>(kMaxColours))
    f.fail("palette", std::to_string(palette.size()) + " colours; the side panel shows " + std::to_string(kMaxColours));

  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const int colour = puzzle.solution[r * cols + c];
      if (colour == 0) continue;
      const bool clued = std::any_of(puzzle.clues.begin(), puzzle.clues.end(), [&](const FillClue& k) {
        return k.colour == colour && std::abs(k.r - r) <= 1 && std::abs(k.c - c) <= 1;
      });
      if (!clued)
        f.warn("unclued",
               CellName(r, c) + ": colour " + std::to_string(colour) + " lies in no block of a clue of its colour");
    }

  if (!idsOk) return;  // the solver works on the colour table's ids only
  const FillSolveResult result = SolveFill(puzzle);
  if (result.gaveUp) {
    f.fail("unique", "the search gave up before it could tell whether another paint wins");
  } else if (result.solutions == 0) {
    f.fail("unique", "no paint satisfies the clues and colour totals");
  } else if (result.solutions >= 2 || result.first != puzzle.solution) {
    const std::vector<int>& other = result.first != puzzle.solution ? result.first : result.second;
    size_t at = 0;
    while (at < other.size() && other[at] == puzzle.solution[at]) ++at;
    f.fail("unique", "another paint also wins: " + CellName(static_cast<int>(at) / cols, static_cast<int>(at) % cols) +
                         " holds colour " + std::to_string(other[at]) + " there, " +
                         std::to_string(puzzle.solution[at]) + " in the stored solution");
  }
}

}  // namespace sorvanta
