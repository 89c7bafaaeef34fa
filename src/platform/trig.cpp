#include "platform/trig.h"

#include <cmath>

namespace sorvanta {
namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

// Sine of an angle turned a quarter turn further for each step of quarter.
double SineAt(double degrees, int quarter) {
  if (!std::isfinite(degrees)) return std::nan("");
  // fmod is exact, so reducing first keeps large angles precise.
  double r = std::fmod(degrees, 360.0);
  if (r < 0) r += 360.0;
  r += 90.0 * quarter;
  if (r >= 360.0) r -= 360.0;
  if (r == 0.0 || r == 180.0) return 0.0;
  if (r == 90.0) return 1.0;
  if (r == 270.0) return -1.0;
  return std::sin(r * kRadiansPerDegree);
}

}  // namespace

double Sin(double degrees) { return SineAt(degrees, 0); }
double Cos(double degrees) { return SineAt(degrees, 1); }

}  // namespace sorvanta
