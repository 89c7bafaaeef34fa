#pragma once
// The lines a piece of code prints on standard output.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace sorvanta::test {

// Runs fn and returns the lines it printed on standard output. The capture
// ends even when fn throws, so the next test's output is not swallowed.
inline std::vector<std::string> StdoutLines(const std::function<void()>& fn) {
  ::testing::internal::CaptureStdout();
  try {
    fn();
  } catch (...) {
    ::testing::internal::GetCapturedStdout();
    throw;
  }
  std::istringstream in(::testing::internal::GetCapturedStdout());
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

}  // namespace sorvanta::test
