// The main menu's clocks: when the idle credits roll comes, what a click
// that closes it does, how long the fades take, what goes on and what starts
// anew on entering again, and "settings" without a player.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/input.h"
#include "puzzle/board/level.h"
#include "screens/credits.h"
#include "screens/menu_test_support.h"
#include "screens/options.h"

namespace sorvanta {
namespace {

constexpr int kFrame = 17;  // the longest frame of the test clock, in ms

struct Undrawn : TMainMenu {
  void draw() override {}
};

TEST(MainMenuTiming, CreditsComeAfterTwentySecondsWithoutAnAction) {
  struct Row {
    const char* name;
    std::function<int(menu_test::MenuWorld&)> act;  // scripts from the entry; the frames it took
    int endFrame;                                   // "more" clicked then
    std::vector<int> rolls;                         // ms after the entry, within a window
    int window;
  };
  const Row rows[] = {
      {"idle", nullptr, 2500, {20000, 40000}, 2 * kFrame},
      {"settings",
       [](auto& w) { return w.Click("settings", 600), w.h().Wait(30).HitKey(KEY_ESCAPE), 634; },
       2100,
       {30000},
       1200},
      {"x answered no",
       [](auto& w) { return w.Click("x", 600), w.h().Wait(30).HitKey(KEY_ESCAPE), 634; },
       2100,
       {30000},
       1200},
      {"play, then exit", [](auto& w) { return w.Click("play", 600), 604; }, 2100, {30000}, 300},
      // "more" leaves the deadline: it falls in the fade-out.
      {"more", nullptr, 1190, {20000}, 2 * kFrame},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // Thousands of frames: the clock is what counts, not the pictures.
    menu_test::MenuWorld world(shell_test::SmallWindow());
    mainMenu = std::make_shared<Undrawn>();
    test::StdoutLines([] { mainMenu->setup(), options->setup(), popUp->setup(); });
    // A player with a campaign to continue, who leaves the continue dialog.
    auto player = std::make_shared<shell_test::RecordingProfile>();
    player->actStageId_Picross = 1;
    player->levelPicross = std::make_shared<TLevel>();
    profileManager->profile = player;
    const int scripted = row.act ? row.act(world) : 0;
    world.Click("more", row.endFrame - scripted);
    const int start = world.h().frames(), entry = world.h().millis();
    std::string state;
    test::StdoutLines([&] { state = mainMenu->mainLoop(); });
    EXPECT_EQ(state, "MORE-GAMES");
    EXPECT_GT(world.h().frames() - start, row.endFrame);
    ASSERT_EQ(world.timed->at.size(), row.rolls.size());
    for (size_t i = 0; i < row.rolls.size(); ++i) {
      EXPECT_GT(world.timed->at[i] - entry, row.rolls[i]) << i;
      EXPECT_LE(world.timed->at[i] - entry, row.rolls[i] + row.window) << i;
    }
  }
}

// The menu as it stands after each frame.
struct WatchedMenu : TMainMenu {
  std::vector<std::pair<float, float>> seen;  // fade, alpha
  void update() override {
    TMainMenu::update();
    seen.emplace_back(fade, alpha);
  }
};

TEST(MainMenuTiming, FadesInTwentyFramesAndGrowsInFifty) {
  menu_test::MenuWorld world;
  auto menu = std::make_shared<WatchedMenu>();
  mainMenu = menu;
  test::StdoutLines([&] { menu->setup(); });
  world.Click("more", 80);
  test::StdoutLines([&] { menu->mainLoop(); });
  auto firstFrame = [&](auto test) {
    for (size_t i = 0; i < menu->seen.size(); ++i)
      if (test(menu->seen[i])) return static_cast<int>(i) + 1;
    return -1;
  };
  // The frame factor of 16 and 17 ms frames is within 4 % of 1; the first is settled by the entry.
  EXPECT_NEAR(firstFrame([](auto s) { return s.first == 0; }), 20, 2);
  EXPECT_NEAR(firstFrame([](auto s) { return s.second == 1; }), 50, 2);
  // "more" clicked in frame 84: black 20 frames later, and the loop returns.
  EXPECT_NEAR(static_cast<int>(menu->seen.size()), 84 + 20, 2);
  EXPECT_EQ(menu->seen.back().first, 1);
}

TEST(MainMenuTiming, EnteringAgainKeepsPicturesAndGlowButNotPortals) {
  menu_test::MenuWorld world;
  world.Click("more", 400);
  test::StdoutLines([] { mainMenu->mainLoop(); });
  auto& m = *mainMenu;
  std::vector<float> kept = {m.bla, m.dBla};
  std::vector<float> portals;
  for (int k = 0; k < kTitlePairs; ++k) {
    kept.insert(kept.end(), {m.obrA[k], m.dObrA[k]});
    portals.insert(portals.end(), {m.p[k], m.pSpeed[k]});
  }
  EXPECT_NE(m.bla, 0);  // the glow has moved at all
  m.prepare();
  std::vector<float> keptAfter = {m.bla, m.dBla}, portalsAfter;
  for (int k = 0; k < kTitlePairs; ++k) {
    keptAfter.insert(keptAfter.end(), {m.obrA[k], m.dObrA[k]});
    portalsAfter.insert(portalsAfter.end(), {m.p[k], m.pSpeed[k]});
  }
  EXPECT_EQ(keptAfter, kept);
  EXPECT_NE(portalsAfter, portals);
}

TEST(MainMenuTiming, TheClickThatClosesTheCreditsOnlyClosesThem) {
  menu_test::MenuWorld world;
  mainMenu = std::make_shared<Undrawn>();
  credits = std::make_shared<TCredits>();
  test::StdoutLines([] { mainMenu->setup(), credits->setup(); });
  struct TimedPicker : menu_test::ScriptedPicker {
    Harness* h = nullptr;
    int at = -1;  // the frame it opened in
    int mainloop() override { return at = h->frames(), ScriptedPicker::mainloop(); }
  };
  auto picker = std::make_shared<TimedPicker>();
  picker->h = &world.h();
  pickTryb = picker;
  profileManager->profile = std::make_shared<shell_test::RecordingProfile>();
  // The roll comes over the pointer resting on Play; a press closes it and
  // is let go only once the menu is back; then a quick click on Play
  // (pressed and released between two frames).
  const auto play = world.Centre(mainMenu->gui, "play");
  const int quick = world.h().frames() + 1300;
  world.h().MoveMouse(play.first, play.second).Wait(1230).PressMouse(1).Wait(40).ReleaseMouse(1);
  world.h().Wait(30).PressMouse(1).ReleaseMouse(1);
  std::string state;
  test::StdoutLines([&] { state = mainMenu->mainLoop(); });
  EXPECT_EQ(state, "NEW-GAME-PICROSS");
  EXPECT_EQ(picker->runs, 1);
  EXPECT_GT(picker->at, quick) << "the picker came with the click that closed the credits";
}

TEST(MainMenuTiming, SettingsWaitForAPlayer) {
  menu_test::MenuWorld world;
  options->setup();
  world.Click("settings", 3);  // before the player check makes the first player
  world.Click("more", 80);
  test::StdoutLines([] { mainMenu->mainLoop(); });
  EXPECT_FALSE(options->ekran) << "the options opened";
}

}  // namespace
}  // namespace sorvanta
