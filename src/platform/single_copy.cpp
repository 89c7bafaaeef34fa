// The lock that keeps a second copy of the game from running beside the first.
#include "platform/single_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace sorvanta {

namespace {

struct Held {
  int fd = -1;
  std::string path;
};

Held& held() {
  static Held h;
  return h;
}

}  // namespace

CopyLock TakeCopyLock(const std::string& path) {
  Held& h = held();
  if (h.fd >= 0 && h.path == path) return CopyLock::kTaken;
  ReleaseCopyLock();
  // A read-only folder may still hold the file from an earlier run.
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return CopyLock::kUnavailable;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? CopyLock::kHeldElsewhere : CopyLock::kUnavailable;
  }
  h.fd = fd;
  h.path = path;
  return CopyLock::kTaken;
}

void ReleaseCopyLock() {
  Held& h = held();
  if (h.fd >= 0) ::close(h.fd);
  h = Held{};
}

}  // namespace sorvanta
