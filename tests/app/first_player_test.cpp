// A first start end to end: a player made on the profiles screen wins the
// first Picross tutorial level, SIGTERM ends the game, and the next start
// continues her second level.
#include <gtest/gtest.h>

#include <csignal>

#include "app/app.h"
#include "app/control.h"
#include "campaign/profile_manager.h"
#include "core/folders.h"
#include "core/states.h"
#include "platform/files.h"
#include "platform/system.h"
#include "screens/loading_screen.h"
#include "screens/options.h"
#include "screens/profile_name.h"

#include "app_test_support.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

TEST(FirstStart, ANewPlayerWinsALevelAndContinuesAfterSigterm) {
  test::FreshStart start;
  ShellWorld& world = start.world;
  Harness& h = start.h;
  auto game = std::make_shared<test::ScriptedGame>();
  test::StdoutLines([&] { test::StartGame(game); });
  ASSERT_TRUE(profileManager->profiles.empty());

  // NEW, clear the offered name, type "anna", the dialog's ok, the screen's OK.
  auto at = [](const std::shared_ptr<TGui>& gui, const char* name) { return ShellWorld::Centre(gui, name); };
  auto button = at(profileManager->gui, "NEW");
  world.ClickAt(button.first, button.second, 40);
  h.Wait(40);
  for (int i = 0; i < 16; ++i) h.HitKey(8);
  h.TypeText("anna");
  button = at(profileName->gui, "ok");
  world.ClickAt(button.first, button.second, 60);
  button = at(profileManager->gui, "OK");
  world.ClickAt(button.first, button.second, 60);
  test::StdoutLines([&] { profileManager->mainLoop(); });
  ASSERT_TRUE(profileManager->profile);
  ASSERT_EQ(profileManager->profile->name, "ANNA");

  // The intro ends on a click; the first level is won, its summary's play
  // leads on; SIGTERM arrives once the next level runs.
  world.ClickAt(512, 384, 60);
  int firstLevel = -1, quitOn = -1;
  game->script = [&](test::ScriptedGame& g, int) {
    const int act = profileManager->profile->actLevelId_Picross;
    if (firstLevel < 0) {
      firstLevel = act;
      g.WIN_CHEAT();
      auto play = at(levelSummary->gui, "play");
      world.ClickAt(play.first, play.second, 120);
    } else if (act != firstLevel && quitOn < 0) {
      quitOn = act;
      std::raise(SIGTERM);
    }
  };
  std::string where = kStateNewGamePicross;
  EXPECT_EQ(test::EndStatus([&] {
              while (where != kStateEnd) where = control->runState(where);
            }),
            0);
  ASSERT_GE(firstLevel, 0);
  ASSERT_EQ(quitOn, firstLevel + 1) << "stopped in " << where;

  // The second start: ANNA current, her next level in progress, her folder.
  test::StdoutLines([&] { test::StartGame(std::make_shared<test::ScriptedGame>()); });
  ASSERT_EQ(profileManager->profiles.size(), 1u);
  auto anna = profileManager->profile;
  ASSERT_TRUE(anna);
  EXPECT_EQ(anna->name, "ANNA");
  EXPECT_EQ(anna->savedId, "65_78_78_65");  // her folder: the name's codes
  EXPECT_EQ(anna->actStageId_Picross, 0);  // the tutorial
  EXPECT_EQ(anna->actLevelId_Picross, quitOn);
  EXPECT_TRUE(anna->levelPicross);
  EXPECT_EQ(FileType(ProfilesFolder() + "/65_78_78_65/levelPicross.lvl"), 1);
}

}  // namespace
}  // namespace sorvanta
