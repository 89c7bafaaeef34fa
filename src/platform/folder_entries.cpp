// Folder entries, file sizes and moving a file aside (folder_entries.h).
#include "platform/folder_entries.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <sys/stat.h>

#include <utility>

namespace sorvanta {

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<std::uintmax_t> FileSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::uintmax_t>(st.st_size);
}

namespace {

std::function<bool()>& moveFault() {
  static std::function<bool()> fault;
  return fault;
}

}  // namespace

bool MoveAside(const std::string& from, const std::string& to) {
  struct stat st {};
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return false;
  }
  // Tests run as root, where no folder's permissions make a rename fail.
  errno = 0;
  if (moveFault() && moveFault()()) {
    if (errno == 0) errno = EIO;
    return false;
  }
  return std::rename(from.c_str(), to.c_str()) == 0;
}

void SetMoveAsideFaultForTests(std::function<bool()> fault) { moveFault() = std::move(fault); }

}  // namespace sorvanta
