// The play screen's operations that landing effects call.
#include <climits>

#include "puzzle/board/level.h"
#include "puzzle/play/main_game.h"

namespace sorvanta {

int TMainGame::AddMistake() {
  // A count read from a damaged file may sit at the limit already.
  if (level && level->mistakes < INT_MAX) level->mistakes += 1;
  return 0;
}

int TMainGame::AddHintPower() {
  if (level) level->AddHintPower();
  return 0;
}

}  // namespace sorvanta
