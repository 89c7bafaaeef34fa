// The level summary and the lose panel, run nested over the play screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

#include "core/dialogs.h"
#include "core/frame.h"
#include "gui/gui_object.h"
#include "gui/gui_types.h"
#include "puzzle/play_test_support.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

TEST(TimeString, MinutesAndSecondsOfTwoDigitsAtLeast) {
  struct Row {
    int seconds;
    const char* text;
  } rows[] = {{0, "00:00"},   {9, "00:09"},   {10, "00:10"},  {59, "00:59"},
                 {60, "01:00"}, {549, "09:09"}, {610, "10:10"}, {605, "10:05"}, {6000, "100:00"}};
  for (const auto& row : rows) EXPECT_EQ(getTimeString(row.seconds), row.text) << row.seconds;
}

class Panels : public test::PlayTest {
 protected:
  explicit Panels(bool capture = false) : PlayTest(capture) {}
  void SetUp() override {
    PlayTest::SetUp();
    game->setLevel(Load("picross.lvl"));
    game->level->time = 605;
    bindDialogs({[this](const std::string&, std::shared_ptr<TEkran>, int) { return ++questions, answer; },
                 [](std::shared_ptr<TEkran>) { return std::string(); }});
    levelSummary = std::make_shared<TLevelSummary>();
    levelSummary->setup();
    loseScreen = std::make_shared<TLoseScreen>();
    loseScreen->setup();
    world.h().SetFrameCap(600);
  }
  void Click(const std::shared_ptr<TGui>& gui, const char* name, int waitFirst) {
    auto [x, y] = ShellWorld::Centre(gui, name);
    world.ClickAt(x, y, waitFirst);
  }
  int questions = 0, answer = 0;
};

TEST_F(Panels, SummaryPlayAndReplay) {
  // "replay" answered no: the summary stays; "play" ends it some 20 frames on.
  Click(levelSummary->gui, "replay", 60);
  Click(levelSummary->gui, "play", 10);
  int start = world.h().frames();
  EXPECT_EQ(levelSummary->mainloop(), kStateNextLevel);
  EXPECT_EQ(questions, 1);
  const int playClicked = start + 60 + 5 + 10 + 5;
  EXPECT_NEAR(world.h().frames() - playClicked, 20, 2);
  EXPECT_EQ(levelSummary->levelTime, 605);
  EXPECT_EQ(player->marked, 1);
  EXPECT_EQ(game->fade, 1.0f);

  // "replay" answered yes restarts.
  answer = 1;
  Click(levelSummary->gui, "replay", 60);
  EXPECT_EQ(levelSummary->mainloop(), kStateRestartLevel);
}

// Under the summary the play screen's ramp steps by the last frame's delta:
// its step comes before the frame's system step measures the new one.
TEST_F(Panels, SummaryStepsThePlayScreensRampBeforeTheSystemStep) {
  struct FirstFrame : TLevelSummary {
    float seen = -1;
    void update() override {
      if (seen < 0) seen = mainGame->alpha;
      TLevelSummary::update();
      goPlay();
    }
  };
  auto summary = std::make_shared<FirstFrame>();
  summary->setup();
  game->alpha = 0, game->dAlpha = 1, delta = 3;
  summary->mainloop();
  EXPECT_FLOAT_EQ(summary->seen, 3 * game->aSpeed);
}

TEST_F(Panels, SummaryButtonsByModeAndNames) {
  struct Row {
    int tryb;
    int statsVisible;
  } rows[] = {{0, 0}, {1, 1}};
  for (const auto& row : rows) {
    player->tryb = row.tryb;
    levelSummary->prepare();
    EXPECT_EQ(levelSummary->gui->GetObject("stats")->visible, row.statsVisible) << row.tryb;
    EXPECT_EQ(levelSummary->gui->GetObject("view")->visible, 0) << row.tryb;
  }
  // Statistics toggle: 20 frames to come in.
  levelSummary->SwitchStats();
  for (int f = 0; f < 20; ++f) levelSummary->_updateStats();
  EXPECT_EQ(levelSummary->statA, 1.0f);
  EXPECT_EQ(levelSummary->gui->GetObject("view")->active, 0);
  // A name index outside the lists names nothing.
  for (int n : {-1, 200}) {
    levelSummary->numerLevelu = n;
    EXPECT_EQ(levelSummary->levelName(), "") << n;
  }
  // Each mode names its levels from its own list, the first to the last.
  struct Name {
    int tryb, n;
    const char* want;
  } names[] = {{1, 0, "Fence"}, {1, 199, "Hedgehog Dreams"}, {0, 0, "Cactus"}, {0, 199, "Buttercup Yellow"}};
  for (const Name& name : names) {
    player->tryb = name.tryb;
    levelSummary->numerLevelu = name.n;
    EXPECT_EQ(levelSummary->levelName(), name.want) << name.tryb << " " << name.n;
  }
}

// The button that toggles the statistics page, as it looks at chosen frames
// of the summary.
struct ButtonWatch : TLevelSummary {
  Harness* h = nullptr;
  int frame = 0;
  std::map<int, std::vector<std::uint32_t>> seen;
  void update() override {
    TLevelSummary::update();
    if (++frame % 60 != 0) return;
    const TDim& d = *gui->GetObject("stats")->dim;
    auto& pixels = seen[frame];
    for (float y = d.y; y < d.y + d.h; ++y)
      for (float x = d.x; x < d.x + d.w; ++x) pixels.push_back(h->Pixel(x, y));
    if (frame == 180) goPlay();
  }
};

// The summary with its frames' pixels kept (only the test that reads them
// pays for the copies).
class PanelPixels : public Panels {
 protected:
  PanelPixels() : Panels(true) {}
};

TEST_F(PanelPixels, SummaryPageButtonShowsOneLabelAtATime) {
  auto watch = std::make_shared<ButtonWatch>();
  watch->h = &world.h();
  watch->setup();
  levelSummary = watch;
  player->tryb = 1;
  // Statistics clicked near frame 70, Picture near 130, the pointer away after each.
  auto [x, y] = ShellWorld::Centre(watch->gui, "stats");
  world.h().MoveMouse(1000, 700);
  world.ClickAt(x, y, 65);
  world.h().Wait(2).MoveMouse(1000, 700);
  world.ClickAt(x, y, 55);
  world.h().Wait(2).MoveMouse(1000, 700);
  EXPECT_EQ(watch->mainloop(), kStateNextLevel);
  ASSERT_EQ(watch->seen.size(), 3u);
  auto differing = [&](int a, int b) {
    int n = 0;
    for (std::size_t i = 0; i < watch->seen[a].size(); ++i) n += watch->seen[a][i] != watch->seen[b][i];
    return n;
  };
  EXPECT_GT(differing(120, 60), 100) << "the page shown: the button names the picture";
  EXPECT_EQ(differing(180, 60), 0) << "the picture back: the button as it was, one label";
}

TEST_F(Panels, LosePanelAnswers) {
  struct Row {
    const char* button;
    int answer;
  } rows[] = {{"restart", kLoseRestart}, {"mainMenu", kLoseMainMenu}};
  for (const auto& row : rows) {
    Click(loseScreen->gui, row.button, 20);
    EXPECT_EQ(loseScreen->mainLoop(), row.answer) << row.button;
    EXPECT_EQ(loseScreen->alpha, 0.0f);
  }
}

}  // namespace
}  // namespace sorvanta
