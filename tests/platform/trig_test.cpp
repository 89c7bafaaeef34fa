#include "platform/trig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sorvanta {
namespace {

TEST(Trig, DegreesWithExactQuarterTurns) {
  // Quarter turns are exact, at any number of whole turns either way.
  for (int turns = -3; turns <= 3; ++turns) {
    const double base = 360.0 * turns;
    EXPECT_EQ(Sin(base + 0), 0.0) << turns;
    EXPECT_EQ(Sin(base + 90), 1.0) << turns;
    EXPECT_EQ(Sin(base + 180), 0.0) << turns;
    EXPECT_EQ(Sin(base + 270), -1.0) << turns;
    EXPECT_EQ(Cos(base + 0), 1.0) << turns;
    EXPECT_EQ(Cos(base + 90), 0.0) << turns;
    EXPECT_EQ(Cos(base + 180), -1.0) << turns;
    EXPECT_EQ(Cos(base + 270), 0.0) << turns;
  }
  EXPECT_EQ(Sin(-90), -1.0);
  // An eased ramp at its end lands exactly on 1.
  EXPECT_EQ(Sin(90 * 1.0f), 1.0);

  // Other angles as the radian functions give them.
  for (double d : {0.5, 22.5, 30.0, 45.0, 60.0, 135.0, 200.0, 359.5, -30.0, -400.0, 1e6 + 30}) {
    const double r = std::fmod(d, 360.0) * 3.14159265358979323846 / 180.0;
    EXPECT_NEAR(Sin(d), std::sin(r), 1e-12) << d;
    EXPECT_NEAR(Cos(d), std::cos(r), 1e-12) << d;
  }
  EXPECT_NEAR(Sin(30), 0.5, 1e-15);
  EXPECT_NEAR(Cos(60), 0.5, 1e-15);
  EXPECT_NEAR(Sin(22.5), 0.38268343236508978, 1e-15);
  EXPECT_TRUE(std::isnan(Sin(INFINITY)));
  EXPECT_TRUE(std::isnan(Cos(NAN)));
}

}  // namespace
}  // namespace sorvanta
