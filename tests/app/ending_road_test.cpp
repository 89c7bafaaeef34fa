// A new player's whole road to each campaign's first ending, on a slow
// machine: from the first start every level is won (tutorial, map, stage
// stories, stage screens), the outro is skipped, the credits closed, and a
// quick click on Play (pressed and released between two frames) must open
// the campaign picker at once.
#include <gtest/gtest.h>

#include "app/control.h"
#include "campaign/profile_manager.h"
#include "core/states.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/play/level_summary.h"
#include "screens/pick_tryb.h"
#include "screens/quest_continue.h"

#include "app_test_support.h"
#include "support/emulation.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

TEST(EndingRoad, EachCampaignsFirstEndingLeadsBackToAMenuWhosePlayAnswers) {
  // Some 400 boards and every screen between them: minutes under qemu-user
  // or the sanitizers, and nothing on this road depends on the machine's
  // word size or byte order; every board and screen on it has tests of its own.
  if (test::UnderUserEmulation() || test::BuiltWithSanitizer())
    GTEST_SKIP() << "too long under user-mode emulation or the sanitizers";
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
  // From the menu's Play to the ending: the intro is clicked away, and the
  // map's Play and the stage screen's (its story first) are clicked.
  auto playThrough = [&](const char* mode) {
    click(mainMenu->gui, "play", 60);
    click(pickTryb->gui, mode, 10);
    std::string where = run(kStateMainMenu);
    for (int steps = 0; where != kStateOutro && steps < 1000; ++steps) {
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
