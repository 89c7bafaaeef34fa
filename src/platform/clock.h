#pragma once
// Milliseconds since start, and a clock that tests can drive.
#include <climits>
#include <cstdint>
#include <functional>

namespace sorvanta {

// Milliseconds since the program started (monotonic; wraps after ~24 days).
int MilliSecs();
// Sums and differences of readings are taken modulo 2^32, so that the wrap is
// an ordinary moment: a deadline up to 24 days away compares right on either
// side of it. Every deadline on the clock is set and read with these.
inline int msAfter(int now, int ms) {
  return static_cast<int>(static_cast<std::uint32_t>(now) + static_cast<std::uint32_t>(ms));
}
// now - then, negative while then is still ahead.
inline int msSince(int now, int then) {
  return static_cast<int>(static_cast<std::uint32_t>(now) - static_cast<std::uint32_t>(then));
}
// True once now is later than the deadline. A deadline is never set more than
// span ms ahead: one that reads as further ahead was set a half turn of the
// clock ago or more and is long past, not still to come.
inline bool msPast(int now, int deadline, int span = INT_MAX) {
  return msSince(now, deadline) > 0 || msSince(deadline, now) > span;
}

// Sleeps ms milliseconds. While a test clock is set it does not sleep: it
// calls the clock's delay handler (if any), which may advance that clock.
void Delay(int ms);

// Makes MilliSecs answer from clock; on_delay receives Delay's argument. No
// clock gives the real one back. Set it from the game thread while no other
// thread reads the clock.
void SetTestClock(std::function<int()> clock, std::function<void(int)> on_delay = nullptr);

}  // namespace sorvanta
