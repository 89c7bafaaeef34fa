#pragma once
// Every process a test starts ends with the test, however the test ends:
// passed, failed, crashed, or killed by a time limit.
#include <gtest/gtest.h>

#include <sys/types.h>

namespace sorvanta::test {

// Ties the test program to whoever started it (ctest, a time limit, a
// shell): when that goes, the program goes too. During each test every
// process forked from the program, or from one of its children, joins one
// process group, held by a watcher that kills the whole group with SIGKILL
// when the test ends or the program dies. A child that ignores SIGTERM, or
// a grandchild that holds ctest's output pipe, cannot outlive its test. The
// test main installs it.
class ProcessLifetime : public ::testing::EmptyTestEventListener {
 public:
  ProcessLifetime();
  void OnTestStart(const ::testing::TestInfo&) override;
  void OnTestEnd(const ::testing::TestInfo&) override;

 private:
  pid_t watcher_ = 0;
};

}  // namespace sorvanta::test
