// A first start through the title screen: play, Picross, the intro and the
// first tutorial level, where the press that ended the intro does nothing;
// back on the menu, play, Picross and "resume" lead back into the campaign.
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/control.h"
#include "campaign/profile_manager.h"
#include "core/states.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"
#include "puzzle/play/level_summary.h"
#include "screens/pick_tryb.h"
#include "screens/quest_continue.h"

#include "app_test_support.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

// Runs the state machine from state until it reaches until; returns where it stopped.
std::string RunUntil(const std::string& state, const std::string& until) {
  std::string where = state;
  test::StdoutLines([&] {
    do where = control->runState(where);
    while (where != until && where != kStateEnd);
  });
  return where;
}

TEST(TitleRoad, FirstStartPlaysThenResumesFromTheMenu) {
  ShellWorld world(shell_test::NoCapture());
  test::TempFolder home;
  shell_test::SetHome(home.path().c_str());
  Harness& h = world.h();
  h.SetFrameCap(6000);
  auto game = std::make_shared<test::ScriptedGame>();
  test::StdoutLines([&] { test::StartGame(game); });
  ASSERT_TRUE(profileManager->profiles.empty());
  auto click = [&](const std::shared_ptr<TGui>& gui, const char* name, int wait) {
    auto at = ShellWorld::Centre(gui, name);
    world.ClickAt(at.first, at.second, wait);
  };

  // Play once the menu has shown and made the first player; Picross; a
  // press ends the intro, held over the middle cell of the first board.
  click(mainMenu->gui, "play", 70);
  click(pickTryb->gui, "mesalor", 20);
  h.Wait(60).MoveMouse(428, 385).Wait(2).PressMouse(1);
  int firstLevel = -1, secondLevel = -1, resumed = -1, levels = 0, actedOn = -1;
  game->script = [&](test::ScriptedGame& g, int frame) {
    const int act = profileManager->profile->actLevelId_Picross;
    if (frame == 2) h.ReleaseMouse(1);
    if (levels == 0 && frame < 20) return;
    if (levels == 0) {  // the first level: the press did nothing there; won, the summary's play leads on
      ++levels;
      firstLevel = act;
      actedOn = 0;
      for (const auto& cell : g.level->atiles.all()) actedOn += cell && (cell->odkryte || cell->zepsute);
      g.WIN_CHEAT();
      click(levelSummary->gui, "play", 120);
    } else if (levels == 1 && act != firstLevel) {  // the next one: back to the menu
      ++levels;
      secondLevel = act;
      g.wynik = kStateMainMenu;
      g._exit = 1;
    } else if (levels == 2) {  // resumed
      ++levels;
      resumed = act;
      g.wynik = kStateEnd;
      g._exit = 1;
    }
  };
  EXPECT_EQ(RunUntil(kStateMainMenu, kStateMainMenu), kStateMainMenu);
  ASSERT_EQ(profileManager->profiles.size(), 1u);  // the default player
  auto player = profileManager->profile;
  EXPECT_EQ(firstLevel, 1);
  EXPECT_EQ(actedOn, 0);
  EXPECT_EQ(secondLevel, 2);
  EXPECT_EQ(player->actStageId_Picross, 0);

  click(mainMenu->gui, "play", 70);
  click(pickTryb->gui, "mesalor", 20);
  click(continueQuest->gui, "resume", 30);
  EXPECT_EQ(RunUntil(kStateMainMenu, kStateMainMenu), kStateEnd);
  EXPECT_EQ(resumed, 2);
  EXPECT_EQ(player->tryb, 1);
}

}  // namespace
}  // namespace sorvanta
