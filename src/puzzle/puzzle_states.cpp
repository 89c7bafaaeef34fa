#include "puzzle/puzzle_states.h"

#include "core/states.h"
#include "puzzle/play/main_game.h"

namespace sorvanta {

void registerPuzzleStates() {
  registerState(kStateMainGame, [] { return mainGame->mainloop(); });
}

}  // namespace sorvanta
