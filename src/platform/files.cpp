// Folders and path names (declared in files.h).
#include "platform/files.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstring>
#include <vector>

#include "platform/single_copy.h"

namespace sorvanta {
namespace {

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

int FileType(const std::string& path) {
  if (path.empty()) return 0;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return 0;
  if (S_ISDIR(st.st_mode)) return 2;
  if (S_ISREG(st.st_mode)) return 1;
  return 0;
}

bool Readable(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

bool SomethingAt(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::string CauseText(int cause) {
  switch (cause) {
    case kCauseNotAFile: return "not a regular file but a device, a pipe or a socket";
    case kCauseFolderMoved: return "the game's folder was moved or replaced while it ran";
    default: return std::strerror(cause);
  }
}

bool CreateDir(const std::string& path, bool recurse) {
  const std::string dir = WithoutTrailingSlashes(path);
  if (dir.empty()) return false;
  if (LockedFolderMoved(dir)) {
    errno = kCauseFolderMoved;
    return false;
  }
  if (FileType(dir) == 2) return true;
  if (recurse) {
    const std::string parent = ExtractDir(dir);
    if (!parent.empty() && parent != dir && !CreateDir(parent, true)) return false;
  }
  if (::mkdir(dir.c_str(), 0777) == 0) return true;
  return errno == EEXIST && FileType(dir) == 2;
}

bool ChangeDir(const std::string& path) { return !path.empty() && ::chdir(path.c_str()) == 0; }

std::string CurrentDir() {
  std::vector<char> buf(PATH_MAX);
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) return {};
    buf.resize(buf.size() * 2);
  }
  return buf.data();
}

std::string RealPath(const std::string& path) {
  std::string full = path;
  if (full.empty() || full[0] != '/') {
    const std::string cwd = CurrentDir();
    full = cwd + (cwd.size() > 1 ? "/" : "") + full;
  }
  std::vector<std::string> parts;
  std::size_t pos = 0;
  while (pos <= full.size()) {
    std::size_t next = full.find('/', pos);
    if (next == std::string::npos) next = full.size();
    const std::string part = full.substr(pos, next - pos);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    pos = next + 1;
  }
  std::string out;
  for (const std::string& part : parts) out += "/" + part;
  return out.empty() ? "/" : out;
}

std::string ExtractDir(const std::string& path) {
  const std::string trimmed = WithoutTrailingSlashes(path);
  const std::string::size_type slash = trimmed.rfind('/');
  if (slash == std::string::npos) return {};
  if (slash == 0) return "/";
  return trimmed.substr(0, slash);
}

std::string StripDir(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StripExt(const std::string& path) {
  const std::string::size_type dot = path.rfind('.');
  const std::string::size_type slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
  return path.substr(0, dot);
}

std::string StripAll(const std::string& path) { return StripDir(StripExt(path)); }

std::string AppFile() {
  std::vector<char> buf(PATH_MAX);
  for (;;) {
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < buf.size()) return std::string(buf.data(), static_cast<std::size_t>(n));
    buf.resize(buf.size() * 2);
  }
}

std::string HomeDir() {
  // "/" alone (system accounts) counts as no home folder.
  const char* env = std::getenv("HOME");
  if (env != nullptr) {
    const std::string home = WithoutTrailingSlashes(env);
    if (!home.empty() && home != "/") return home;
  }
  struct passwd pw {};
  struct passwd* found = nullptr;
  std::vector<char> buf(16384);
  if (::getpwuid_r(::getuid(), &pw, buf.data(), buf.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr) {
    const std::string home = WithoutTrailingSlashes(found->pw_dir);
    if (!home.empty() && home != "/") return home;
  }
  return {};
}

}  // namespace sorvanta
