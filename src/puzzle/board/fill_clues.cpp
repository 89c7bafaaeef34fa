// Fill clue counting over the player's paint, zero-clue blocks and the
// level palette.
#include <algorithm>

#include "puzzle/board/color.h"
#include "puzzle/board/fill_board.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

int TLevel::COUNT_Single_Tile_ByUser(const std::shared_ptr<TColor>& color, int r, int c) const {
  auto cell = tile.get(r, c);
  return cell && color && cell->putColor && cell->putColor == color ? 1 : 0;
}

int TLevel::COUNT_UserPutColorNumber() {
  FillBoard board = FillBoardOf(*this);
  FillRecount(board);
  const auto& cells = tile.all();
  for (size_t i = 0; i < cells.size(); ++i)
    if (cells[i]) cells[i]->userCount = board.userCount[i];
  return 0;
}

int TLevel::COUNT_0Tiles() {
  for (int r = 0; r < tile.rows(); ++r) {
    for (int c = 0; c < tile.cols(); ++c) {
      auto cell = tile.get(r, c);
      if (!cell || !cell->number || cell->number->id != kCrossColorId) continue;
      for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) putZeroXToTile(r + dr, c + dc);
    }
  }
  return 0;
}

int TLevel::putZeroXToTile(int r, int c) {
  if (auto cell = tile.get(r, c)) cell->isZero = 1;
  return 0;
}

int TLevel::COUNT_Colors() {
  availableColors.clear();
  // A table without the cross entry was reported when it loaded; the palette
  // then starts with the first solution colour instead of holding none.
  if (auto cross = getColorById(kCrossColorId)) availableColors.push_back(cross);
  for (const auto& cell : tile.all()) {
    if (!cell || !cell->color) continue;
    if (std::find(availableColors.begin(), availableColors.end(), cell->color) == availableColors.end())
      availableColors.push_back(cell->color);
  }
  return 0;
}

}  // namespace sorvanta
