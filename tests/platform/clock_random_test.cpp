#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/clock.h"
#include "platform/random.h"

namespace sorvanta {
namespace {

TEST(Clock, RealAndTestClock) {
  const int start = MilliSecs();
  Delay(20);
  EXPECT_GE(MilliSecs() - start, 20);

  int now = 1000;
  SetTestClock([&] { return now; }, [&](int ms) { now += ms; });
  Delay(250);  // advances the test clock instead of sleeping
  EXPECT_EQ(MilliSecs(), 1250);
  SetTestClock([] { return 7; });
  Delay(100000);  // no handler: returns at once
  EXPECT_EQ(MilliSecs(), 7);
  SetTestClock(nullptr);
  EXPECT_GE(MilliSecs(), start + 20);
}

TEST(Clock, DeadlinesHoldAcrossTheWrap) {
  struct Row {
    const char* name;
    int set, ms, now, span;  // the deadline is ms after set
    bool past;
  };
  const Row rows[] = {
      {"not yet", 1000, 500, 1500, 500, false},
      {"past", 1000, 500, 1501, 500, true},
      {"due across the wrap, read before it", INT_MAX - 50, 100, INT_MAX, 100, false},
      {"due across the wrap, read after it", INT_MAX - 50, 100, INT_MIN + 50, 100, true},
      {"due before the wrap, read after it", INT_MAX - 500, 100, INT_MIN + 5, 100, true},
      {"set a half turn of the clock ago", 0, 1000, INT_MIN + 2000, 1000, true},
  };
  for (const Row& r : rows) EXPECT_EQ(msPast(r.now, msAfter(r.set, r.ms), r.span), r.past) << r.name;
}

TEST(Random, SequenceRepeatsAndStaysInRange) {
  auto draw = [] {
    ResetRandomForTests();
    std::vector<int> v;
    for (int i = 0; i < 10; ++i) v.push_back(Rand(1, 100));
    return v;
  };
  const std::vector<int> first = draw();
  EXPECT_EQ(draw(), first);
  // The mapping is ours, so every build and library draws these same numbers.
  EXPECT_EQ(std::vector<int>(first.begin(), first.begin() + 3), (std::vector<int>{13, 3, 35}));

  std::vector<int> seen(6, 0);
  for (int i = 0; i < 2000; ++i) {
    const int r = Rand(5, 1);  // either order
    ASSERT_GE(r, 1);
    ASSERT_LE(r, 5);
    ++seen[r];
    const int neg = Rand(-3, 3);
    ASSERT_GE(neg, -3);
    ASSERT_LE(neg, 3);
    (void)Rand(INT_MIN, INT_MAX);  // must not overflow
    const double unit = Rnd();
    ASSERT_GE(unit, 0.0);
    ASSERT_LT(unit, 1.0);
    const double r2 = Rnd(4, -4);
    ASSERT_GE(r2, -4.0);
    ASSERT_LT(r2, 4.0);
  }
  for (int v = 1; v <= 5; ++v) EXPECT_GT(seen[v], 300) << v;
  EXPECT_EQ(Rand(3, 3), 3);
  EXPECT_EQ(Rnd(2.0, 2.0), 2.0);
}

}  // namespace
}  // namespace sorvanta
