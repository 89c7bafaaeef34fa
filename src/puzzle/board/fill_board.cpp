// A level's Fill cells as the rules see them.
#include "puzzle/board/fill_board.h"

#include "puzzle/board/color.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

namespace {
// Colours are entries of the colour table, so the id names the entry.
int idOf(const std::shared_ptr<TColor>& c) { return c ? c->id : kNoColour; }
}  // namespace

FillBoard FillBoardOf(const TLevel& level) {
  FillBoard board(level.tile.rows(), level.tile.cols());
  const auto& cells = level.tile.all();
  for (size_t i = 0; i < cells.size(); ++i) {
    const auto& t = cells[i];
    if (!t) continue;
    board.solution[i] = idOf(t->color);
    board.paint[i] = idOf(t->putColor);
    board.clue[i] = idOf(t->number);
    board.count[i] = t->count;
    board.userCount[i] = t->userCount;
  }
  return board;
}

}  // namespace sorvanta
