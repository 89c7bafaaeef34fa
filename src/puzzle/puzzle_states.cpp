#include "puzzle/puzzle_states.h"

#include "core/states.h"
#include "puzzle/placeholders.h"

namespace sorvanta {

void registerPuzzleStates() {
  registerState(kStateMainGame, [] { return mainGame->mainloop(); });
}

}  // namespace sorvanta
