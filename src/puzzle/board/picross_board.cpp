// A level's Picross cells as the rules see them.
#include "puzzle/board/picross_board.h"

#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"

namespace sorvanta {

PicrossCell PicrossCellOf(const TATile* cell) {
  if (!cell) return {};
  return {cell->td != nullptr, cell->odkryte != 0, cell->zepsute != 0};
}

PicrossLine PicrossRowOf(const TLevel& level, int r) {
  PicrossLine line;
  for (int c = 0; c < level.atiles.cols(); ++c)
    if (auto cell = level.atiles.get(r, c)) line.push_back(PicrossCellOf(cell.get()));
  return line;
}

PicrossLine PicrossColOf(const TLevel& level, int c) {
  PicrossLine line;
  for (int r = 0; r < level.atiles.rows(); ++r)
    if (auto cell = level.atiles.get(r, c)) line.push_back(PicrossCellOf(cell.get()));
  return line;
}

std::vector<PicrossCell> PicrossCellsOf(const TLevel& level) {
  std::vector<PicrossCell> cells;
  for (const auto& cell : level.atiles.all()) cells.push_back(PicrossCellOf(cell.get()));
  return cells;
}

}  // namespace sorvanta
