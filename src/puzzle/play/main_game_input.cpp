// The play screen's hint steps and the Picross tool selector.
#include "core/globals.h"
#include "gui/mouse.h"
#include "platform/input.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "puzzle/board/player_link.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/board/tile.h"
#include "puzzle/play/main_game.h"
#include "sound/global_snd.h"

namespace sorvanta {

int TMainGame::_updateHintParticles(int r, int c) {
  if (!level) return 0;
  if (level->tryb == kRulesetFill) {
    if (auto t = level->tile.get(r, c)) t->_updateHintParticles();
  } else if (auto t = level->atiles.get(r, c)) {
    t->_updateHintParticles();
  }
  return 0;
}

int TMainGame::_updateTrelmoHint() {
  if (!overTile) return 0;
  const int r = overTile->r, c = overTile->c;
  for (int i = r - 1; i <= r + 1; ++i)
    for (int j = c - 1; j <= c + 1; ++j) _updateHintParticles(i, j);
  if (mouse->leftPressed) {
    if (globalSnd) globalSnd->playMySound("hint");
    level->ResolveTrelmoTiles(r - 1, c - 1, 3, 3);
    mouse->clear();
    FlushMouse();
    trelmoActionType = 0;
  }
  return 0;
}

int TMainGame::_updateHintsOver() {
  overHint = nullptr;
  for (const auto& h : level->hints)
    if (h && h->over()) overHint = h;
  if (PlayerTryb(level->tryb) == kRulesetFill) {
    if (trelmoActionType == 1) {
      if ((mouse->leftPressed && overHint) || mouse->rightPressed) {
        if (lastPickedHint) lastPickedHint->Reuse();
        trelmoActionType = 0;
        return 0;
      }
    } else if (overHint && overHint->t == 1) {
      overHint = nullptr;
    }
  }
  if (overHint && mouse->leftPressed && overHint->t != 1) {
    overHint->use();
    lastPickedHint = overHint;
    if (level->tryb == kRulesetFill)
      trelmoActionType = 1;
    else
      overHint->Fly(level);
  }
  return 0;
}

int TMainGame::_updateGameTryb() {
  if (trelmoActionType == 1) _updateTrelmoHint();
  return 0;
}

int TMainGame::_updateTools() {
  const int tool = PlayerTool();
  const float target = static_cast<float>(tool);
  const float step = 0.05f * delta;
  if (oldTool < target) oldTool = oldTool + step > target ? target : oldTool + step;
  else if (oldTool > target) oldTool = oldTool - step < target ? target : oldTool - step;
  const float w = static_cast<float>(toolsW);
  overTool = -1;
  if (mouse->inRect(static_cast<float>(toolsX), static_cast<float>(toolsY), w, w)) overTool = 0;
  if (mouse->inRect(static_cast<float>(toolsX + toolsW), static_cast<float>(toolsY), w, w)) overTool = 1;
  if (overTool >= 0 && mouse->leftPressed && overTool != tool) {
    oldTool = target;
    PlayerSetTool(overTool);
  }
  // Seen by the board from the next frame on: the board ran before this.
  actionType = PlayerTool();
  return 0;
}

}  // namespace sorvanta
