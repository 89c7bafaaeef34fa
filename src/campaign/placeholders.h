#pragma once
// Stand-ins for the menu, map and story singletons that the application core
// calls, with the least behaviour the core needs: set-ups that load nothing,
// screens that return a fixed next state. Their
// own code replaces them (the map, stage and story screens in their folders).
#include <memory>
#include <string>

#include "campaign/level_manager.h"
#include "campaign/profile.h"
#include "campaign/profile_manager.h"
#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TMoreGames {
 public:
  virtual ~TMoreGames() = default;
  virtual std::string mainLoop() { return kStateMainMenu; }
};

class TMapScreen : public TEkran {
 public:
  virtual std::string mainloop() { return kStateMainMenu; }
};

class TStageScreen : public TEkran {
 public:
  int noPrepare = 0;  // set by the campaign when play hands over straight to this screen
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
extern std::shared_ptr<TMoreGames> moreGames;
extern std::shared_ptr<TMapScreen> mapScreen;
extern std::shared_ptr<TStageScreen> stageScreen;
extern std::shared_ptr<TPickTryb> pickTryb;
extern std::shared_ptr<TCredits> credits;
extern std::shared_ptr<TOutro> outro;
extern std::shared_ptr<TQuestContinue> continueQuest;

}  // namespace sorvanta
