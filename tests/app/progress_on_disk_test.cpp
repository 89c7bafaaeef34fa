// A win is on disk while its summary shows, what NEXT-LEVEL unlocks or ends
// is on disk before the next screen runs, and what is on disk then restarts
// into what the player had: the files are read back at those moments, as a
// restart after a kill would read them. A full disk is told to the player
// once and costs nothing once there is room again.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <utility>

#include "app/app.h"
#include "app/control.h"
#include "campaign/campaign_links.h"
#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "core/dialogs.h"
#include "core/folders.h"
#include "core/states.h"
#include "formats/rcm_file.h"
#include "platform/files.h"
#include "puzzle/board/level.h"
#include "puzzle/play/level_summary.h"

#include "app_test_support.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

// The real summary, with a look at the disk on its first frame.
struct WatchedSummary : TLevelSummary {
  std::function<void()> firstFrame;
  int _drawBack() override {
    if (firstFrame) std::exchange(firstFrame, nullptr)();
    return TLevelSummary::_drawBack();
  }
};

std::shared_ptr<TProfile> OnDisk(const TProfile& p) {
  return loadProfile(ProfilesFolder() + "/" + p.GetId() + "/profile.dat");
}

// The cells of a level as its file holds them.
std::string Board(const std::shared_ptr<TLevel>& level) {
  if (!level) return "none";
  auto file = createRCMFile();
  level->_SAVE_Tiles(*file);
  return file->toText();
}

// A started game whose player ANNA stands on a level of the last stage of a
// mode, unlocked, as the stage screen starts it.
struct OnALevel {
  test::FreshStart start;
  std::shared_ptr<test::ScriptedGame> game = std::make_shared<test::ScriptedGame>();
  std::shared_ptr<WatchedSummary> summary = std::make_shared<WatchedSummary>();
  int tryb = 1, stage = 0, level = 0;

  // fromEnd 0: the last level of the last stage; 1: the level before it.
  void begin(int mode, int fromEnd) {
    tryb = mode;
    test::StdoutLines([&] {
      test::StartGame(game);
      summary->setup();
    });
    levelSummary = summary;
    profileManager->CreateNewProfile("ANNA");
    TProfile& p = player();
    p.tryb = tryb;
    const auto* stages = levelManager->stagesOf(tryb);
    ASSERT_TRUE(stages && !stages->empty());
    stage = static_cast<int>(stages->size());
    level = static_cast<int>(stages->back()->levels.size()) - fromEnd;
    p.QUEST_GetStageData(stage)->unlocked = 1;
    p.QUEST_GetLevelData(stage, level)->unlocked = 1;
    p.QUEST_SetLevelAndStage(stage, level);
    test::StdoutLines([&] {
      p.QUEST_LoadActLevel();
      campaignSetLevel(p.position().inProgress);
    });
  }
  TProfile& player() { return *profileManager->profile; }
  std::string levelFile() const {
    return ProfilesFolder() + "/65_78_78_65/" + (tryb == 1 ? "levelPicross.lvl" : "levelFill.lvl");
  }
  // The level won, the summary's "play" clicked: the state that follows.
  std::string winAndGoOn() {
    game->script = [&](test::ScriptedGame& g, int) {
      if (g.frame != 1) return;
      g.WIN_CHEAT();
      auto play = ShellWorld::Centre(summary->gui, "play");
      start.world.ClickAt(play.first, play.second, 120);
    };
    std::string where;
    test::StdoutLines([&] { where = control->runState(kStateMainGame); });
    return where;
  }
};

TEST(ProgressOnDisk, AWinAndWhatItUnlocksOrEndsAreWrittenBeforeTheNextScreen) {
  struct Case {
    int tryb;
    int fromEnd;
    const char* next;
  };
  for (const Case& c : {Case{1, 1, kStateStageScreen}, Case{1, 0, kStateOutro}, Case{0, 0, kStateOutro}}) {
    SCOPED_TRACE(testing::Message() << c.tryb << " " << c.fromEnd);
    OnALevel on;
    on.begin(c.tryb, c.fromEnd);
    TProfile& p = on.player();
    bool playedWhileShown = false;
    std::string wonLevelFile;
    on.summary->firstFrame = [&] {
      playedWhileShown = OnDisk(p)->QUEST_LevelPlayed(on.stage, on.level) != 0;
      wonLevelFile = LoadBytes(on.levelFile());
    };
    std::string where = on.winAndGoOn();
    ASSERT_EQ(where, kStateNextLevel);
    EXPECT_TRUE(playedWhileShown);

    test::StdoutLines([&] { where = control->runState(where); });
    EXPECT_EQ(where, c.next);
    auto saved = OnDisk(p);
    saved->tryb = c.tryb;
    const auto inProgress = saved->position().inProgress;
    if (c.fromEnd == 1) {
      EXPECT_TRUE(saved->QUEST_LevelUnlocked(on.stage, on.level + 1));
      EXPECT_EQ(saved->actLevelId_Picross, on.level + 1);
      // A restart now resumes where the player went, with the next level's
      // board fresh and not won: no free win for it.
      EXPECT_EQ(saved->GetActScreen(), kStateStageScreen);
      EXPECT_EQ(saved->QUEST_LevelPlayed(on.stage, on.level + 1), 0);
      std::shared_ptr<TLevel> fresh;
      test::StdoutLines([&] { fresh = levelManager->LoadLevelByStageAndLevelId(on.level + 1, on.stage, c.tryb); });
      EXPECT_EQ(Board(inProgress), Board(fresh));
    } else {
      EXPECT_EQ(c.tryb == 1 ? saved->trybPicrossEnd : saved->trybFillEnd, 1);
      EXPECT_EQ(saved->QUEST_GetStageData(on.stage)->played, 1);
      EXPECT_EQ(inProgress, nullptr);
    }
    // Killed between "profile.dat" and the level file: the won board left
    // beside the new position is not taken for the next level's.
    test::WriteFile(on.levelFile(), wonLevelFile);
    saved = OnDisk(p);
    saved->tryb = c.tryb;
    EXPECT_EQ(saved->position().inProgress, nullptr);
    EXPECT_NE(saved->GetActScreen(), kStateMainGame);
  }
}

TEST(ProgressOnDisk, AFullDiskIsToldOnceAndCostsNothingOnceThereIsRoom) {
  OnALevel on;
  on.begin(1, 1);
  std::vector<std::string> told;
  bindDialogs({[&](const std::string& text, std::shared_ptr<TEkran>, int showNo) {
                 EXPECT_EQ(showNo, 0) << "a notice, not a question";
                 told.push_back(text);
                 return 1;
               },
               nullptr});

  // Every write fails as on a full disk until there is room again.
  SetAtomicWriteFaultForTests([](const std::string& step) {
    if (step != "write") return false;
    errno = ENOSPC;
    return true;
  });
  std::string where = on.winAndGoOn();
  ASSERT_EQ(where, kStateNextLevel);
  ASSERT_EQ(told.size(), 1u) << "at the first failed save, the level's start";
  EXPECT_NE(told[0].find("the disk is full"), std::string::npos) << told[0];
  EXPECT_NE(told[0].find("Folder: ~/Library/Preferences/.Sorvanta."), std::string::npos) << told[0];
  test::StdoutLines([&] { where = control->runState(where); });
  ASSERT_EQ(where, kStateStageScreen);
  EXPECT_EQ(told.size(), 1u) << "told once a run";
  EXPECT_EQ(OnDisk(on.player())->QUEST_LevelPlayed(on.stage, on.level), 0);

  SetAtomicWriteFaultForTests(nullptr);
  test::StdoutLines([&] { profileManager->saveProfiles(); });
  auto saved = OnDisk(on.player());
  EXPECT_EQ(saved->QUEST_LevelPlayed(on.stage, on.level), 1);
  EXPECT_TRUE(saved->QUEST_LevelUnlocked(on.stage, on.level + 1));
  EXPECT_EQ(told.size(), 1u) << "nothing said when saving works again";
}

}  // namespace
}  // namespace sorvanta
