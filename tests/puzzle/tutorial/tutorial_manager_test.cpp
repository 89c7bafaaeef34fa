// Which pending tip the tutorial starts, when it runs and draws, and the
// starting click it does not see.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/mouse.h"
#include "puzzle/board/player_link.h"
#include "puzzle/play_test_support.h"
#include "puzzle/tutorial/tutorial.h"

namespace sorvanta {
namespace {

struct CountingTip : TTutorialTip {
  int updates = 0, draws = 0;
  int update(const std::shared_ptr<TEkran>& ekr) override { return ++updates, TTutorialTip::update(ekr); }
  int draw(const std::shared_ptr<TEkran>&) override { return ++draws, 0; }
};

class TutorialManagerTest : public test::PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    tutorial = std::make_shared<TTutorial>();
    game->id = "MAIN-GAME";
    game->fade = 0;
    player->tryb = 1;
  }
  std::shared_ptr<CountingTip> Tip(const std::string& id, int tryb = 1, const std::string& screen = "MAIN-GAME") {
    auto tip = std::make_shared<CountingTip>();
    tip->id = id;
    tip->tryb = tryb;
    tip->screen = screen;
    tip->compileConditions({"FADE 0"});
    tip->compileActions({"SHOW-ME"});
    tip->compileEraseConditions({"MOUSE"});
    player->lekcjeTutoriala.push_back(tip);
    return tip;
  }
};

TEST_F(TutorialManagerTest, StartsTheFirstReadyPendingTipOfTheScreenAndModeOnTheTutorialStage) {
  struct Row {
    const char* name;
    bool noPlayer;
    int stage;
    int tryb;
    const char* screen;
    bool starts;
    int playerTryb = 1;
  } rows[] = {
      {"ready", false, 0, 1, "MAIN-GAME", true},           {"no player", true, 0, 1, "MAIN-GAME", false},
      {"stage 1", false, 1, 1, "MAIN-GAME", false},        {"another mode", false, 0, 0, "MAIN-GAME", false},
      {"another screen", false, 0, 1, "MAIN-MENU", false},
      {"a player in neither mode, past the tutorial", false, 1, 1, "MAIN-GAME", true, 2},
  };
  for (const auto& row : rows) {
    player->lekcjeTutoriala.clear();
    tutorial->actTip = nullptr;
    player->actStageId_Picross = player->actStageId_Fill = row.stage;
    player->tryb = row.playerTryb;
    world.recProfiles->profile = row.noPlayer ? nullptr : player;
    auto tip = Tip("A", row.tryb, row.screen);
    _updateTutorial(game, 1);
    EXPECT_EQ(tutorial->actTip == tip, row.starts) << row.name;
    EXPECT_EQ(tip->updates, 0) << row.name << ": its first frame is the next";
  }
  world.recProfiles->profile = player;
  player->tryb = 1;
  // A running tip is drawn on stage 1 but not run; without a player nothing is drawn.
  player->actStageId_Picross = 1;
  auto running = Tip("R");
  tutorial->actTip = running;
  running->a = 1;
  _updateTutorial(game, 1);
  _drawTutorial(game);
  EXPECT_EQ(running->updates, 0);
  EXPECT_EQ(running->draws, 1);
  world.recProfiles->profile = nullptr;
  _drawTutorial(game);
  EXPECT_EQ(running->draws, 1);
}

TEST_F(TutorialManagerTest, RunsOneTipAtATimeInPendingOrderAndLooksUpIds) {
  player->actStageId_Picross = 0;
  auto first = Tip("FIRST"), second = Tip("SECOND");
  first->allActions.push_back({"WAIT", "100"});
  first->compileEraseConditions({});
  _updateTutorial(game, 1);
  EXPECT_EQ(tutorial->actTip, first);
  for (int i = 0; i < 3; ++i) _updateTutorial(game, 1);
  EXPECT_EQ(tutorial->actTip, first) << "the other waits";
  EXPECT_EQ(tutorial->bylTutorial("first"), 0);
  world.h().AdvanceClock(200);
  for (int i = 0; i < 40 && tutorial->actTip == first; ++i) _updateTutorial(game, 1);
  EXPECT_EQ(tutorial->bylTutorial("first"), 1) << "erased, then ended";
  _updateTutorial(game, 1);
  EXPECT_EQ(tutorial->actTip, second);

  tutorial->actTip = nullptr;
  TTutorial::tipsList = {second};
  tutorial->startTutorial(std::string("nobody"));
  tutorial->startTutorial(std::string());
  EXPECT_FALSE(tutorial->actTip);
  tutorial->startTutorial(std::string("second"));
  EXPECT_EQ(tutorial->actTip, second);
}

TEST_F(TutorialManagerTest, TheClickThatStartsATipIsNotItsMouseCondition) {
  player->actStageId_Picross = 0;
  auto tip = Tip("CLICKED");
  tip->compileConditions({"TIP-EXECUTED GATE"});
  auto gate = std::make_shared<TTutorialTip>();
  gate->id = "GATE";
  player->lekcjeTutoriala.push_front(gate);
  int startedAt = 0, erasedAt = 0;
  world.h().Wait(60).PressMouse(1).Wait(2).ReleaseMouse(1).Wait(30).PressMouse(1).Wait(2).ReleaseMouse(1);
  Play(Load("picross.lvl"), [&](test::ScriptedGame& g, int f) {
    // The click opens the gate in the frame it is seen, before the tutorial's step.
    if (mouse->leftPressed && !startedAt) player->lekcjeTutoriala.remove(gate), startedAt = f;
    if (tip->erase && !erasedAt) erasedAt = f;
    if (f > 120) g._exit = 1;
  });
  ASSERT_GT(startedAt, 0);
  EXPECT_GT(erasedAt, startedAt + 20) << "erased by the second click only";
}

}  // namespace
}  // namespace sorvanta
