// Registers the map's states with the state machine.
#include "map/map_states.h"

#include "campaign/campaign_states.h"
#include "campaign/profile_manager.h"
#include "core/states.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"

namespace sorvanta {

void registerMapStates() {
  registerState(kStateMapScreen, [] { return mapScreen->mainloop(); });
  registerProfileStep(kStateStageScreen, [](TProfile& p) { return stageScreen->mainloop(p.QUEST_GetActStage()); });
}

}  // namespace sorvanta
