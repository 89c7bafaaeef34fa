#pragma once
// One player's progress through both campaigns: position, resume state,
// level in progress, stage and level records, pending tutorial tips; and the
// rules that move a campaign on. Every operation but GetId, HaveTip and the
// two stage counts acts on the mode in tryb (1 Picross, 0 Fill); for any
// other value the records are neither read nor changed.
#include <list>
#include <memory>
#include <string>
#include <string_view>

#include "core/states.h"
#include "puzzle/board/ruleset.h"

namespace sorvanta {

class TLevel;
class TStage;
class TTutorialTip;
class TRCMFile;

class TProfileLevel {
 public:
  virtual ~TProfileLevel() = default;
  int id = 0;
  int played = 0;
  int unlocked = 0;
};

class TProfileStage {
 public:
  virtual ~TProfileStage() = default;
  int id = 0;
  int played = 0;    // the stage's last level has been won
  int unlocked = 0;  // kept in the file; unlock queries go by the record's existence
  int unlockShowed = 0;
  std::list<std::shared_ptr<TProfileLevel>> levels;
  int storyRead = 0;
};

using TProfileStages = std::list<std::shared_ptr<TProfileStage>>;

// The tutorial levels of each campaign, stage 0.
inline constexpr int kPicrossTutorialLevels = 3;
inline constexpr int kFillTutorialLevels = 7;

class TProfile {
 public:
  virtual ~TProfile() = default;

  std::string name;
  int tryb = kRulesetPicross;
  std::string gameType = "NORMAL";
  std::string screenPicross, screenFill;  // resume states; empty: not yet set
  int actLevelId_Picross = 0, actStageId_Picross = 0;
  int actLevelId_Fill = 0, actStageId_Fill = 0;
  int trybPicrossEnd = 0, trybFillEnd = 0;
  int tool = 0;
  std::shared_ptr<TLevel> levelPicross, levelFill;  // shared with the play screen
  TProfileStages stagesPicross, stagesFill;
  // Tips still to show, shared by both campaigns. A tip id that the tutorial
  // no longer knows reads back from a profile file as an empty entry, so
  // every walk skips none.
  std::list<std::shared_ptr<TTutorialTip>> lekcjeTutoriala;

  // Records and queries.
  // The name's UTF-16 code units in decimal joined by "_": the folder id.
  virtual std::string GetId() const;
  virtual int HaveTip(const std::string& id) const;
  // Index of the current level in the mode's list of level names.
  virtual int CountLevelNumber() const;
  virtual int QUEST_MarkStoryRead(int stageId);
  virtual int QUEST_StoryRead(int stageId) const;
  // Stages whose every level has been reached (unlocked), whatever tryb.
  virtual int QUEST_GetPicrossStagesPassed() const;
  virtual int QUEST_GetFillStagesPassed() const;
  // Find-or-create; none for a mode other than 0 and 1.
  virtual std::shared_ptr<TProfileLevel> QUEST_GetLevelData(int stageId, int levelId);
  virtual std::shared_ptr<TProfileStage> QUEST_GetStageData(int stageId);
  // 1 when the mode's campaign has a level in progress, its end, or a level
  // won or a stage past the first on record: then "play" asks before a new one.
  virtual int QUEST_CanContinue() const;
  virtual int QUEST_LevelUnlocked(int stageId, int levelId) const;
  virtual int QUEST_LevelPlayed(int stageId, int levelId) const;
  virtual int QUEST_StageUnlocked(int stageId) const;
  virtual int QUEST_StageUnlockShowed(int stageId) const;
  virtual int QUEST_StageFinished(int stageId) const;
  virtual int QUEST_UnlockShowDone(int stageId);
  virtual int SetActScreen(const std::string& state);
  virtual std::string GetActScreen() const;

  // Where one mode's campaign stands: its current stage and level and its
  // level in progress. A mode other than Fill and Picross stands nowhere:
  // stage and level 0, no level. Every picker of a mode's position asks here.
  struct Position {
    int stage = 0;
    int level = 0;
    std::shared_ptr<TLevel> inProgress;
  };
  virtual Position positionOf(int mode) const;
  Position position() const { return positionOf(tryb); }

  // Campaign rules; each returns the next state.
  virtual std::string QUEST_StartNewPicross();
  virtual std::string QUEST_StartNewFill();
  virtual std::string QUEST_NextLevel();
  // A position the catalogue has no level for gives "MAP-SCREEN" and hands
  // nothing to the play screen.
  virtual std::string QUEST_RestartLevel();
  virtual int QUEST_LoadActLevel();
  virtual int QUEST_PutData(int value);
  virtual int QUEST_SetLevelAndStage(int stageId, int levelId);
  virtual int QUEST_PrepareTutorialForActLevel();
  virtual std::shared_ptr<TStage> QUEST_GetActStage();

  // The player's folder and files. Save writes the folder named by the
  // current name; every file goes through the atomic write, "profile.dat"
  // before the level files, each level file stamped with its mode's position
  // (Load leaves out a level file of another position). A failure is
  // reported, told to the player once a run, and leaves the old files whole.
  virtual int _Save_Data(TRCMFile& file);
  virtual int _Save_Stages_Picross(TRCMFile& file);
  virtual int _Save_Stages_Fill(TRCMFile& file);
  virtual int _Save_Level();
  virtual int _Save_Tutorial(TRCMFile& file);
  virtual int Save();
  virtual int _Load_Data(TRCMFile& file);
  virtual int _Load_Stages_Picross(TRCMFile& file);
  virtual int _Load_Stages_Fill(TRCMFile& file);
  virtual int _Load_Levels(const std::string& folder);
  virtual int _Load_Tutorial(TRCMFile& file);
  virtual int Load(const std::string& path);

  // The folder id of the last save that wrote every file, or of the folder
  // the player was read from; empty while the player has none on disk. The
  // player list names the player by it.
  std::string savedId;
  // The last Load found that "profile.dat" does not read back whole: the
  // reader found it broken (TRCMFile::broken), or the next save would not
  // hold all it read. What it gave is only part of the player, not to be
  // offered nor saved over her.
  bool fileBroken = false;
  // True when the last Save wrote every file; else the errno of its first failure.
  bool lastSaveOk = false;
  int saveError = 0;

 private:
  // The current mode's fields; none of the pointers is set for a mode other
  // than 0 and 1.
  struct Mode {
    int set = -1;  // the catalogue set: tryb itself
    int* stage = nullptr;
    int* level = nullptr;
    int* end = nullptr;
    std::shared_ptr<TLevel>* inProgress = nullptr;
    TProfileStages* stages = nullptr;
    std::string* screen = nullptr;
  };
  // Queries only read through it; one place lends the fields to both.
  Mode modeOf(int mode) const;
  Mode mode() const { return modeOf(tryb); }
  std::string startNew(int newTryb);
  // After a won level: the next position's fresh board in progress, and
  // screen as the resume state; gives screen.
  std::string leaveWonLevelFor(const std::string& screen);
  // The tutorial level file of the mode (Fill for any mode other than 1).
  std::string tutorialLevelPath(int levelId) const;
  // Hands the level to the play screen; none is refused with a message.
  bool handToPlay(const std::shared_ptr<TLevel>& level) const;
};

// A player with the defaults, read from the "profile.dat" at path and the
// level files beside it; never none, also when the file is missing.
std::shared_ptr<TProfile> loadProfile(const std::string& path);
// The name whose folder id (GetId) is id; "" when id is no name's id.
std::string NameFromId(const std::string& id);
// The characters the name entry refuses, besides control codes.
inline constexpr std::u32string_view kRefusedNameChars = U"\"{}()[]+-= *!@#$%^&\\/?<>.,:;'";
// Whether the name entry could give name: not empty, and no control code
// nor refused character in it. A folder whose name is no such name's is
// none of the players' (folder 10 would be a line feed).
bool NameEntryCouldGive(const std::string& name);
// The folder that holds every player's folder and the list file.
std::string ProfilesFolder();
// A damaged count never makes more records than this.
inline constexpr int kMaxProfileRecords = 1000;

// The tutorial level files: bDir + "data/levelSM/level-tutorial-<n>.lvl"
// (Picross), bDir + "data/levels/l-tutorial<n>.lvl" (Fill).
std::string TutorialLevelPath(int tryb, int levelId);

}  // namespace sorvanta
