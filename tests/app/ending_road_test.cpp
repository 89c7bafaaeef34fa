// A new player's road to each campaign's first ending, on a slow machine:
// from the first start the campaign is chosen and the intro clicked away;
// every board but the last stage's first and last is won by the campaign
// rules alone (those boards and their screens have tests of their own); the
// map opens the last stage, its story is read and its two boards played;
// the outro is skipped, the credits closed, and a quick click on Play
// (pressed and released between two frames) must open the campaign picker
// at once.
#include <gtest/gtest.h>

#include "app/control.h"
#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "core/states.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/play/level_summary.h"
#include "screens/pick_tryb.h"
#include "screens/quest_continue.h"

#include "app_test_support.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

TEST(EndingRoad, EachCampaignsFirstEndingLeadsBackToAMenuWhosePlayAnswers) {
  test::FreshStart start;
  Harness& h = start.h;
  auto game = std::make_shared<test::ScriptedGame>();
  test::StdoutLines([&] { test::StartGame(game); });
  auto click = [&](const std::shared_ptr<TGui>& gui, const char* name, int wait) {
    auto at = ShellWorld::Centre(gui, name);
    start.world.ClickAt(at.first, at.second, wait);
  };
  // Each board is won at its first frame; the summary's play leads on.
  std::shared_ptr<TLevel> won;
  game->script = [&](test::ScriptedGame& g, int) {
    if (g.level == won) return;
    won = g.level;
    g.WIN_CHEAT();
    click(levelSummary->gui, "play", 20);
  };
  auto run = [&](const std::string& state) {
    h.SetFrameCap(1500);
    std::string next;
    test::StdoutLines([&] { next = control->runState(state); });
    return next;
  };
  // Boards won as their summaries would record them, by the rules alone,
  // until the campaign stands at the last stage's level (0: its last);
  // what the last of them leads to.
  auto winByTheRulesUpTo = [&](int level) {
    TProfile& player = *profileManager->profile;
    const auto& stages = *levelManager->stagesOf(player.tryb);
    const int last = static_cast<int>(stages.size());
    if (level == 0) level = static_cast<int>(stages.back()->levels.size());
    std::string next;
    test::StdoutLines([&] {
      // Bounded: rules that never get there fail the road, not hang it.
      for (int wins = 0; wins < 1000 && (player.position().stage < last || player.position().level < level); ++wins) {
        player.QUEST_PutData(1);
        next = player.QUEST_NextLevel();
      }
    });
    return next;
  };
  // From the menu's Play to the ending: the intro is clicked away, and the
  // map's Play and the stage screen's (its story first) are clicked. Of the
  // boards, the last stage's first and last are played.
  auto playThrough = [&](const char* mode) {
    click(mainMenu->gui, "play", 60);
    click(pickTryb->gui, mode, 10);
    std::string where = run(kStateMainMenu);
    int skips = 0;
    for (int steps = 0; where != kStateOutro && steps < 20; ++steps) {
      if (where == kStateMainGame && skips == 0) {
        ++skips;
        where = winByTheRulesUpTo(1);
        ASSERT_EQ(where, kStateMapScreen) << mode;
      } else if (where == kStateStageScreen && skips == 1) {
        ++skips;
        where = winByTheRulesUpTo(0);
        ASSERT_EQ(where, kStateStageScreen) << mode;
      }
      if (where == kStateIntro) start.world.ClickAt(512, 384, 10);
      if (where == kStateMapScreen) click(mapScreen->gui, "PLAY", 60);
      if (where == kStateMapScreen || where == kStateStageScreen)
        for (int i = 0; i < 2; ++i) click(stageScreen->gui, "PLAY", 25);
      where = run(where);
    }
    ASSERT_EQ(where, kStateOutro) << mode;
    // Frames of a quarter of a second from the ending on: a click skips
    // the outro, one closes the credits, and Play is pressed and released
    // between two frames.
    h.SetFrameMillis(250);
    start.world.ClickAt(512, 384, 10);
    start.world.ClickAt(512, 384, 10);
    ASSERT_EQ(run(kStateOutro), kStateMainMenu) << mode;
    const auto at = ShellWorld::Centre(mainMenu->gui, "play");
    h.Wait(10).MoveMouse(at.first, at.second).Wait(1).PressMouse(1).ReleaseMouse(1);
    h.SetFrameMillis(50);
  };

  h.SetFrameMillis(50);
  playThrough("normal");
  ASSERT_FALSE(HasFatalFailure());
  auto player = profileManager->profile;
  EXPECT_EQ(player->trybFillEnd, 1);
  // The picker opened: Picross starts the other campaign, which ends too.
  playThrough("mesalor");
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(player->trybPicrossEnd, 1);
  // And once more: Fill, resumed on the map.
  click(pickTryb->gui, "normal", 10);
  click(continueQuest->gui, "resume", 20);
  EXPECT_EQ(run(kStateMainMenu), kStateMapScreen);
  EXPECT_EQ(player->tryb, kRulesetFill);
}

}  // namespace
}  // namespace sorvanta
