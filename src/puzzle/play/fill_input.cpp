// The Fill ruleset's input: the hovered cell, the colour tallies, strokes of
// paint and crosses, the solution check and the palette.
#include "core/frame.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "puzzle/board/color.h"
#include "puzzle/board/fill_board.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"
#include "puzzle/play/main_game.h"

namespace sorvanta {

namespace {

bool crossedWith(const TTile& t, const std::shared_ptr<TColor>& c) {
  for (const auto& x : t.xList)
    if (x == c) return true;
  return false;
}

}  // namespace

int TMainGame::_updateTilesOver() {
  overTile = nullptr;
  oRow = -1;
  oCol = -1;
  // A click pressed and released between two polls (a touchpad tap) is
  // never seen held: it counts as held for this one frame, a one-cell stroke.
  const int left = mouse->leftHolded || mouse->leftPressed ? 1 : 0;
  const int right = mouse->rightHolded || mouse->rightPressed ? 1 : 0;
  const int rows = level->tile.rows(), cols = level->tile.cols();
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const auto t = level->tile.get(r, c);
      if (!t) continue;
      if (!left && !right) t->holded = 0;
      if (t->update() == 1) {
        overTile = t;
        oRow = r;
        oCol = c;
      }
    }
  // The board as it stood before this frame's stroke: a stroke that solves
  // it wins in the next frame.
  const FillBoard board = FillBoardOf(*level);
  const FillTallies tallies = FillColourTallies(board);
  colorsTiles = tallies.solution;
  colorsDone = tallies.paint;
  koloryOk = colorsTiles == colorsDone ? 1 : 0;
  isWin = FillCluesMet(board) ? 1 : 0;
  const bool won = FillWon(board);
  if (trelmoActionType != 0) return 0;

  if (overTile && left && !lastMouseLeftHolded) {
    badTiles.clear();
    if (pickedColor && pickedColor->id == kCrossColorId)
      action = crossedWith(*overTile, lastColor) ? 0 : 1;
    else
      action = overTile->putColor ? 0 : 1;
  }
  if (overTile && right && !lastMouseRightHolded) {
    badTiles.clear();
    action = crossedWith(*overTile, lastColor) ? 0 : 1;
  }
  bool rightStroke = right;
  if (overTile && left) {
    badTiles.clear();
    if (right) {
      mouse->clear();  // both buttons cancel
      rightStroke = false;
    } else if (pickedColor && overTile->holded == 0) {
      const bool free = pickedColor->id < 2 || !overTile->number;
      if (free || overTile->number == pickedColor) {
        overTile->putColorByUser2(pickedColor, action);
        overTile->holded = 1;
        if (free) level->COUNT_UserPutColorNumber();
      }
    }
  }
  if (overTile && rightStroke) {
    badTiles.clear();
    if (pickedColor && overTile->holded == 0) {
      const auto kept = lastColor;
      lastColor = pickedColor;
      overTile->putXByUser_RIGHTHOLDED(action);
      overTile->holded = 1;
      level->COUNT_UserPutColorNumber();
      lastColor = kept;
    }
  }
  dButA = 0;
  if (won)
    WIN();
  else if (isWin)
    dButA = 1;
  lastMouseLeftHolded = mouse->leftHolded || mouse->leftPressed;
  lastMouseRightHolded = mouse->rightHolded || mouse->rightPressed;
  return 0;
}

int TMainGame::_updateColorsOver() {
  overColor = nullptr;
  if (trelmoActionType != 0 || !frameImg) return 0;
  const int fw = static_cast<int>(ImgWidth(frameImg));
  const int fh = static_cast<int>(ImgHeight(frameImg));
  int k = 0, j = 0;
  for (const auto& c : level->availableColors) {
    const float x = static_cast<float>(colSX + k * (fw - 4) - fw / 2);
    const float y = static_cast<float>(colSY + j * (fh - 4) - fh / 2);
    if (mouse->inRect(x, y, static_cast<float>(fw), static_cast<float>(fh))) overColor = c;
    if (++k > 2) {
      k = 0;
      ++j;
    }
  }
  if (overColor && mouse->leftPressed) pickColor2(overColor);
  return 0;
}

}  // namespace sorvanta
