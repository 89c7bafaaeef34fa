#include "core/control.h"

#include "campaign/placeholders.h"
#include "platform/system.h"
#include "puzzle/placeholders.h"

namespace sorvanta {

std::shared_ptr<TControl> control;

namespace {

// The campaign steps act on the current player; without one there is
// nothing to step, so the menu comes back.
std::shared_ptr<TProfile> currentProfile(const std::string& state) {
  auto profile = profileManager ? profileManager->profile : nullptr;
  if (!profile) Print("No current player for state " + state + ": back to MAIN-MENU");
  return profile;
}

}  // namespace

std::string TControl::runState(const std::string& state) {
  if (state == "MAIN-MENU") return mainMenu->mainLoop();
  if (state == "MAIN-GAME") return mainGame->mainloop();
  if (state == "MAP-SCREEN") return mapScreen->mainloop();
  if (state == "NEW-GAME-PICROSS" || state == "NEW-GAME-FILL" || state == "NEXT-LEVEL" ||
      state == "RESTART-LEVEL" || state == "STAGE-SCREEN") {
    auto profile = currentProfile(state);
    if (!profile) return "MAIN-MENU";
    if (state == "NEW-GAME-PICROSS") return profile->QUEST_StartNewPicross();
    if (state == "NEW-GAME-FILL") return profile->QUEST_StartNewFill();
    if (state == "NEXT-LEVEL") return profile->QUEST_NextLevel();
    if (state == "RESTART-LEVEL") return profile->QUEST_RestartLevel();
    auto stage = profile->QUEST_GetActStage();
    return stageScreen->mainloop(stage);
  }
  if (state == "MORE-GAMES") return moreGames->mainLoop();
  if (state == "INTRO") return intro->mainloop();
  if (state == "OUTRO") return outro->mainloop();
  Print("Unknown state \"" + state + "\": back to MAIN-MENU");
  return "MAIN-MENU";
}

int TControl::mainLoop() {
  where = "MAIN-MENU";
  while (where != "END") where = runState(where);
  return 0;
}

}  // namespace sorvanta
