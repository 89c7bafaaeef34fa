#include "support/process_lifetime.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/forked_with_pipes.h"

namespace sorvanta::test {
namespace {

// A test run in a process of its own, as ctest runs each, forks a child
// that ignores SIGTERM and holds a pipe open (as a copy of the game holds
// ctest's output). Whether the test ends or is killed at its time limit,
// the child goes with it and the pipe closes.
TEST(ProcessLifetime, ATestsChildrenEndWithIt) {
  for (const bool killed : {false, true}) {
    SCOPED_TRACE(killed ? "killed" : "ended");
    int held[2], report[2];
    const pid_t test = ForkWithPipes(held, report);
    ASSERT_GE(test, 0);
    if (test == 0) {
      ProcessLifetime lifetime;
      const auto& info = *::testing::UnitTest::GetInstance()->current_test_info();
      lifetime.OnTestStart(info);
      const pid_t child = ::fork();
      if (child == 0) {
        ::signal(SIGTERM, SIG_IGN);
        for (;;) ::pause();
      }
      if (::write(report[1], &child, sizeof child) != sizeof child) ::_exit(1);
      if (killed) {
        for (;;) ::pause();
      }
      lifetime.OnTestEnd(info);
      ::_exit(0);
    }
    ::close(held[1]);
    ::close(report[1]);
    pid_t child = 0;
    ASSERT_EQ(::read(report[0], &child, sizeof child), static_cast<ssize_t>(sizeof child));
    if (killed) ::kill(test, SIGKILL);
    EXPECT_TRUE(HoldersGone(held[0], {child, test})) << "the child outlives its test";
    ::waitpid(test, nullptr, 0);
    ::close(held[0]);
    ::close(report[0]);
  }
}

}  // namespace
}  // namespace sorvanta::test
