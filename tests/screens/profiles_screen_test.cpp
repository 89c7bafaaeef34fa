// The profiles screen: buttons by the list's size, a row press chooses, OK
// saves the choice.
#include "screens/profiles_screen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

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
  for (int players : {1, 2, 7, 8, 9}) {
    auto screen = Screen(players);
    ASSERT_TRUE(screen->gui);
    updateScreen(*screen);
    EXPECT_EQ(screen->gui->GetObject("DELETE")->visible, players >= 2) << players;
    EXPECT_EQ(screen->gui->GetObject("NEW")->visible, players < 8) << players;
  }
}

// A press chooses the row under it, anywhere across the list's width
// however short the name; not beside the rows, not between two.
TEST(ProfilesScreen, APressOnANameChoosesItAndOkSavesTheChoice) {
  const float second = TProfilesScreen::kRowsTop + TProfilesScreen::kRowStep;  // B's row (C is current)
  const struct {
    float x, y;
    const char* chosen;
    int picked;
  } cases[] = {
      {500, second + 12, "B", 2},
      {200, second, "B", 2},       // the rectangle's corners count
      {600, second + 24, "B", 2},  // far right of a one-letter name
      {199, second + 12, "C", 3},  // left of the rows
      {601, second + 12, "C", 3},
      {500, second + 25, "C", 3},  // the gap below B
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

// Over the settings, the screen draws no layer of its own: they show as
// they are beside its panel. The row under the mouse glows red over its
// colour, the current player's too. Eight rows stay above the buttons.
TEST(ProfilesScreen, TheSettingsShowAsTheyAreTheRowUnderTheMouseGlowsAndEightRowsFit) {
  shell_test::ShellWorld world;
  auto screen = Screen(8);
  options->setup();
  options->prepare(mainMenu);
  options->alpha = 1;
  Cls(), options->draw(), world.h().Frame();
  const std::uint32_t ribbon = world.h().Pixel(512, 100), slider = world.h().Pixel(420, 190);
  // The red in row i's rectangle.
  auto red = [&](int i) {
    const auto row = TProfilesScreen::rowOf(i);
    unsigned sum = 0;
    for (float y = row.y; y < row.y + row.h; ++y)
      for (float x = row.x; x < row.x + row.w; ++x) sum += world.h().Pixel(x, y) >> 16 & 255;
    return sum;
  };
  // The first row and the current player's, the last one made, drawn with
  // the mouse over none of them, over the current one, over the first.
  auto reds = [&](std::shared_ptr<TProfile> over) {
    screen->alpha = 1;
    updateScreen(*screen);
    screen->alpha = 1;
    screen->over = std::move(over);
    Cls(), screen->draw(), world.h().Frame();
    return std::vector<unsigned>{red(0), red(7)};
  };
  const auto plain = reds(nullptr);
  EXPECT_EQ(world.h().Pixel(512, 100), ribbon);
  EXPECT_EQ(world.h().Pixel(420, 190), slider);
  EXPECT_GT(reds(screen->profile)[1], plain[1]);
  EXPECT_GT(reds(screen->profiles.front())[0], plain[0]);
  const auto last = TProfilesScreen::rowOf(7);
  for (const char* button : {"NEW", "RENAME"})
    EXPECT_LT(last.y + last.h, screen->gui->GetObject(button)->dim->y) << button;
  test::Shot(world.h(), "profiles");
}

}  // namespace
}  // namespace sorvanta
