#include "platform/random.h"

#include <cstdint>
#include <random>

namespace sorvanta {
namespace {

// mt19937's output sequence is fixed by the standard; the mapping to ranges
// below is our own, so every build draws the same numbers.
std::mt19937& Generator() {
  static std::mt19937 generator(5489u);
  return generator;
}

}  // namespace

int Rand(int a, int b) {
  const std::int64_t lo = a < b ? a : b;
  const std::int64_t hi = a < b ? b : a;
  const std::uint64_t span = static_cast<std::uint64_t>(hi - lo) + 1;  // at most 2^32
  std::uint64_t r = Generator()();
  if (span < (std::uint64_t{1} << 32)) {
    // Rejection keeps every value equally likely.
    const std::uint64_t limit = (std::uint64_t{1} << 32) - (std::uint64_t{1} << 32) % span;
    while (r >= limit) r = Generator()();
    r %= span;
  }
  return static_cast<int>(lo + static_cast<std::int64_t>(r));
}

double Rnd(double a, double b) {
  const double lo = a < b ? a : b;
  const double hi = a < b ? b : a;
  const std::uint64_t high = Generator()() >> 5;  // 27 bits
  const std::uint64_t low = Generator()() >> 6;   // 26 bits
  const double unit = static_cast<double>((high << 26) | low) / 9007199254740992.0;  // [0, 1)
  const double value = lo + unit * (hi - lo);
  // Rounding can land on hi; the range stays half-open.
  return value < hi ? value : lo;
}

void ResetRandomForTests() { Generator().seed(5489u); }

}  // namespace sorvanta
