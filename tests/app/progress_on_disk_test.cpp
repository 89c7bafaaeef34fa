// A win is on disk while its summary shows, and what NEXT-LEVEL unlocks or
// ends is on disk before the next screen runs: the files are read back at
// those moments, as a restart after a kill would read them.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "app/app.h"
#include "app/control.h"
#include "campaign/campaign_links.h"
#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "core/folders.h"
#include "core/states.h"
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

TEST(ProgressOnDisk, AWinAndWhatItUnlocksOrEndsAreWrittenBeforeTheNextScreen) {
  struct Case {
    int tryb;
    int fromEnd;  // 0: the last level of the last stage; 1: the level before it
    const char* next;
  };
  for (const Case& c : {Case{1, 1, kStateStageScreen}, Case{1, 0, kStateOutro}, Case{0, 0, kStateOutro}}) {
    test::FreshStart start;
    auto game = std::make_shared<test::ScriptedGame>();
    auto summary = std::make_shared<WatchedSummary>();
    test::StdoutLines([&] {
      test::StartGame(game);
      summary->setup();
    });
    levelSummary = summary;

    // A player on the chosen level, unlocked, as the stage screen starts it.
    profileManager->CreateNewProfile("ANNA");
    TProfile& p = *profileManager->profile;
    p.tryb = c.tryb;
    const auto* stages = levelManager->stagesOf(c.tryb);
    ASSERT_TRUE(stages && !stages->empty());
    const int stage = static_cast<int>(stages->size());
    const int level = static_cast<int>(stages->back()->levels.size()) - c.fromEnd;
    p.QUEST_GetStageData(stage)->unlocked = 1;
    p.QUEST_GetLevelData(stage, level)->unlocked = 1;
    p.QUEST_SetLevelAndStage(stage, level);
    test::StdoutLines([&] {
      p.QUEST_LoadActLevel();
      campaignSetLevel(c.tryb == 1 ? p.levelPicross : p.levelFill);
    });

    bool playedWhileShown = false;
    game->script = [&](test::ScriptedGame& g, int) {
      if (g.frame != 1) return;
      g.WIN_CHEAT();
      auto play = ShellWorld::Centre(summary->gui, "play");
      start.world.ClickAt(play.first, play.second, 120);
    };
    summary->firstFrame = [&] { playedWhileShown = OnDisk(p)->QUEST_LevelPlayed(stage, level) != 0; };
    std::string where;
    test::StdoutLines([&] { where = control->runState(kStateMainGame); });
    ASSERT_EQ(where, kStateNextLevel) << c.tryb;
    EXPECT_TRUE(playedWhileShown) << c.tryb << " " << level;

    test::StdoutLines([&] { where = control->runState(where); });
    EXPECT_EQ(where, c.next);
    auto saved = OnDisk(p);
    if (c.fromEnd == 1) {
      EXPECT_TRUE(saved->QUEST_LevelUnlocked(stage, level + 1));
      EXPECT_EQ(saved->actLevelId_Picross, level + 1);
    } else {
      EXPECT_EQ(c.tryb == 1 ? saved->trybPicrossEnd : saved->trybFillEnd, 1) << c.tryb;
      EXPECT_EQ(saved->QUEST_GetStageData(stage)->played, 1) << c.tryb;
    }
  }
}

}  // namespace
}  // namespace sorvanta
