// The rules that move a campaign: new campaign, next level, restart, loading
// the current level, recording a win, picking a position, resumed tips.
#include <limits>

#include "campaign/campaign_links.h"
#include "campaign/level_manager.h"
#include "campaign/profile.h"
#include "core/globals.h"
#include "platform/system.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/tutorial/tutorial_tip.h"

namespace sorvanta {

namespace {
// Positions may come from a damaged profile file: the next id stops at the largest.
int nextId(int id) { return id < std::numeric_limits<int>::max() ? id + 1 : id; }
}  // namespace

std::string TutorialLevelPath(int tryb, int levelId) {
  const std::string n = std::to_string(levelId);
  if (tryb == kRulesetPicross) return bDir + "data/levelSM/level-tutorial-" + n + ".lvl";
  return bDir + "data/levels/l-tutorial" + n + ".lvl";
}

std::string TProfile::tutorialLevelPath(int levelId) const { return TutorialLevelPath(tryb, levelId); }

bool TProfile::handToPlay(const std::shared_ptr<TLevel>& level) const {
  if (!level) {
    Print("No level at this campaign position (mode " + std::to_string(tryb) + "): nothing to play");
    return false;
  }
  campaignSetLevel(level);
  return true;
}

std::string TProfile::startNew(int newTryb) {
  tryb = newTryb;
  Mode m = mode();
  *m.level = 1;
  *m.stage = 0;
  *m.end = 0;
  *m.stages = TProfileStages{};
  lekcjeTutoriala = {};
  campaignDropRunningTip();
  for (const auto& tip : campaignLevelTips())
    if (tip) lekcjeTutoriala.push_back(tip);
  QUEST_LoadActLevel();
  handToPlay(*m.inProgress);
  return kStateIntro;
}

std::string TProfile::QUEST_StartNewPicross() { return startNew(kRulesetPicross); }

std::string TProfile::QUEST_StartNewFill() { return startNew(kRulesetFill); }

int TProfile::QUEST_LoadActLevel() {
  // Every mode but Picross reads the Fill position and file, with tryb as the set.
  const Mode fields = modeOf(tryb == kRulesetPicross ? kRulesetPicross : kRulesetFill);
  const int stage = *fields.stage, level = *fields.level;
  std::shared_ptr<TLevel> loaded;
  if (stage == 0)
    loaded = campaignLoadLevel(tutorialLevelPath(level));
  else if (levelManager)
    loaded = levelManager->LoadLevelByStageAndLevelId(level, stage, tryb);
  *fields.inProgress = loaded;
  tool = 0;
  return 0;
}

std::string TProfile::QUEST_RestartLevel() {
  QUEST_LoadActLevel();
  Mode m = mode();
  tool = 0;
  return handToPlay(m.inProgress ? *m.inProgress : nullptr) ? kStateMainGame : kStateMapScreen;
}

int TProfile::QUEST_PutData(int value) {
  Mode m = mode();
  if (!m.stage) return 0;
  if (auto level = QUEST_GetLevelData(*m.stage, *m.level)) level->played = value;
  // A win: a game ended on its summary resumes where the summary leads
  // (the next level, or the stage or map screen), never on the solved board.
  // Whatever the player picks there stores its own resume screen.
  if (value != 0) SetActScreen(kStateNextLevel);
  return 0;
}

int TProfile::QUEST_SetLevelAndStage(int stageId, int levelId) {
  Mode m = mode();
  if (!m.stage) return 0;
  *m.stage = stageId;
  *m.level = levelId;
  return 0;
}

std::shared_ptr<TStage> TProfile::QUEST_GetActStage() {
  Mode m = mode();
  if (!m.stage || *m.stage == 0 || !levelManager) return nullptr;
  return levelManager->getStageById(*m.stage, m.set);
}

int TProfile::QUEST_PrepareTutorialForActLevel() {
  Mode m = mode();
  if (!m.level) return 0;
  for (const auto& tip : campaignLevelTips())
    if (tip && tip->numerLevelu == *m.level && !HaveTip(tip->id)) lekcjeTutoriala.push_back(tip);
  return 0;
}

std::string TProfile::leaveWonLevelFor(const std::string& screen) {
  // The won board must not stay in progress under the next position: after a
  // kill, "Continue" would play it solved and credit the win to a level never
  // played. The next level's fresh board takes its place, and the screen
  // the player goes to is where the campaign resumes.
  SetActScreen(screen);
  QUEST_LoadActLevel();
  return screen;
}

std::string TProfile::QUEST_NextLevel() {
  // The tutorial takes the Fill fields for every mode but Picross.
  const bool picross = tryb == kRulesetPicross;
  const Mode fields = modeOf(picross ? kRulesetPicross : kRulesetFill);
  int& stage = *fields.stage;
  int& level = *fields.level;
  if (stage == 0) {
    // A level id past the last (a profile written against other data) ends the tutorial too.
    if (level >= (picross ? kPicrossTutorialLevels : kFillTutorialLevels)) {
      stage = 1;
      level = 1;
      return leaveWonLevelFor(kStateMapScreen);
    }
    level = nextId(level);
    auto& inProgress = *fields.inProgress;
    inProgress = campaignLoadLevel(tutorialLevelPath(level));
    return handToPlay(inProgress) ? kStateMainGame : kStateMapScreen;
  }

  Mode m = mode();
  if (!m.stages) return "";
  auto catalogued = levelManager ? levelManager->getStageById(stage, m.set) : nullptr;
  if (!catalogued) {
    // A stage this campaign's catalogue lacks: back to the map, records untouched.
    Print("Stage " + std::to_string(stage) + " is not in the catalogue of mode " + std::to_string(tryb) +
          ": back to the map");
    return kStateMapScreen;
  }
  if (level != static_cast<int>(catalogued->levels.size())) {
    level = nextId(level);
    QUEST_GetLevelData(stage, level)->unlocked = 1;
    campaignStageScreenNoPrepare();
    return leaveWonLevelFor(kStateStageScreen);
  }
  QUEST_GetStageData(stage)->played = 1;
  const bool last = stage >= static_cast<int>(levelManager->stagesOf(m.set)->size());
  stage = nextId(stage);
  if (last) {
    *m.end = 1;
    stage = 1;
    level = 1;
    SetActScreen(kStateMapScreen);
    *m.inProgress = nullptr;
    return kStateOutro;
  }
  QUEST_GetStageData(stage)->unlocked = 1;
  level = 1;
  QUEST_GetLevelData(stage, 1)->unlocked = 1;
  return leaveWonLevelFor(kStateMapScreen);
}

}  // namespace sorvanta
