#pragma once
// A benchmark reporter that keeps each benchmark's real time per iteration,
// so that main() can print the figures in one line after the table.
#include <benchmark/benchmark.h>

#include <vector>

namespace sorvanta {

class FrameReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        perFrame.push_back(run.real_accumulated_time / static_cast<double>(run.iterations));
    ConsoleReporter::ReportRuns(runs);
  }
  std::vector<double> perFrame;  // seconds per iteration, in run order
};

}  // namespace sorvanta
