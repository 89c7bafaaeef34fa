#include "app/loading_steps.h"

#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "core/globals.h"
#include "effects/particle.h"
#include "gui/mouse.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"
#include "platform/image.h"
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/flying_rock.h"
#include "puzzle/puzzle_play.h"
#include "screens/credits.h"
#include "screens/loading_screen.h"
#include "screens/main_menu.h"
#include "screens/more_games.h"
#include "screens/options.h"
#include "screens/pick_tryb.h"
#include "screens/pop_up.h"
#include "screens/profile_name.h"
#include "screens/quest_continue.h"
#include "sound/global_snd.h"
#include "story/intro.h"
#include "story/outro.h"

namespace sorvanta {

void addLoadingSteps(TLoadingScreen& screen) {
  // Each step reads its singleton when it runs.
  screen.phases = {{
      {
          [] { mainGame->setup(); },
      },
      {
          [] { setupTiles(); },
          [] { levelManager->setup(); },
          [] { pickTryb->setup(); },
          [] { outro->setup(); },
          [] { intro->setup(); },
          [] { continueQuest->setup(); },
          [] { setupFlyingAddHints(); },
      },
      {
          [] {
            setupColors();
            TMouse::img = LoadImage(bDir + "gfx/cursor.png", -1);
            if (TMouse::img) SetImageHandle(TMouse::img, 2, 2);
          },
          [] { mapScreen->setup(); },
          [] { stageScreen->setup(); },
          [] { setupFlyingRocks(); },
      },
      {
          [] { mainMenu->setup(); },
          [] { profileName->setup(); },
          [] { popUp->setup(); },
          [] { setupParticles(); },
          [] { globalSnd->setup(); },
          [] { options->loadLastMusic(); },
      },
      {
          [] { levelSummary->setup(); },
          [] { profileManager->setup(); },
          [] { options->setup(); },
          [] { loseScreen->setup(); },
          [] { SetupNumbers(); },
          [] { credits->setup(); },
          [] { tutorial->setup(); },
      },
  }};
}

}  // namespace sorvanta
