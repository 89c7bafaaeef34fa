// The lock that keeps a second copy of the game from running beside the first.
#include "platform/single_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/child_processes.h"

namespace sorvanta {

namespace {

struct Held {
  int fd = -1;
  std::string folder;
};

Held& held() {
  static Held h;
  return h;
}

// Whether the folder's name still leads to the folder the descriptor holds.
bool StillNamed(int fd, const std::string& folder) {
  struct stat open {}, named {};
  return ::fstat(fd, &open) == 0 && ::stat(folder.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
}

}  // namespace

CopyLock TakeCopyLock(const std::string& folder) {
  Held& h = held();
  if (h.fd >= 0 && h.folder == folder && StillNamed(h.fd, folder)) return CopyLock::kTaken;
  ReleaseCopyLock();
  // The folder may be swapped between the open and the lock: a lock on a
  // folder that no longer has the name keeps no one out, so take it again.
  for (int attempt = 0; attempt < 8; ++attempt) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return CopyLock::kUnavailable;
    int locked;
    while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
      const bool busy = errno == EWOULDBLOCK;
      ::close(fd);
      return busy ? CopyLock::kHeldElsewhere : CopyLock::kUnavailable;
    }
    if (StillNamed(fd, folder)) {
      h.fd = fd;
      h.folder = folder;
      // Only a box keeps it (child_processes.h): any other child, such
      // as a browser's opener, could outlive the game holding it.
      CloseInChildren(fd);
      return CopyLock::kTaken;
    }
    ::close(fd);
  }
  return CopyLock::kUnavailable;
}

bool LockedFolderMoved(const std::string& path) {
  const Held& h = held();
  if (h.fd < 0 || path.compare(0, h.folder.size(), h.folder) != 0) return false;
  if (path.size() > h.folder.size() && path[h.folder.size()] != '/') return false;
  return !StillNamed(h.fd, h.folder);
}

void ReleaseCopyLock() {
  Held& h = held();
  if (h.fd >= 0) ::close(h.fd);
  CloseInChildren(-1);
  h = Held{};
}

}  // namespace sorvanta
