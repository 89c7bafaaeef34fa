// The milliseconds since start and the sleep, on the real clock or a test's.
#include "platform/clock.h"

#include <chrono>
#include <cstdint>
#include <thread>
#include <utility>

namespace sorvanta {
namespace {

using SteadyClock = std::chrono::steady_clock;

// Taken on first use, so a caller in another file's static set-up sees 0, not garbage.
SteadyClock::time_point Start() {
  static const SteadyClock::time_point start = SteadyClock::now();
  return start;
}

// The count starts with the program, not with the first call.
[[maybe_unused]] const SteadyClock::time_point kTouchStart = Start();

std::function<int()>& TestClock() {
  static std::function<int()> clock;
  return clock;
}

std::function<void(int)>& TestDelay() {
  static std::function<void(int)> on_delay;
  return on_delay;
}

}  // namespace

int MilliSecs() {
  if (TestClock()) return TestClock()();
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - Start()).count();
  // Wraps like a 32-bit counter instead of overflowing.
  return static_cast<int>(static_cast<std::uint32_t>(ms));
}

void Delay(int ms) {
  if (TestClock()) {
    if (TestDelay()) TestDelay()(ms);
    return;
  }
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SetTestClock(std::function<int()> clock, std::function<void(int)> on_delay) {
  TestClock() = std::move(clock);
  TestDelay() = std::move(on_delay);
}

}  // namespace sorvanta
