#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/clock.h"
#include "platform/random.h"

namespace sorvanta {
namespace {

TEST(Clock, RealAndTestClock) {
  const int start = MilliSecs();
  EXPECT_GE(start, 0);
  Delay(20);
  EXPECT_GE(MilliSecs() - start, 20);

  int now = 1000;
  SetTestClock([&] { return now; }, [&](int ms) { now += ms; });
  EXPECT_EQ(MilliSecs(), 1000);
  Delay(250);  // advances the test clock instead of sleeping
  EXPECT_EQ(MilliSecs(), 1250);
  SetTestClock([] { return 7; });
  Delay(100000);  // no handler: returns at once
  EXPECT_EQ(MilliSecs(), 7);
  ResetClock();
  EXPECT_GE(MilliSecs(), start + 20);
}

TEST(Random, SequenceRepeatsAndStaysInRange) {
  ResetRandomForTests();
  std::vector<int> first;
  for (int i = 0; i < 10; ++i) first.push_back(Rand(1, 100));
  ResetRandomForTests();
  std::vector<int> again;
  for (int i = 0; i < 10; ++i) again.push_back(Rand(1, 100));
  EXPECT_EQ(first, again);
  // The mapping is ours, so every build and library draws these same numbers.
  EXPECT_EQ(std::vector<int>(first.begin(), first.begin() + 3), (std::vector<int>{13, 3, 35}));

  std::vector<int> seen(6, 0);
  for (int i = 0; i < 2000; ++i) {
    const int r = Rand(5, 1);
    ASSERT_GE(r, 1);
    ASSERT_LE(r, 5);
    ++seen[r];
  }
  for (int v = 1; v <= 5; ++v) EXPECT_GT(seen[v], 300) << v;
  EXPECT_EQ(Rand(3, 3), 3);
  EXPECT_EQ(Rand(-2, -2), -2);
  for (int i = 0; i < 100; ++i) {
    const int wide = Rand(INT_MIN, INT_MAX);
    (void)wide;  // any int; must not overflow
    const int neg = Rand(-3, 3);
    ASSERT_GE(neg, -3);
    ASSERT_LE(neg, 3);
  }

  for (int i = 0; i < 2000; ++i) {
    const double unit = Rnd();
    ASSERT_GE(unit, 0.0);
    ASSERT_LT(unit, 1.0);
    const double r = Rnd(4, -4);
    ASSERT_GE(r, -4.0);
    ASSERT_LT(r, 4.0);
    const double s = Rnd(0.005, 0.01);
    ASSERT_GE(s, 0.005);
    ASSERT_LT(s, 0.01);
  }
  EXPECT_EQ(Rnd(2.0, 2.0), 2.0);
}

}  // namespace
}  // namespace sorvanta
