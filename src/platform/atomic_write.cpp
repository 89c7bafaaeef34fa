// Crash-safe replacement of a file (declared in files.h).
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/files.h"

namespace sorvanta {
namespace {

std::function<bool(const std::string&)>& Fault() {
  static std::function<bool(const std::string&)> fault;
  return fault;
}

bool Injected(const char* step) {
  if (Fault() && Fault()(step)) {
    errno = EIO;
    return true;
  }
  return false;
}

bool Report(const std::string& path, const char* what) {
  std::fprintf(stderr, "Could not save %s: %s failed (%s)\n", path.c_str(), what,
               std::strerror(errno));
  std::fflush(stderr);
  return false;
}

// A symbolic link stays a link: its target is what gets replaced.
std::string ResolveTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
  }
  return path;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

void SetAtomicWriteFaultForTests(std::function<bool(const std::string& step)> fault) {
  Fault() = std::move(fault);
}

bool AtomicWriteFile(const std::string& path, const std::string& bytes) {
  if (path.empty()) {
    errno = ENOENT;
    return Report(path, "open");
  }
  const std::string target = ResolveTarget(path);
  const std::string::size_type slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));

  std::string temp = target + ".tmp-XXXXXX";
  int fd = Injected("open") ? -1 : ::mkstemp(temp.data());
  if (fd < 0) return Report(path, "open");

  auto fail = [&](const char* what) {
    const int saved = errno;
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    errno = saved;
    return Report(path, what);
  };

  // Keep the old file's permissions; a new file gets the usual ones.
  struct stat st {};
  mode_t mode;
  if (::stat(target.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);

  if (Injected("write") || !WriteAll(fd, bytes)) return fail("write");
  if (Injected("sync") || ::fsync(fd) != 0) return fail("sync");
  const int closing = fd;
  fd = -1;
  if (::close(closing) != 0) return fail("close");
  if (Injected("rename") || ::rename(temp.c_str(), target.c_str()) != 0) return fail("rename");

  // Makes the rename itself durable; the new file is in place either way.
  const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

}  // namespace sorvanta
