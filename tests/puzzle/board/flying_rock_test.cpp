#include "puzzle/board/flying_rock.h"

#include <gtest/gtest.h>

#include "puzzle/effects_test_support.h"

namespace sorvanta {
namespace {

class FlyingRocks : public test::EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    UseTestClock();
    level_ = test::MakePicrossLevel({"#."});
    mainGame->level = level_;
  }
  std::shared_ptr<TLevel> level_;
};

TEST_F(FlyingRocks, GrowThenFlyEasedAndFadeOverTheLastTenth) {
  struct Case {
    float delta;
    int growUpdates, flyUpdates;
  } cases[] = {{1, 51, 101}, {3, 17, 34}};
  for (const Case& k : cases) {
    flyingRocksList.clear();
    level_->mistakes = 0;
    delta = k.delta;
    CreateMistake(100, 200, 1);
    auto rock = flyingRocksList.back();
    int grow = 0, fly = 0;
    while (rock->state == 0 && grow < 1000) {
      _updateFlyingRocks();
      ++grow;
      EXPECT_LE(rock->per, 1.0f);
      EXPECT_FLOAT_EQ(rock->s, rock->state == 0 ? static_cast<float>(Sin(90.0 * rock->per)) : 1.0f);
    }
    EXPECT_EQ(grow, k.growUpdates) << "delta " << k.delta;
    EXPECT_FLOAT_EQ(rock->rot, 360);
    EXPECT_FLOAT_EQ(rock->x, 100);
    while (!flyingRocksList.empty() && fly < 1000) {
      EXPECT_EQ(level_->mistakes, 0) << "counted before landing";
      _updateFlyingRocks();
      ++fly;
      EXPECT_LE(rock->per, 1.0f);
      const float wantA = rock->per <= 0.9f ? 1.0f : (1 - rock->per) / 0.1f;
      EXPECT_NEAR(rock->a, wantA, 1e-5) << "per " << rock->per;
    }
    EXPECT_EQ(fly, k.flyUpdates) << "delta " << k.delta;
    EXPECT_EQ(level_->mistakes, 1);
    EXPECT_FLOAT_EQ(rock->x, 940);
    EXPECT_FLOAT_EQ(rock->y, 380);
  }
}

TEST_F(FlyingRocks, EachRockCountsOnceWhenItLands) {
  // Two rocks land in the same pass, the third 10 frames later.
  CreateMistake(10, 10, 0);
  CreateMistake(20, 20, 0);
  for (int i = 0; i < 10; ++i) _updateFlyingRocks();
  CreateMistake(30, 30, 0);
  int frames = 10;
  std::vector<std::pair<int, int>> changes;  // frame, mistakes
  int seen = 0;
  while (!flyingRocksList.empty() && frames < 500) {
    _updateFlyingRocks();
    ++frames;
    if (level_->mistakes != seen) changes.emplace_back(frames, seen = level_->mistakes);
  }
  // 51 updates of growth and 101 of flight each.
  EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{152, 2}, {162, 3}}));
}

}  // namespace
}  // namespace sorvanta
