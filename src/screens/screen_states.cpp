#include "screens/screen_states.h"

#include "core/states.h"
#include "screens/main_menu.h"

namespace sorvanta {

void registerScreenStates() {
  registerState(kStateMainMenu, [] { return mainMenu->mainLoop(); });
}

}  // namespace sorvanta
