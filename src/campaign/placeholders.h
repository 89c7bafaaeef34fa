#pragma once
// Stand-ins for the campaign, menu and story singletons that the application
// core calls, with the least behaviour the core needs: set-ups that load
// nothing, screens that return a fixed next state, no players. The campaign
// code replaces them (the map, stage and story screens in their own folders).
#include <memory>
#include <string>

#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TStage {};

// One player's record and campaign state.
class TProfile {
 public:
  virtual ~TProfile() = default;
  int tryb = 1;  // 1 Picross, 0 Fill
  int actLevelId_Picross = 0, actLevelId_Fill = 0;
  int actStageId_Picross = 0, actStageId_Fill = 0;  // 0: the tutorial stage

  virtual int Save() { return 0; }
  virtual std::string QUEST_StartNewPicross() { return kStateIntro; }
  virtual std::string QUEST_StartNewFill() { return kStateIntro; }
  virtual std::string QUEST_NextLevel() { return kStateMapScreen; }
  virtual std::string QUEST_RestartLevel() { return kStateMainGame; }
  virtual std::shared_ptr<TStage> QUEST_GetActStage() { return nullptr; }
};

class TProfileManager : public TEkran {
 public:
  std::shared_ptr<TProfile> profile;  // the current player, none without players
  virtual void loadProfiles() {}
  // With no players there is nothing to write.
  virtual void saveProfiles() {}
  virtual int mainLoop() { return 0; }
};

class TProfileName : public TEkran {};

class TMoreGames {
 public:
  virtual ~TMoreGames() = default;
  virtual std::string mainLoop() { return kStateMainMenu; }
};

class TLevelManager : public TEkran {};

class TMapScreen : public TEkran {
 public:
  virtual std::string mainloop() { return kStateMainMenu; }
};

class TStageScreen : public TEkran {
 public:
  virtual std::string mainloop(std::shared_ptr<TStage>) { return kStateMapScreen; }
};

class TPickTryb : public TEkran {};

class TCredits : public TEkran {
 public:
  virtual int mainLoop(std::shared_ptr<TEkran>) { return 0; }
};

class TOutro : public TEkran {
 public:
  virtual std::string mainloop() { return kStateMainMenu; }
  virtual void pause() {}
  virtual void unpause() {}
};

class TQuestContinue : public TEkran {};

extern std::shared_ptr<TProfileManager> profileManager;
extern std::shared_ptr<TProfileName> profileName;
extern std::shared_ptr<TMoreGames> moreGames;
extern std::shared_ptr<TLevelManager> levelManager;
extern std::shared_ptr<TMapScreen> mapScreen;
extern std::shared_ptr<TStageScreen> stageScreen;
extern std::shared_ptr<TPickTryb> pickTryb;
extern std::shared_ptr<TCredits> credits;
extern std::shared_ptr<TOutro> outro;
extern std::shared_ptr<TQuestContinue> continueQuest;

}  // namespace sorvanta
