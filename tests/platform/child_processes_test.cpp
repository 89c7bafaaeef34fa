#include "platform/child_processes.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <string>

#include "platform/input_internal.h"
#include "platform/single_copy.h"
#include "support/forked_with_pipes.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

// Takes the lock as a next start does, for as long as the dying holders may
// take to let it go (ten seconds); whether it was taken.
bool LockFreed(const std::string& folder) {
  const timespec tick{0, 10 * 1000 * 1000};
  for (int tries = 0; tries < 1000; ++tries) {
    if (TakeCopyLock(folder) == CopyLock::kTaken) return true;
    ::nanosleep(&tick, nullptr);
  }
  return false;
}

// A game, another process, holds the one-copy lock, shows a box (a forked
// process that waits for ever) and waits for it as the platform's box does.
// While the box is up a next start finds the lock taken, even with the
// game's own hold let go; SIGKILL to the game, also to a stopped game,
// takes the box along; an end signal ends the box, so the game's wait ends.
// Only then is the lock free.
TEST(ChildProcesses, ABoxHoldsTheLockAndGoesWithTheGame) {
  constexpr int kStoppedThenKilled = SIGSTOP;
  for (int signal : {SIGKILL, kStoppedThenKilled, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    test::TempFolder folder;
    int report[2], life[2];
    const pid_t game = test::ForkWithPipes(report, life);
    ASSERT_GE(game, 0);
    if (game == 0) {
      InstallTerminateHandlers();
      if (TakeCopyLock(folder.path()) != CopyLock::kTaken) ::_exit(2);
      const BoxProcess shown;
      const pid_t box = ::fork();
      if (box == 0) {
        const pid_t self = ::getpid();
        if (::write(report[1], &self, sizeof self) != sizeof self) ::_exit(3);
        for (;;) ::pause();
      }
      ::close(life[1]);
      // What holds the lock from here is the box alone.
      ReleaseCopyLock();
      if (::write(report[1], &box, sizeof box) != sizeof box) ::_exit(3);
      while (::waitpid(box, nullptr, 0) < 0 && errno == EINTR) {
      }
      ::_exit(4);
    }
    ::close(life[1]);
    // Both have told: the box is under way, the game has let its hold go.
    pid_t box = 0;
    for (int told = 0; told < 2; ++told)
      ASSERT_EQ(::read(report[0], &box, sizeof box), static_cast<ssize_t>(sizeof box));
    EXPECT_EQ(TakeCopyLock(folder.path()), CopyLock::kHeldElsewhere) << "a next start beside the box";
    int status = 0;
    if (signal == kStoppedThenKilled) {
      ::kill(game, SIGSTOP);
      ASSERT_EQ(::waitpid(game, &status, WUNTRACED), game);
      EXPECT_TRUE(WIFSTOPPED(status)) << status;
      ::kill(game, SIGKILL);
    } else {
      ::kill(game, signal);
    }
    EXPECT_TRUE(test::HoldersGone(life[0], {box, game})) << "the box outlives the game";
    ::waitpid(game, &status, 0);
    if (signal == SIGTERM || signal == SIGHUP) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 4) << status;
    }
    EXPECT_TRUE(LockFreed(folder.path())) << "the lock outlives the box";
    ReleaseCopyLock();
    for (int fd : {report[0], report[1], life[0]}) ::close(fd);
  }
}

}  // namespace
}  // namespace sorvanta
