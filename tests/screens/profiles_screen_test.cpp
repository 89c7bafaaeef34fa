// The profiles screen: buttons by the list's size, a row press chooses, OK
// saves the choice.
#include "screens/profiles_screen.h"

#include <gtest/gtest.h>

#include "core/screen_loop.h"
#include "core/frame.h"
#include "core/shell_test_support.h"
#include "formats/rcm_file.h"
#include "gui/gui.h"
#include "platform/pixmap.h"
#include "platform/video.h"
#include "screens/main_menu.h"
#include "screens/options.h"
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

// A press chooses the name under it: not beside it, not between two rows.
TEST(ProfilesScreen, APressOnANameChoosesItAndOkSavesTheChoice) {
  const float second = TProfilesScreen::kRowsTop + TProfilesScreen::kRowStep;  // B's row (C is current)
  const struct {
    float x, y;
    const char* chosen;
    int picked;
  } cases[] = {
      {500, second + TProfilesScreen::kRowHeight / 2, "B", 2},
      {250, second + TProfilesScreen::kRowHeight / 2, "C", 3},               // far left of the name
      {500, second + (TProfilesScreen::kRowHeight + TProfilesScreen::kRowStep) / 2, "C", 3},  // the gap below B
      {500, second - 2, "C", 3},                                                // the gap above B
  };
  for (const auto& c : cases) {
    shell_test::ShellWorld world;
    auto screen = Screen(3);
    world.ClickAt(c.x, c.y, 20);
    auto ok = shell_test::ShellWorld::Centre(screen->gui, "OK");
    world.ClickAt(ok.first, ok.second, 10);
    screen->mainLoop();
    EXPECT_EQ(screen->profile->name, c.chosen) << c.x << ", " << c.y;
    EXPECT_EQ(loadRCMFile(ProfilesListPath())->getFloat("profiles::pickedProfile"), c.picked) << c.x << ", " << c.y;
  }
}

// Over the settings, the screen darkens them: their ribbon and sliders above
// the panel do not read as part of it. Eight rows stay above the buttons.
TEST(ProfilesScreen, TheSettingsBehindStepBackAndEightRowsFitAboveTheButtons) {
  shell_test::ShellWorld world;
  auto screen = Screen(8);
  options->setup();
  options->prepare(mainMenu);
  options->alpha = 1;
  auto brightness = [&](float x, float y) {
    const std::uint32_t c = world.h().Pixel(x, y);
    return (c >> 16 & 255) + (c >> 8 & 255) + (c & 255);
  };
  Cls(), options->draw(), world.h().Frame();
  const unsigned ribbon = brightness(512, 100), slider = brightness(420, 190);
  screen->alpha = 1;
  updateScreen(*screen);
  screen->alpha = 1;
  Cls(), screen->draw(), world.h().Frame();
  EXPECT_LE(brightness(512, 100), ribbon / 2);
  EXPECT_LE(brightness(420, 190), slider / 2);
  const auto last = screen->rowOf(7, "NAME");
  for (const char* button : {"NEW", "RENAME"})
    EXPECT_LT(last.y + last.h, screen->gui->GetObject(button)->dim->y) << button;
  test::Shot(world.h(), "profiles");
}

}  // namespace
}  // namespace sorvanta
