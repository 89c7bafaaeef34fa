#include "platform/child_processes.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/input_internal.h"
#include "platform/single_copy.h"
#include "support/forked_with_pipes.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

// A game, another process, holds the one-copy lock, shows a box (a forked
// process that waits for ever) and waits for it as the platform's box does.
// The box keeps no lock once the game lets it go; SIGKILL to the game takes
// the box along; an end signal ends the box, so the game's wait ends.
TEST(ChildProcesses, ABoxHoldsNoLockAndGoesWithTheGame) {
  for (int signal : {SIGKILL, SIGTERM, SIGHUP}) {
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
      ReleaseCopyLock();
      if (::write(report[1], &box, sizeof box) != sizeof box) ::_exit(3);
      while (::waitpid(box, nullptr, 0) < 0 && errno == EINTR) {
      }
      ::_exit(4);
    }
    ::close(life[1]);
    // Both have told: the box is under way, the game has let the lock go.
    pid_t box = 0;
    for (int told = 0; told < 2; ++told)
      ASSERT_EQ(::read(report[0], &box, sizeof box), static_cast<ssize_t>(sizeof box));
    EXPECT_EQ(TakeCopyLock(folder.path()), CopyLock::kTaken) << "the box keeps the lock";
    ReleaseCopyLock();
    ::kill(game, signal);
    EXPECT_TRUE(test::HoldersGone(life[0], {box, game})) << "the box outlives the game";
    int status = 0;
    ::waitpid(game, &status, 0);
    if (signal != SIGKILL) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 4) << status;
    }
    for (int fd : {report[0], report[1], life[0]}) ::close(fd);
  }
}

}  // namespace
}  // namespace sorvanta
