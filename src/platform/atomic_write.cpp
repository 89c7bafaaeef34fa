// Crash-safe replacement of a file (declared in files.h).
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <chrono>
#include <random>
#include <utility>

#include "platform/files.h"
#include "platform/single_copy.h"

namespace sorvanta {
namespace {

std::function<bool(const std::string&)>& Fault() {
  static std::function<bool(const std::string&)> fault;
  return fault;
}

// A fault may set errno to the cause it stands for (ENOSPC, EACCES); EIO otherwise.
bool Injected(const char* step) {
  errno = 0;
  if (Fault() && Fault()(step)) {
    if (errno == 0) errno = EIO;
    return true;
  }
  return false;
}

// Leaves errno as the failure set it: the caller tells the player why.
bool Report(const std::string& path, const char* what, const char* reason) {
  const int cause = errno;
  std::fprintf(stderr, "Could not save %s: %s failed (%s)\n", path.c_str(), what, reason);
  std::fflush(stderr);
  errno = cause;
  return false;
}

bool Report(const std::string& path, const char* what) { return Report(path, what, CauseText(errno).c_str()); }

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

// What interrupted saves left: target.tmp-XXXXXX files, and target.tmp of
// older builds. A temporary file still locked belongs to a save under way
// (another process's) and stays.
void RemoveOldTemps(const std::string& dir, const std::string& name) {
  ::unlink((dir + "/" + name + ".tmp").c_str());
  DIR* folder = ::opendir(dir.c_str());
  if (!folder) return;
  const std::string prefix = name + ".tmp-";
  while (const dirent* e = ::readdir(folder)) {
    const std::string entry = e->d_name;
    if (entry.size() != prefix.size() + 6 || entry.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string full = dir + "/" + entry;
    const int fd = ::open(full.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(full.c_str());
    ::close(fd);
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

// A new file beside target, path + ".tmp-" and six characters of its own,
// made with mode (less the umask); its name in *temp. -1 with errno set.
int CreateTemp(const std::string& target, mode_t mode, std::string* temp) {
  static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::atomic<unsigned> counter{0};
  const auto now = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::minstd_rand pick(now ^ (counter.fetch_add(1) * 2654435761u) ^ static_cast<unsigned>(::getpid()));
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp = target + ".tmp-";
    for (int i = 0; i < 6; ++i) temp->push_back(kChars[pick() % (sizeof kChars - 1)]);
    const int fd = ::open(temp->c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The temporary file's lock; a file just made is held by no one else.
bool Lock(int fd) {
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EINTR) return false;
  }
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
  // Before it writes by the folder's name: another copy may own that now.
  if (LockedFolderMoved(path)) {
    errno = kCauseFolderMoved;
    return Report(path, "check the folder");
  }
  std::string target;
  if (!ResolveTarget(path, &target)) return Report(path, "follow the link");
  // Only a regular file is ever replaced: a folder, a device or a pipe in
  // the way stays as it is.
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : kCauseNotAFile;
    return Report(path, "replace", S_ISDIR(st.st_mode) ? "a folder is in the way" : CauseText(errno).c_str());
  }
  const std::string::size_type slash = target.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));

  // A name of its own for every write, so two writers never share a file;
  // locked until it is renamed, so the sweep above leaves it alone.
  RemoveOldTemps(dir, target.substr(slash == std::string::npos ? 0 : slash + 1));
  // A new file gets the usual permissions from the kernel (the umask
  // applies at the create, never changed here: other threads create files
  // too); a replaced file keeps its own.
  const mode_t mode = exists ? (st.st_mode & 07777) : 0666;
  std::string temp;
  int fd = Injected("open") ? -1 : CreateTemp(target, mode, &temp);
  if (fd < 0) return Report(path, "open");
  int hold = -1;
  auto fail = [&](const char* what) {
    const int saved = errno;
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    if (hold >= 0) ::close(hold);
    errno = saved;
    return Report(path, what);
  };
  // The lock lasts while a copy of the descriptor is open: past the close
  // below (which reports late write errors) until the rename.
  if (!Lock(fd)) return fail("lock");
  hold = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (hold < 0) return fail("lock");
  struct stat made {};
  if (::fstat(fd, &made) != 0) return fail("keep the permissions");
  if (exists && (made.st_mode & 07777) != mode && ::fchmod(fd, mode) != 0) return fail("keep the permissions");

  if (Injected("write") || !WriteAll(fd, bytes)) return fail("write");
  if (Injected("sync") || ::fsync(fd) != 0) return fail("sync");
  const int closing = fd;
  fd = -1;
  if (::close(closing) != 0) return fail("close");
  if (Injected("rename") || ::rename(temp.c_str(), target.c_str()) != 0) return fail("rename");
  if (hold >= 0) ::close(hold);

  // Makes the rename itself durable; the new file is in place either way.
  const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

}  // namespace sorvanta
