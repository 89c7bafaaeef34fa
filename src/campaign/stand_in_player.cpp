// The stand-in player: the tutorial levels of both modes, in memory.
#include "campaign/placeholders.h"
#include "core/globals.h"
#include "puzzle/level.h"
#include "puzzle/level_file.h"
#include "puzzle/main_game.h"

namespace sorvanta {

int TProfile::SetActScreen(const std::string& s) {
  if (tryb == 1) screenPicross = s;
  if (tryb == 0) screenFill = s;
  return 0;
}

int TProfile::QUEST_PutData(int isPlayed) {
  if (isPlayed) played.insert({tryb, actStage(), actLevel()});
  return 0;
}

int TProfile::CountLevelNumber() const {
  return (tryb == 1 ? actLevelId_Picross : actLevelId_Fill) - 1;
}

std::string TProfile::tutorialLevelPath(int m, int n) const {
  return m == 1 ? bDir + "data/levelSM/level-tutorial-" + std::to_string(n) + ".lvl"
                : bDir + "data/levels/l-tutorial" + std::to_string(n) + ".lvl";
}

void TProfile::loadActLevel() {
  auto level = LoadLevel(tutorialLevelPath(tryb, actLevel()));
  (tryb == 1 ? levelPicross : levelFill) = level;
  if (mainGame) mainGame->setLevel(level);
}

std::string TProfile::QUEST_StartNewPicross() {
  tryb = 1;
  actStageId_Picross = 0;
  actLevelId_Picross = 1;
  loadActLevel();
  return kStateIntro;
}

std::string TProfile::QUEST_StartNewFill() {
  tryb = 0;
  actStageId_Fill = 0;
  actLevelId_Fill = 1;
  loadActLevel();
  return kStateIntro;
}

std::string TProfile::QUEST_NextLevel() {
  if (actStage() == 0 && actLevel() < tutorialLevels(tryb)) {
    actLevel() += 1;
    loadActLevel();
    return kStateMainGame;
  }
  // Beyond the tutorial lies the map, which the stand-in does not have.
  actStage() = 1;
  actLevel() = 1;
  return kStateMapScreen;
}

std::string TProfile::QUEST_RestartLevel() {
  loadActLevel();
  return kStateMainGame;
}

void TProfileManager::loadProfiles() {
  if (!profile) profile = std::make_shared<TProfile>();
}

}  // namespace sorvanta
