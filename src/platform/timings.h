#pragma once
// Figures for the benchmark scripts: printed on stdout only when the
// environment has SORVANTA_TIMINGS=1, so a player never sees them.
#include <string>

namespace sorvanta {

bool TimingsOn();
// Seconds since the process started (to the kernel's clock tick, 10 ms).
double SecondsSinceStart();
// "timing: WHAT S s", S the seconds since the process started.
void PrintTiming(const std::string& what);
// Called once a frame: at most once a second of wall time prints
// "frames: N at S s", N the frames presented since the process started.
void ReportPresentedFrames();

}  // namespace sorvanta
