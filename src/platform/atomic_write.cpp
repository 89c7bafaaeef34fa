// Crash-safe replacement of a file (declared in files.h).
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
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

bool Report(const std::string& path, const char* what, const char* reason) {
  std::fprintf(stderr, "Could not save %s: %s failed (%s)\n", path.c_str(), what, reason);
  std::fflush(stderr);
  return false;
}

bool Report(const std::string& path, const char* what) { return Report(path, what, std::strerror(errno)); }

// A symbolic link stays a link: what it points to (after every link) is what
// gets replaced. False, with errno set, for a dangling link or a loop.
bool ResolveTarget(const std::string& path, std::string* target) {
  struct stat st {};
  *target = path;
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return false;
  *target = resolved;
  return true;
}

// Earlier saves named their temporary files target.tmp-XXXXXX; an
// interrupted one left its file behind for good.
void RemoveOldTemps(const std::string& dir, const std::string& name) {
  DIR* folder = ::opendir(dir.c_str());
  if (!folder) return;
  const std::string prefix = name + ".tmp-";
  while (const dirent* e = ::readdir(folder)) {
    const std::string entry = e->d_name;
    if (entry.size() != prefix.size() + 6 || entry.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string full = dir + "/" + entry;
    struct stat st {};
    if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(full.c_str());
  }
  ::closedir(folder);
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
  std::string target;
  if (!ResolveTarget(path, &target)) return Report(path, "follow the link");
  // Only a regular file is ever replaced: a folder, a device or a pipe in
  // the way stays as it is.
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) {
    return Report(path, "replace", S_ISDIR(st.st_mode) ? "a folder is in the way" : "not a regular file");
  }
  const std::string::size_type slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));

  // One fixed temporary name per target, so an interrupted save leaves at
  // most one file behind, and the next save takes its place.
  RemoveOldTemps(dir, target.substr(slash == std::string::npos ? 0 : slash + 1));
  const std::string temp = target + ".tmp";
  ::unlink(temp.c_str());
  int fd = Injected("open") ? -1 : ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return Report(path, "open");

  auto fail = [&](const char* what) {
    const int saved = errno;
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    errno = saved;
    return Report(path, what);
  };

  // Keep the old file's permissions; a new file gets the usual ones.
  mode_t mode;
  if (exists) {
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
