// Start-up and frame figures for the benchmark scripts.
#include "platform/timings.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/system.h"
#include "platform/video_internal.h"

namespace sorvanta {

namespace {

double BootSeconds() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// When the kernel started this process, in seconds since boot; the first
// call's own time where /proc cannot tell.
double StartSeconds() {
  static const double start = [] {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // Field 22; the command name (field 2, in parentheses) may hold spaces.
    const auto close = line.rfind(')');
    if (close != std::string::npos) {
      std::istringstream rest(line.substr(close + 1));
      std::string field;
      for (int i = 3; i <= 22 && rest >> field; ++i)
        if (i == 22) return std::strtod(field.c_str(), nullptr) / static_cast<double>(sysconf(_SC_CLK_TCK));
    }
    return BootSeconds();
  }();
  return start;
}

}  // namespace

bool TimingsOn() {
  static const bool on = [] {
    const char* value = std::getenv("SORVANTA_TIMINGS");
    return value && std::strcmp(value, "1") == 0;
  }();
  return on;
}

double SecondsSinceStart() { return BootSeconds() - StartSeconds(); }

void PrintTiming(const std::string& what) {
  if (!TimingsOn()) return;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.3f", SecondsSinceStart());
  Print("timing: " + what + " " + seconds + " s");
}

void ReportPresentedFrames() {
  if (!TimingsOn()) return;
  static double next = 0;
  const double now = SecondsSinceStart();
  if (now < next) return;
  next = now + 1;
  char line[64];
  std::snprintf(line, sizeof line, "frames: %ld at %.3f s", Video().presents, now);
  Print(line);
}

}  // namespace sorvanta
