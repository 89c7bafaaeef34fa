#pragma once
// Stand-ins for the campaign, menu and story singletons that the application
// core calls, with the least behaviour the core needs: set-ups that load
// nothing, screens that return a fixed next state, one player in memory who
// plays the tutorial levels. The campaign
// code replaces them (the map, stage and story screens in their own folders).
#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TStage {};

class TLevel;

// One player's record and campaign state. The stand-in player lives in
// memory only: it plays the tutorial levels of either mode, remembers which
// it has played this run, and is never saved.
class TProfile {
 public:
  virtual ~TProfile() = default;
  int tryb = 1;  // 1 Picross, 0 Fill
  int tool = 0;  // Picross tool: 0 hand, 1 hook
  std::string gameType = "NORMAL";
  int actLevelId_Picross = 1, actLevelId_Fill = 1;
  int actStageId_Picross = 0, actStageId_Fill = 0;  // 0: the tutorial stage
  std::string screenPicross = kStateMainGame, screenFill = kStateMainGame;  // where each mode resumes
  std::set<std::tuple<int, int, int>> played;  // (mode, stage, level) won this run
  std::shared_ptr<TLevel> levelPicross, levelFill;  // the levels in progress

  virtual int Save() { return 0; }
  // Records the state at which the current mode resumes.
  virtual int SetActScreen(const std::string& s);
  // Marks the current level of the current mode played.
  virtual int QUEST_PutData(int isPlayed);
  // Index of the current level in its mode's list of level names.
  virtual int CountLevelNumber() const;
  virtual std::string QUEST_StartNewPicross();
  virtual std::string QUEST_StartNewFill();
  // The next tutorial level ("MAIN-GAME"); after the last, the map.
  virtual std::string QUEST_NextLevel();
  virtual std::string QUEST_RestartLevel();
  virtual std::shared_ptr<TStage> QUEST_GetActStage() { return nullptr; }
  // The file of tutorial level n of mode m.
  virtual std::string tutorialLevelPath(int m, int n) const;
  // Tutorial levels of mode m: 3 Picross, 7 Fill.
  static int tutorialLevels(int m) { return m == 1 ? 3 : 7; }

 protected:
  // Loads the current level of the current mode and hands it to the play
  // screen.
  virtual void loadActLevel();
  int& actLevel() { return tryb == 1 ? actLevelId_Picross : actLevelId_Fill; }
  int& actStage() { return tryb == 1 ? actStageId_Picross : actStageId_Fill; }
};

class TProfileManager : public TEkran {
 public:
  std::shared_ptr<TProfile> profile;  // the current player, none without players
  // The stand-in makes its one player in memory.
  virtual void loadProfiles();
  // The in-memory player is never written.
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

class TIntro : public TEkran {
 public:
  virtual std::string mainloop() { return kStateMainGame; }
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
extern std::shared_ptr<TIntro> intro;
extern std::shared_ptr<TQuestContinue> continueQuest;

}  // namespace sorvanta
