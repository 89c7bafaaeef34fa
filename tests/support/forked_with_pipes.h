#pragma once
// A child forked with two pipes open to it, and the wait for the processes
// that hold one of them to be gone: the tests of processes that must end
// with their parent are built of both.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <initializer_list>

namespace sorvanta::test {

// Opens both pipes, then forks: 0 in the child, its pid in the test, and -1
// with nothing left open when a pipe or the fork could not be made.
inline pid_t ForkWithPipes(int (&first)[2], int (&second)[2]) {
  if (::pipe(first) != 0) return -1;
  if (::pipe(second) == 0) {
    const pid_t child = ::fork();
    if (child >= 0) return child;
    ::close(second[0]);
    ::close(second[1]);
  }
  ::close(first[0]);
  ::close(first[1]);
  return -1;
}

// Whether the pipe read at fd closes within ten seconds, every process that
// held its other end gone. When it does not, the holders are killed, so
// that none outlives the test that failed.
inline bool HoldersGone(int fd, std::initializer_list<pid_t> holders) {
  pollfd gone{fd, POLLIN, 0};
  if (::poll(&gone, 1, 10000) == 1) return true;
  for (const pid_t holder : holders) ::kill(holder, SIGKILL);
  return false;
}

}  // namespace sorvanta::test
