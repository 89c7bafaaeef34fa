// The Picross ruleset's input: hover and cell updates, drags into straight
// lines, the quick click, line actions with their stagger, and the win and
// lose tests.
#include <cstdlib>

#include "gui/mouse.h"
#include "platform/input.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"
#include "puzzle/board/number.h"
#include "puzzle/board/picross_board.h"
#include "puzzle/play/main_game.h"

namespace sorvanta {

namespace {
constexpr int kLineStagger = 75;  // ms between the cells of one line
}

int TMainGame::_updateTilesOverMesalor() {
  if (!mouse->leftHolded && !mouse->rightHolded && !mouse->inRect(lFrameX, lFrameY, lFrameW, lFrameH))
    aOverTile = nullptr;
  overClick = actionType == 1 ? 0 : 1;
  for (const auto& t : level->atiles.all())
    if (t && t->update() == 1) aOverTile = t;
  if (PicrossPictureUncovered(PicrossCellsOf(*level))) WIN();
  if (state != kPlayNormal) return 0;  // the level has ended this frame
  if (actionType == 0 || actionType == 1) _updateMesalorTilePlay();
  return 0;
}

int TMainGame::_updateMesalorTilePlay() {
  if (!mouse->leftHolded && !mouse->rightHolded) {
    // A press seen held in one frame only never computed a line: it acts on
    // its start cell, as a longer press on one cell does.
    if (overTiles.empty() && holdedTile && holdedType != 0) overTiles.push_back(holdedTile);
    if (!overTiles.empty()) {
      const bool uncover = (holdedType == 1) == (actionType == 0);
      if (uncover)
        ShowTilesMesalor(overTiles);
      else
        BrakeTilesMesalor(overTiles);
    }
    holdedTile = nullptr;
    overTiles.clear();
    holdedType = 0;
  } else {
    _updateMouseHolded();
  }
  _updateMesalorStandardAction();
  return 0;
}

int TMainGame::_updateMouseHolded() {
  const bool left = mouse->leftHolded, right = mouse->rightHolded;
  if ((left && holdedType == 2) || (right && holdedType == 1) || (left && right)) {
    mouse->clear();
    FlushMouse();
    aOverTile = nullptr;
    overTiles.clear();
    holdedTile = nullptr;  // a cancelled drag acts on nothing at its release
    holdedType = 0;
    return 0;
  }
  holdedType = left ? 1 : 2;
  if (aOverTile) {
    if (!holdedTile)
      holdedTile = aOverTile;
    else
      overTiles = GetTilesFromTo(holdedTile, aOverTile);
  }
  aOverTile = nullptr;
  return 0;
}

int TMainGame::_updateMesalorStandardAction() {
  if (!aOverTile) return 0;
  const auto t = aOverTile;
  if (mouse->leftPressed) {
    if (actionType == 0) ShowTileMesalor(t, 0);
    else BrakeTileMesalor(t, 0);
  }
  if (mouse->rightPressed) {
    if (actionType == 0) BrakeTileMesalor(t, 0);
    else ShowTileMesalor(t, 0);
  }
  return 0;
}

std::list<std::shared_ptr<TATile>> TMainGame::GetTilesFromTo(const std::shared_ptr<TATile>& from,
                                                             const std::shared_ptr<TATile>& to) {
  std::list<std::shared_ptr<TATile>> line;
  if (!from || !to || !level) return line;
  const int dr = from->r - to->r, dc = from->c - to->c;
  if (std::abs(dr) > std::abs(dc)) {
    const int step = to->r >= from->r ? 1 : -1;
    for (int r = from->r;; r += step) {
      if (auto t = level->atiles.get(r, from->c)) line.push_back(t);
      if (r == to->r) break;
    }
  } else {
    const int step = to->c >= from->c ? 1 : -1;
    for (int c = from->c;; c += step) {
      if (auto t = level->atiles.get(from->r, c)) line.push_back(t);
      if (c == to->c) break;
    }
  }
  return line;
}

int TMainGame::ShowTilesMesalor(const std::list<std::shared_ptr<TATile>>& tiles) {
  int delay = 0;
  for (const auto& t : tiles)
    if (ShowTileMesalor(t, delay) == 0) delay += kLineStagger;
  return 0;
}

int TMainGame::BrakeTilesMesalor(const std::list<std::shared_ptr<TATile>>& tiles) {
  int delay = 0;
  for (const auto& t : tiles)
    if (BrakeTileMesalor(t, delay) == 0) delay += kLineStagger;
  return 0;
}

int TMainGame::ShowTileMesalor(const std::shared_ptr<TATile>& tile, int delay) {
  if (!tile || tile->odkryte || tile->zepsute) return 1;
  tile->ShowMe(delay);
  return 0;
}

int TMainGame::BrakeTileMesalor(const std::shared_ptr<TATile>& tile, int delay) {
  if (!tile || tile->odkryte || tile->zepsute) return 1;
  tile->BrakeMe(delay);
  return 0;
}

int TMainGame::_updateNumbers() {
  if (state != kPlayNormal) return 0;  // an earlier test of this frame ended the level
  std::vector<float> visibility;
  for (const auto& row : level->numberRows) {
    row->update();
    for (const auto& n : row->list) visibility.push_back(n->a);
  }
  for (const auto& col : level->numberCols) {
    col->update();
    for (const auto& n : col->list) visibility.push_back(n->a);
  }
  if (PicrossCluesFaded(visibility)) WIN();
  return 0;
}

int TMainGame::_updateLoseMesalor() {
  if (state != kPlayNormal) return 0;
  if (PicrossLost(level->mistakes, level->COUNT_MaxMistakes())) LOSE();
  return 0;
}

}  // namespace sorvanta
