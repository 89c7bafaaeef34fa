// The road of a level through the state machine's states with the stand-in
// player: new campaign, play, win and next level, loss and restart, Fill.
#include <gtest/gtest.h>

#include "campaign/campaign_links.h"
#include "campaign/campaign_states.h"
#include "core/states.h"
#include "puzzle/board/level_file.h"
#include "puzzle/play_test_support.h"
#include "puzzle/puzzle_states.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;
using test::ScriptedGame;

// The tutorial levels come from the test levels.
std::shared_ptr<TLevel> LoadFixtureTutorial(const std::string& path) {
  if (path.find("/l-tutorial") != std::string::npos) return LoadLevel(test::kLevelDir + "fill.lvl");
  const bool first = path.find("level-tutorial-1.") != std::string::npos;
  return LoadLevel(test::kLevelDir + (first ? "picross.lvl" : "picross10.lvl"));
}

class PlayRoad : public test::PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    TCampaignLinks links;
    links.loadLevel = LoadFixtureTutorial;
    links.setLevel = [](std::shared_ptr<TLevel> level) { mainGame->setLevel(std::move(level)); };
    bindCampaignLinks(links);
    levelSummary = std::make_shared<TLevelSummary>();
    levelSummary->setup();
    loseScreen = std::make_shared<TLoseScreen>();
    loseScreen->setup();
    registerPuzzleStates();
    registerCampaignStates();
  }
  std::string Run(const char* state, std::function<void(ScriptedGame&, int)> script = nullptr) {
    game->script = std::move(script);
    game->frame = 0;
    world.h().SetFrameCap(2000);
    std::string next;
    test::StdoutLines([&] { next = runRegisteredState(state); });
    return next;
  }
  void Click(const std::shared_ptr<TGui>& gui, const char* name, int waitFirst) {
    auto [x, y] = ShellWorld::Centre(gui, name);
    world.ClickAt(x, y, waitFirst);
  }
};

TEST_F(PlayRoad, WinToTheNextLevelLossToARestartAndFill) {
  EXPECT_EQ(Run(kStateNewGamePicross), kStateIntro);
  ASSERT_TRUE(game->level);
  EXPECT_EQ(game->level->rows, 2);

  Click(levelSummary->gui, "play", 120);
  EXPECT_EQ(Run(kStateMainGame, [](ScriptedGame& g, int f) {
              if (f == 2) g.WIN_CHEAT();
            }),
            kStateNextLevel);
  EXPECT_EQ(player->marked, 1);
  EXPECT_EQ(Run(kStateNextLevel), kStateMainGame);
  EXPECT_EQ(game->level->rows, 10);

  Click(loseScreen->gui, "restart", 260);
  EXPECT_EQ(Run(kStateMainGame, [](ScriptedGame& g, int f) {
              if (f == 2) g.LOSE();
            }),
            kStateRestartLevel);
  EXPECT_EQ(Run(kStateRestartLevel), kStateMainGame);
  EXPECT_EQ(game->level->rows, 10);

  EXPECT_EQ(Run(kStateNewGameFill), kStateIntro);
  int reached = 0;
  Run(kStateMainGame, [&](ScriptedGame& g, int f) {
    if (g.state == kPlayNormal && !reached) reached = f;
    if (reached || f == 1500) g._exit = 1;  // the cells fly in first
  });
  EXPECT_GT(reached, 0);
  EXPECT_EQ(game->level->tryb, 0);
}

}  // namespace
}  // namespace sorvanta
