#include "campaign/campaign_states.h"

#include <functional>
#include <string>

#include "campaign/profile_manager.h"
#include "core/states.h"
#include "platform/system.h"

namespace sorvanta {

// The campaign steps act on the current player; without one there is
// nothing to step, so the menu comes back.
void registerProfileStep(const char *state, std::function<std::string(TProfile &)> step) {
  registerState(state, [state, step = std::move(step)]() -> std::string {
    auto profile = profileManager ? profileManager->profile : nullptr;
    if (!profile) {
      Print(std::string("No current player for state ") + state + ": back to MAIN-MENU");
      return kStateMainMenu;
    }
    return step(*profile);
  });
}

void registerCampaignStates() {
  registerProfileStep(kStateNewGamePicross, [](TProfile &p) { return p.QUEST_StartNewPicross(); });
  registerProfileStep(kStateNewGameFill, [](TProfile &p) { return p.QUEST_StartNewFill(); });
  // What the step unlocks or ends is written before the next screen runs.
  registerProfileStep(kStateNextLevel, [](TProfile &p) {
    const std::string next = p.QUEST_NextLevel();
    profileManager->saveProfiles();
    return next;
  });
  registerProfileStep(kStateRestartLevel, [](TProfile &p) { return p.QUEST_RestartLevel(); });
}

}  // namespace sorvanta
