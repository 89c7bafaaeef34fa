// The profiles screen: buttons by the list's size, a row press chooses, OK
// saves the choice.
#include "core/screen_loop.h"
#include "screens/profiles_screen.h"

#include <gtest/gtest.h>


#include "core/frame.h"
#include "core/shell_test_support.h"
#include "formats/rcm_file.h"
#include "gui/gui.h"
#include "platform/pixmap.h"
#include "platform/video.h"
#include "support/shot.h"

namespace sorvanta {
namespace {

std::shared_ptr<TProfilesScreen> Screen(int players) {
  auto screen = std::make_shared<TProfilesScreen>();
  profileManager = screen;
  screen->setup();
  screen->loadProfiles();
  for (int i = 0; i < players; ++i) screen->CreateNewProfile(std::string(1, static_cast<char>('A' + i)));
  return screen;
}

TEST(ProfilesScreen, ButtonsFollowTheListSize) {
  shell_test::ShellWorld world;
  for (int players : {1, 2, 7, 8}) {
    auto screen = Screen(players);
    ASSERT_TRUE(screen->gui);
    updateScreen(*screen);
    EXPECT_EQ(screen->gui->GetObject("DELETE")->visible, players >= 2) << players;
    EXPECT_EQ(screen->gui->GetObject("NEW")->visible, players != 8) << players;
  }
}

TEST(ProfilesScreen, ARowPressChoosesAndOkSavesTheChoice) {
  shell_test::ShellWorld world;
  auto screen = Screen(3);
  world.ClickAt(250, 260 + 26 + 10, 20);  // the second row, far left of its name
  auto ok = shell_test::ShellWorld::Centre(screen->gui, "OK");
  world.ClickAt(ok.first, ok.second, 10);
  screen->mainLoop();
  EXPECT_EQ(screen->profile->name, "B");
  auto list = loadRCMFile(ProfilesListPath());
  EXPECT_EQ(list->getFloat("profiles::pickedProfile"), 2);

  if (test::ShotFolder()) {
    screen->prepare();
    for (int i = 0; i < 30; ++i) Cls(), updateScreen(*screen), screen->draw(), myFlip(0);
    test::Shot(world.h(), "profiles");
  }
}

}  // namespace
}  // namespace sorvanta
