// The play screen's hint steps and the Picross tool selector.
#include "core/globals.h"
#include "gui/mouse.h"
#include "puzzle/main_game.h"
#include "puzzle/player_link.h"

namespace sorvanta {

int TMainGame::_updateHintParticles(int, int) { return 0; }
int TMainGame::_updateTrelmoHint() { return 0; }
int TMainGame::_updateHintsOver() { return 0; }
int TMainGame::_updateGameTryb() { return 0; }

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
