#include "puzzle/board/flying_hints.h"

#include <gtest/gtest.h>

#include <vector>

#include "puzzle/effects_test_support.h"

namespace sorvanta {
namespace {

class FlyingHints : public test::EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    UseTestClock();
    level_ = test::MakePicrossLevel({"#."});
    mainGame->level = level_;
  }
  // Uncharged hints with these charges, at their panel places.
  void Hints(const std::vector<float>& charges) {
    level_->maxHintsCount = static_cast<int>(charges.size());
    level_->hints = level_->initHints(0, 0, 0, 0, 0, 0, 0, 0, 0);
    int i = 0;
    for (auto& hint : level_->hints) hint->dMyLoad = charges[i++];
  }
  std::shared_ptr<THint> Hint(int i) const { return *std::next(level_->hints.begin(), i); }
  std::shared_ptr<TLevel> level_;
};

TEST_F(FlyingHints, SparkRestsOneFrameThenResolvesItsCellWhereTheCellAllows) {
  struct Case {
    const char* what;
    bool picture;
    int odkryte, turnOff;
    int wantState;  // the cell's pending action after the arrival
  } cases[] = {
      {"picture cell", true, 0, 0, 1},
      {"empty cell", false, 0, 0, 2},
      {"locked cell", true, 0, 1, 0},
      {"acted cell", false, 1, 0, 0},
  };
  for (const Case& k : cases) {
    flyingHints.clear();
    auto cell = level_->atiles.get(0, k.picture ? 0 : 1);
    cell->odkryte = k.odkryte;
    cell->turnOff = k.turnOff;
    cell->state = 0;
    auto spark = std::make_shared<TFlyingHint>();
    spark->x1 = 884, spark->y1 = 470, spark->x2 = 100, spark->y2 = 100;
    spark->docelowyTile = cell;
    flyingHints.push_back(spark);
    int updates = 0;
    while (spark->per < 1.0f && updates < 1000) {
      _updateFlyingHints();
      ++updates;
    }
    EXPECT_EQ(updates, 143) << k.what;
    EXPECT_FLOAT_EQ(spark->x, 100) << k.what;
    EXPECT_EQ(flyingHints.size(), 1u) << k.what << ": resting at the cell";
    EXPECT_EQ(cell->state, 0) << k.what << ": resolved too early";
    _updateFlyingHints();
    EXPECT_TRUE(flyingHints.empty()) << k.what;
    EXPECT_EQ(cell->state, k.wantState) << k.what;
    EXPECT_EQ(cell->odkryte, k.odkryte) << k.what;
  }
}

// A hint orb comes of the player's own right uncover, never of a spark's.
TEST_F(FlyingHints, ACellASparkUncoversSendsNoOrbButOneThePlayerUncoversDoes) {
  for (bool bySpark : {true, false}) {
    level_ = test::MakePicrossLevel({"#."});
    mainGame->level = level_;
    Hints({0});
    flyingAddHints.clear();
    auto cell = level_->atiles.get(0, 0);
    if (bySpark) {
      auto spark = std::make_shared<TFlyingHint>();
      spark->per = 1;
      spark->docelowyTile = cell;
      flyingHints.push_back(spark);
      _updateFlyingHints();
      _updateFlyingHints();
    } else {
      cell->ShowMe(0);
    }
    cell->update();
    EXPECT_EQ(cell->odkryte, 1) << bySpark;
    EXPECT_EQ(level_->score, 10) << bySpark;
    EXPECT_EQ(flyingAddHints.size(), bySpark ? 0u : 1u) << (bySpark ? "by a spark" : "by the player");
  }
}

TEST_F(FlyingHints, OrbsHeadForTheFullestHintThatTheOrbsUnderWayLeaveShort) {
  Hints({0.25f, 0.5f, 0.5f});
  // Index of the target hint of each new orb; -1 for no orb.
  const std::vector<int> want = {1, 1, 2, 2, 0, 0, 0, -1};
  for (std::size_t i = 0; i < want.size(); ++i) {
    const std::size_t before = flyingAddHints.size();
    createNewAddHint(300, 300);
    if (want[i] < 0) {
      EXPECT_EQ(flyingAddHints.size(), before) << "orb " << i;
      continue;
    }
    ASSERT_EQ(flyingAddHints.size(), before + 1) << "orb " << i;
    const auto& orb = flyingAddHints.back();
    EXPECT_EQ(orb->myHint, Hint(want[i])) << "orb " << i;
    EXPECT_FLOAT_EQ(orb->x2, Hint(want[i])->x) << "orb " << i;
    EXPECT_GE(orb->speed, 0.005f);
    EXPECT_LT(orb->speed, 0.01f);
  }
}

TEST_F(FlyingHints, ALandingOrbAddsExactlyAQuarterToTheFullestUnchargedHint) {
  Hints({0.5f, 0.25f});
  createNewAddHint(300, 300);
  auto orb = flyingAddHints.back();
  orb->myHint = Hint(1);  // the charge goes by the level's rule, not by the target
  int updates = 0;
  while (!flyingAddHints.empty() && updates < 1000) {
    EXPECT_FLOAT_EQ(Hint(0)->dMyLoad, 0.5f) << "charged before landing";
    _updateFlyingAddHint();
    ++updates;
    EXPECT_NEAR(orb->a, orb->per >= 0.8f ? (1 - orb->per) / 0.2f : 1.0f, 1e-5);
  }
  EXPECT_FLOAT_EQ(Hint(0)->dMyLoad, 0.75f);
  EXPECT_FLOAT_EQ(Hint(1)->dMyLoad, 0.25f);
  EXPECT_FLOAT_EQ(orb->x, Hint(0)->x);
  EXPECT_FALSE(particlesList.empty()) << "no trail";
}

}  // namespace
}  // namespace sorvanta
