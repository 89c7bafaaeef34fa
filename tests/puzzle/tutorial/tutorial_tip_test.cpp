// A tip's run frame by frame over a small board: its script, erasing, the
// consumed clicks, the board words, start conditions and the repeating
// demonstration.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/mouse.h"
#include "platform/clock.h"
#include "puzzle/play_test_support.h"
#include "puzzle/tutorial/arrow.h"
#include "puzzle/tutorial/tutorial.h"

namespace sorvanta {
namespace {

using Lines = std::vector<std::string>;

class TutorialTipTest : public test::PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    tutorial = std::make_shared<TTutorial>();
    game->level = test::MakePicrossLevel({"#..", ".#.", "..#"});
    game->id = "MAIN-GAME";
  }
  std::shared_ptr<TTutorialTip> Tip(const Lines& actions, const Lines& erase = {}, const Lines& conds = {}) {
    auto tip = std::make_shared<TTutorialTip>();
    tip->id = "T";
    tip->tryb = 1;
    tip->compileConditions(conds);
    tip->compileActions(actions);
    tip->compileEraseConditions(erase);
    return tip;
  }
  // Starts the tip as the manager does, the player holding it pending.
  void Start(const std::shared_ptr<TTutorialTip>& tip) {
    player->lekcjeTutoriala.push_back(tip);
    tutorial->startTutorial(tip);
  }
  // One frame: the clock moves on by ms first.
  void Frame(const std::shared_ptr<TTutorialTip>& tip, int ms = 16) {
    world.h().AdvanceClock(ms);
    tip->update(game);
  }
  bool Pending(const std::shared_ptr<TTutorialTip>& tip) {
    for (const auto& t : player->lekcjeTutoriala)
      if (t == tip) return true;
    return false;
  }
};

TEST_F(TutorialTipTest, RunsAScriptUpToItsWaitThenHidesWithoutErasing) {
  auto tip = Tip({"SHOW-ME", "ARROW 300 200 90", "WAIT 2000", "HIDE-ME"}, {"CLEARED 0 0"});
  Start(tip);
  Frame(tip);
  EXPECT_EQ(tip->actAction, (TTipTokens{"WAIT", "2000"}));
  EXPECT_EQ(tip->actions.size(), 1u);
  ASSERT_EQ(tip->arrows.size(), 1u);
  EXPECT_EQ(tip->arrows[0]->x, 300);
  EXPECT_EQ(tip->arrows[0]->rot, 90);
  for (int i = 0; i < 21; ++i) Frame(tip);
  EXPECT_EQ(tip->a, 1.0f) << "shown after about 20 frames";
  EXPECT_GT(tip->arrows[0]->a, 0.9f);
  Frame(tip, 2000);
  EXPECT_EQ(tip->dA, 0.0f);
  EXPECT_TRUE(tip->actAction.empty());
  for (int i = 0; i < 25; ++i) Frame(tip);
  EXPECT_EQ(tip->a, 0.0f);
  EXPECT_EQ(tip->erase, 0);
  EXPECT_EQ(tutorial->actTip, tip) << "hidden, still running";
  EXPECT_TRUE(Pending(tip));
}

TEST_F(TutorialTipTest, ErasesOnceItsConditionsHoldAndNoUpperCaseWaitRuns) {
  struct Row {
    const char* name;
    Lines actions;
    int erasedAtMs;  // clock since the start at which it is erased
    bool everShown;
  } rows[] = {
      {"a wait of 3 s", {"SHOW-ME", "WAIT 3000"}, 3000, true},
      {"no wait", {"SHOW-ME"}, 0, false},
      {"a lower-case wait does not hold erasing", {"SHOW-ME", "wait 3000"}, 0, false},
      {"an unknown word is skipped", {"BLINK", "WAIT 100"}, 100, false},
  };
  for (const auto& row : rows) {
    auto tip = Tip(row.actions);
    Start(tip);
    int at = 0;
    bool shown = false;
    for (int clock = 0; clock <= 4000 && !tip->erase; clock += 50) {
      Frame(tip, clock == 0 ? 0 : 50);
      at = clock;
      shown |= tip->a > 0;
    }
    EXPECT_EQ(tip->erase, 1) << row.name;
    EXPECT_GE(at, row.erasedAtMs) << row.name;
    EXPECT_LE(at, row.erasedAtMs + 50) << row.name;
    EXPECT_EQ(shown, row.everShown) << row.name;
    EXPECT_FALSE(Pending(tip)) << row.name;
    for (int i = 0; i < 25; ++i) Frame(tip);
    EXPECT_FALSE(tutorial->actTip) << row.name << ": ended once faded out";
  }
}

TEST_F(TutorialTipTest, MouseConditionsConsumeTheirClickEvenWhileAWaitHolds) {
  struct Row {
    const char* condition;
    int left, right;
    bool holds;
  } rows[] = {
      {"MOUSE", 0, 1, true},       {"MOUSE", 1, 0, true},         {"MOUSE LEFT", 0, 1, false},
      {"mouse right", 0, 1, true}, {"MOUSE MIDDLE", 1, 1, false},
  };
  for (const auto& row : rows) {
    auto tip = Tip({}, {row.condition});
    mouse->leftPressed = row.left;
    mouse->rightPressed = row.right;
    EXPECT_EQ(tip->checkEraseCond(tip->eraseConds[0], game), row.holds ? 1 : 0) << row.condition;
    EXPECT_EQ(mouse->leftPressed == 0 && mouse->rightPressed == 0, row.holds) << row.condition << ": consumed";
  }
  // During a wait: each click is consumed, the tip stays until a click after the wait.
  auto tip = Tip({"WAIT 1000"}, {"MOUSE LEFT", "CLEARED 0 0"});
  game->level->atiles.get(0, 0)->odkryte = 1;
  Start(tip);
  Frame(tip);
  mouse->leftPressed = 1;
  Frame(tip);
  EXPECT_EQ(mouse->leftPressed, 0);
  EXPECT_EQ(tip->erase, 0);
  Frame(tip, 1000);
  EXPECT_EQ(tip->erase, 0) << "no click in the frame the wait ended";
  mouse->leftPressed = 1;
  Frame(tip);
  EXPECT_EQ(tip->erase, 1);
}

TEST_F(TutorialTipTest, BoardWordsLockLightAndTaskCellsAndSkipCellsOffTheBoard) {
  struct Row {
    const char* name;
    Lines actions;
    const char *turnOff, *lit;  // cell by cell, row by row
    bool warns;
  } rows[] = {
      {"off all, on with light", {"TURN-OFF ALL", "TURN-ON-WITH-LIGHT 1 2"}, "111110111", "000001000", false},
      {"on with light all lights none", {"TURN-OFF ALL", "turn-on-with-light all"}, "000000000", "000000000", false},
      {"single cells",
       {"TURN-OFF 0 1", "LIGHT-UP 2 2", "TURN-ON 0 1", "TURN-OFF 2 0"},
       "000000100",
       "000000001",
       false},
      {"off the board", {"TURN-OFF 3 0", "LIGHT-UP 0 -1", "TURN-OFF 0 0"}, "100000000", "000000000", true},
  };
  for (const auto& row : rows) {
    game->level = test::MakePicrossLevel({"#..", ".#.", "..#"});
    auto tip = Tip(row.actions, {"CLEARED 0 0"});
    Start(tip);
    const auto out = test::StdoutLines([&] { Frame(tip), Frame(tip); });
    EXPECT_TRUE(tip->actAction.empty() && tip->actions.empty()) << row.name << ": the script ran through";
    std::string off, lit;
    for (const auto& cell : game->level->atiles.all())
      off += cell->turnOff ? '1' : '0', lit += cell->dLightUpA > 0 ? '1' : '0';
    EXPECT_EQ(off, row.turnOff) << row.name;
    EXPECT_EQ(lit, row.lit) << row.name;
    EXPECT_EQ(out.size(), row.warns ? 2u : 0u) << row.name << ": each bad line reported once";
  }
  // A task: the cell refuses the other action until it is done, then goes dark.
  auto tip = Tip({"SET-ZADANIE 0 1 broke light-down", "LIGHT-UP 0 1"}, {"CLEARED 0 1"});
  Start(tip);
  Frame(tip);
  auto cell = game->level->atiles.get(0, 1);
  EXPECT_EQ(cell->zadanie, "BROKE");
  EXPECT_EQ(cell->poZadaniu, "LIGHT-DOWN");
  // On a Fill board the board words do nothing and are reported.
  game->level = test::MakeFillLevel(3, 3);
  auto fill = Tip({"TURN-OFF ALL", "LIGHT-UP 0 0"}, {"ROW-CLEAR 0", "6-DONE"});
  Start(fill);
  const auto out = test::StdoutLines([&] { Frame(fill), Frame(fill); });
  EXPECT_EQ(out.size(), 3u);
  EXPECT_EQ(fill->erase, 0);
}

// Each value an action reads comes from its own token: one action kind a
// row, its values all distinct, and everything the run left written out.
TEST_F(TutorialTipTest, EveryActionKindReadsEachValueFromItsOwnToken) {
  struct Row {
    Lines actions;
    const char* left;
  } rows[] = {
      {{"WAIT 1234"}, "wait 1234"},
      {{"ARROW 300 200 90"}, "arrow 300,200 90"},
      {{"DOUBLE-ARROW 310 210 270"}, "arrow 310,210 270"},
      {{"LIGHT-UP 1 2"}, "1,2 lit"},
      {{"SET-ZADANIE 2 1 uncover light-down"}, "2,1 UNCOVER/LIGHT-DOWN"},
      {{"TURN-OFF 0 2"}, "0,2 off"},
      {{"TURN-OFF ALL", "TURN-ON 2 0"}, "0,0 off 0,1 off 0,2 off 1,0 off 1,1 off 1,2 off 2,1 off 2,2 off"},
      {{"TURN-OFF ALL", "TURN-ON-WITH-LIGHT 1 0"},
       "0,0 off 0,1 off 0,2 off 1,0 lit 1,1 off 1,2 off 2,0 off 2,1 off 2,2 off"},
      {{"SHOW-ROW-POSIBILITY 2 3_row 700 9 011 110"}, "row 2 3_ROW 700 011 110"},
  };
  for (const auto& row : rows) {
    game->level = test::MakePicrossLevel({"#..", ".#.", "..#"});
    auto tip = Tip(row.actions, {"CLEARED 0 0"});
    Start(tip);
    Frame(tip);
    std::string left;
    auto add = [&](const std::string& part) { left += (left.empty() ? "" : " ") + part; };
    if (!tip->actAction.empty() && tip->actAction[0] == "WAIT") add("wait " + std::to_string(tip->time - MilliSecs()));
    for (const auto& a : tip->arrows)
      add("arrow " + std::to_string(int(a->x)) + "," + std::to_string(int(a->y)) + " " + std::to_string(int(a->rot)));
    for (const auto& cell : game->level->atiles.all()) {
      const std::string at = std::to_string(cell->r) + "," + std::to_string(cell->c);
      if (cell->turnOff) add(at + " off");
      if (cell->dLightUpA > 0) add(at + " lit");
      if (!cell->zadanie.empty()) add(at + " " + cell->zadanie + "/" + cell->poZadaniu);
    }
    if (const auto& demo = tip->actPosibility) {
      add("row " + std::to_string(demo->n) + " " + demo->arrowTyp + " " + std::to_string(demo->time - MilliSecs()));
      for (const auto& pattern : demo->pos) add(pattern);
    }
    EXPECT_EQ(left, row.left) << row.actions.back();
  }
}

// The last row and the first column acted on, the rest untouched; a line or
// cell off the board never holds and is reported.
TEST_F(TutorialTipTest, BoardConditionsReadTheirLineOrCellUpToTheBoardsEdge) {
  struct Row {
    const char* condition;
    bool holds, warns;
  } rows[] = {
      {"ROW-CLEAR 2", true, false},  {"ROW-CLEAR 0", false, false}, {"row-clear 3", false, true},
      {"ROW-CLEAR -1", false, true}, {"COL-CLEAR 0", true, false},  {"COL-CLEAR 2", false, false},
      {"COL-CLEAR 3", false, true},  {"CLEARED 2 2", true, false},  {"CLEARED 1 0", true, false},
      {"CLEARED 0 2", false, false}, {"CLEARED 0 3", false, true},  {"CLEARED 3 0", false, true},
  };
  for (const auto& cell : game->level->atiles.all()) cell->odkryte = cell->r == 2 || cell->c == 0;
  for (const auto& row : rows) {
    auto tip = Tip({}, {row.condition});
    int holds = -1;
    const auto out = test::StdoutLines([&] { holds = tip->checkEraseCond(tip->eraseConds[0], game); });
    EXPECT_EQ(holds, row.holds ? 1 : 0) << row.condition;
    EXPECT_EQ(out.size(), row.warns ? 1u : 0u) << row.condition;
  }
}

TEST_F(TutorialTipTest, StartConditionsReadTheFadeTheLevelAndThePendingTips) {
  struct Row {
    const char* name;
    int tipLevel, tipTryb;
    Lines conds;
    bool holds;
  } rows[] = {
      {"no conditions, any level", 3, 1, {}, true},
      {"fade 0 on another level", 3, 1, {"FADE 0"}, false},
      {"fade 0 on its level", 2, 1, {"FADE 0"}, true},
      {"fade 1 while faded in", 2, 1, {"FADE 1"}, false},
      {"level word", 0, 1, {"LEVEL 2"}, true},
      {"level word, another", 0, 1, {"level 3"}, false},
      {"an empty line holds", 5, 1, {""}, true},
      {"tip executed: unknown id", 2, 1, {"TIP-EXECUTED nothing"}, true},
      {"tip executed: still pending", 2, 1, {"TIP-EXECUTED other"}, false},
      {"unknown word", 2, 1, {"SOMETIME"}, false},
      {"a mode of neither ruleset", 2, 7, {"FADE 0"}, false},
      {"the Fill level number", 4, 0, {"FADE 0"}, true},
  };
  player->actLevelId_Picross = 2;
  player->actLevelId_Fill = 4;
  game->fade = 0;
  auto other = Tip({});
  other->id = "OTHER";
  player->lekcjeTutoriala.push_back(other);
  for (const auto& row : rows) {
    auto tip = Tip({}, {}, row.conds);
    tip->numerLevelu = row.tipLevel;
    tip->tryb = row.tipTryb;
    EXPECT_EQ(tip->check(game), row.holds ? 1 : 0) << row.name;
  }
}

TEST_F(TutorialTipTest, ADemonstrationEndingTheScriptRepeatsAndADroppedActionIsFinishedFirst) {
  auto tip = Tip({"SHOW-ME", "SHOW-ROW-POSIBILITY 1 3_row 100 0 110 011"}, {"CLEARED 0 0"});
  Start(tip);
  Frame(tip);
  auto first = tip->actPosibility;
  ASSERT_TRUE(first);
  EXPECT_EQ(first->arrowTyp, "3_ROW");
  EXPECT_EQ(first->pos, (std::vector<std::string>{"110", "011"}));
  Frame(tip, 101);
  EXPECT_EQ(tip->actPosibility, first);
  EXPECT_EQ(first->actPos, 1);
  Frame(tip, 101);
  ASSERT_TRUE(tip->actPosibility);
  EXPECT_NE(tip->actPosibility, first) << "a new round";
  // Dropped mid-demonstration and started again: that demonstration runs on.
  auto running = tip->actPosibility;
  tutorial->actTip = nullptr;
  tutorial->startTutorial(tip);
  Frame(tip);
  EXPECT_EQ(tip->actPosibility, running);
  EXPECT_EQ(tip->actions.size(), 2u) << "the script then starts from the top";
  // Followed by an action, the demonstration runs once.
  auto once = Tip({"SHOW-ROW-POSIBILITY 1 3_ROW 100 0 110", "HIDE-ME"}, {"CLEARED 0 0"});
  Start(once);
  Frame(once);
  Frame(once, 101);
  EXPECT_FALSE(once->actPosibility);
  EXPECT_TRUE(once->actAction.empty());
}

}  // namespace
}  // namespace sorvanta
