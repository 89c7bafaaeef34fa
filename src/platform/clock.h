#pragma once
// Milliseconds since start, and a clock that tests can drive.
#include <functional>

namespace sorvanta {

// Milliseconds since the program started (monotonic; wraps after ~24 days).
int MilliSecs();
// Sleeps ms milliseconds. While a test clock is set it does not sleep: it
// calls the clock's delay handler (if any), which may advance that clock.
void Delay(int ms);

// Makes MilliSecs answer from clock; on_delay receives Delay's argument. No
// clock gives the real one back. Set it from the game thread while no other
// thread reads the clock.
void SetTestClock(std::function<int()> clock, std::function<void(int)> on_delay = nullptr);

}  // namespace sorvanta
