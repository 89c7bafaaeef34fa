#include "platform/trig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sorvanta {
namespace {

TEST(Trig, DegreesWithExactQuarterTurns) {
  // Quarter turns are exact, at any number of whole turns either way, so an
  // eased ramp at its end lands exactly on 1.
  for (int turns = -3; turns <= 3; ++turns) {
    const double base = 360.0 * turns;
    const double sines[] = {0, 1, 0, -1};
    for (int q = 0; q < 4; ++q) {
      EXPECT_EQ(Sin(base + 90 * q), sines[q]) << turns << " " << q;
      EXPECT_EQ(Cos(base + 90 * q), sines[(q + 1) % 4]) << turns << " " << q;
    }
  }
  // Other angles as the radian functions give them.
  for (double d : {22.5, 30.0, 359.5, -400.0, 1e6 + 30}) {
    const double r = std::fmod(d, 360.0) * 3.14159265358979323846 / 180.0;
    EXPECT_NEAR(Sin(d), std::sin(r), 1e-12) << d;
    EXPECT_NEAR(Cos(d), std::cos(r), 1e-12) << d;
  }
  EXPECT_TRUE(std::isnan(Sin(INFINITY)));
}

}  // namespace
}  // namespace sorvanta
