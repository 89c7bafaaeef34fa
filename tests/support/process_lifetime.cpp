// The test program tied to its starter, and each test's children held in one
// process group that a watcher kills when the test is over.
#include "support/process_lifetime.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace sorvanta::test {
namespace {

// Read by the fork handler in the child: the running test's group (0
// between tests) and the end of the pipe whose closing ends the watcher.
pid_t g_group = 0;
int g_alive = -1;
// Who started the test program.
pid_t g_parent = 0;

#if !defined(__linux__)
// Where the kernel cannot tie a process to its parent's death, the watcher
// looks this often whether the program's starter is still there.
constexpr int kLookMs = 250;
#endif

// Run in every child the test program forks, at any depth.
void JoinTestGroup() {
  if (g_alive >= 0) {
    ::close(g_alive);
    g_alive = -1;
  }
  // The group can only be gone once the test is over: this child is late.
  if (g_group > 0 && ::getpgrp() != g_group && ::setpgid(0, g_group) != 0) ::_exit(127);
}

[[noreturn]] void Watch(int alive, pid_t test) {
  // A stray end signal to the group must not leave it unwatched.
  for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) ::signal(s, SIG_IGN);
  // Holding ctest's output, or a lock or pipe of the program's, the watcher
  // would keep a reader waiting.
  const int null = ::open("/dev/null", O_RDWR);
  for (int fd = 0; fd < 3 && null >= 0; ++fd) ::dup2(null, fd);
  const long most = ::sysconf(_SC_OPEN_MAX);
  const int end = most > 0 && most < 65536 ? static_cast<int>(most) : 65536;
  for (int fd = 3; fd < end; ++fd)
    if (fd != alive) ::close(fd);
  pollfd over{alive, POLLIN, 0};
  for (;;) {
#if defined(__linux__)
    (void)test;
    const int ready = ::poll(&over, 1, -1);
#else
    const int ready = ::poll(&over, 1, kLookMs);
    if (ready == 0 && ::kill(g_parent, 0) != 0 && errno == ESRCH) {
      ::kill(test, SIGKILL);
      break;
    }
#endif
    if (ready > 0 || (ready < 0 && errno != EINTR)) break;
  }
  // Never the group of the program's starter.
  if (::getpgrp() == ::getpid()) ::kill(0, SIGKILL);
  ::_exit(0);
}

}  // namespace

ProcessLifetime::ProcessLifetime() {
  g_parent = ::getppid();
#if defined(__linux__)
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  // The starter may have gone before the tie was made.
  if (::getppid() != g_parent) ::_exit(1);
#endif
  ::pthread_atfork(nullptr, nullptr, JoinTestGroup);
}

void ProcessLifetime::OnTestStart(const ::testing::TestInfo&) {
  int alive[2];
  if (::pipe(alive) != 0) return;
  for (int fd : alive) ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  const pid_t test = ::getpid();
  const pid_t watcher = ::fork();
  if (watcher == 0) {
    ::setpgid(0, 0);
    ::close(alive[1]);
    Watch(alive[0], test);
  }
  ::close(alive[0]);
  // Both sides make the group, so that it stands before the test forks.
  if (watcher > 0) ::setpgid(watcher, watcher);
  if (watcher < 0 || ::getpgid(watcher) != watcher) {
    // No group: the test's children are on their own.
    ::close(alive[1]);
    if (watcher > 0) ::waitpid(watcher, nullptr, 0);
    return;
  }
  watcher_ = watcher;
  g_group = watcher;
  g_alive = alive[1];
}

void ProcessLifetime::OnTestEnd(const ::testing::TestInfo&) {
  if (watcher_ <= 0) return;
  g_group = 0;
  ::close(g_alive);
  g_alive = -1;
  // The watcher kills the group, itself with it; every child of this
  // process in it is then reaped, the watcher last.
  while (::waitpid(-watcher_, nullptr, 0) > 0 || errno == EINTR) {
  }
  watcher_ = 0;
}

}  // namespace sorvanta::test
