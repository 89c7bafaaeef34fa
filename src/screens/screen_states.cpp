#include "screens/screen_states.h"

#include "core/states.h"
#include "screens/main_menu.h"
#include "screens/more_games.h"

namespace sorvanta {

void registerScreenStates() {
  registerState(kStateMainMenu, [] { return mainMenu->mainLoop(); });
  registerState(kStateMoreGames, [] { return moreGames->mainLoop(); });
}

}  // namespace sorvanta
