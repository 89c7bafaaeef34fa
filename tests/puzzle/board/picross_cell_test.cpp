#include <gtest/gtest.h>

#include "platform/clock.h"
#include "puzzle/puzzle_test_support.h"

namespace sorvanta {
namespace {

class PicrossCell : public test::PuzzleTest {
 protected:
  void SetUp() override {
    PuzzleTest::SetUp();
    SetTestClock([this] { return now_; });
    level_ = test::MakePicrossLevel({"#."});
    mainGame->level = level_;
  }
  std::shared_ptr<TATile> Cell(bool picture) const { return level_->atiles.get(0, picture ? 0 : 1); }

  int now_ = 1000;
  std::shared_ptr<TLevel> level_;
};

TEST_F(PicrossCell, RequestsAreRefusedWhileActedPendingLockedOrGivenTheOtherTask) {
  enum Req { kShow, kBrake, kResolve };
  struct Case {
    const char* what;
    int odkryte, state, turnOff;
    const char* task;
    Req req;
    int wantState;
  } cases[] = {
      {"free uncover", 0, 0, 0, "", kShow, 1},
      {"free break", 0, 0, 0, "", kBrake, 2},
      {"acted on", 1, 0, 0, "", kShow, 0},
      {"pending", 0, 2, 0, "", kShow, 2},
      {"locked", 0, 0, 1, "", kBrake, 0},
      {"locked, hint", 0, 0, 1, "", kResolve, 0},
      {"task BROKE refuses uncover", 0, 0, 0, "BROKE", kShow, 0},
      {"task UNCOVER refuses break", 0, 0, 0, "UNCOVER", kBrake, 0},
      {"task UNCOVER takes uncover", 0, 0, 0, "UNCOVER", kShow, 1},
  };
  for (const Case& k : cases) {
    TATile cell;
    cell.td = getTileDataById(7);
    cell.odkryte = k.odkryte;
    cell.state = k.state;
    cell.turnOff = k.turnOff;
    cell.zadanie = k.task;
    if (k.req == kShow) cell.ShowMe(300);
    else if (k.req == kBrake) cell.BrakeMe(300);
    else cell.Resolve();
    EXPECT_EQ(cell.state, k.wantState) << k.what;
    EXPECT_EQ(cell._dontGiveAddHint, k.req == kResolve ? 1 : 0) << k.what;
  }
}

TEST_F(PicrossCell, PendingActionFiresOnTheFirstUpdateAtItsTime) {
  auto cell = Cell(true);
  cell->ShowMe(300);
  cell->ShowMe(0);  // refused: the first request stands
  now_ += 299;
  cell->update();
  EXPECT_EQ(cell->odkryte, 0);
  now_ += 1;
  cell->update();
  EXPECT_EQ(cell->odkryte, 1);
  EXPECT_EQ(cell->state, 0);
  // A delay of 0 acts in the next update, not in the call.
  auto other = Cell(false);
  other->BrakeMe(0);
  EXPECT_EQ(other->odkryte, 0);
  other->update();
  EXPECT_EQ(other->odkryte, 1);
}

TEST_F(PicrossCell, OutcomesScoreRightActionsAndMarkWrongOnes) {
  struct Case {
    bool picture, uncover;
    int score, zepsute;
    const char* saved;
  } cases[] = {
      {true, true, 10, 0, "7|1|0"},
      {false, true, 0, 1, "0|1|1"},
      {false, false, 10, 0, "0|1|0"},
      {true, false, 0, 1, "7|1|1"},
  };
  for (const Case& k : cases) {
    level_ = test::MakePicrossLevel({"#."});
    mainGame->level = level_;
    auto cell = Cell(k.picture);
    cell->turnOff = 1;  // the actions themselves ignore the lock
    if (k.uncover) cell->ShowMeNow();
    else cell->BrakeMeNow();
    EXPECT_EQ(level_->score, k.score) << k.saved;
    EXPECT_EQ(cell->zepsute, k.zepsute) << k.saved;
    EXPECT_EQ(cell->per, 0.0f) << k.saved;
    EXPECT_EQ(cell->getMyString(), k.saved);
  }
}

TEST_F(PicrossCell, TaskEndsOnTheFirstUpdateAfterTheAct) {
  auto cell = Cell(false);
  cell->setZadanie("broke", "light-down");
  cell->lightMeUp();
  cell->update();
  EXPECT_EQ(cell->zadanie, "BROKE");
  cell->ShowMeNow();  // a wrong uncover ends a break task too
  EXPECT_EQ(cell->zadanie, "BROKE");
  cell->update();
  EXPECT_EQ(cell->zadanie, "");
  EXPECT_EQ(cell->dLightUpA, 0.0f);
  EXPECT_EQ(cell->poZadaniu, "LIGHT-DOWN");
}

}  // namespace
}  // namespace sorvanta
