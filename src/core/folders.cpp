#include "core/folders.h"

#include <cerrno>

#include "core/globals.h"
#include "platform/files.h"
#include "platform/folder_entries.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

std::string BundleResourceURLFor(const std::string& appFile, const std::string& file,
                                 const std::string& subfolder) {
  // The part of the path up to and including the "." of ".app/" (or of
  // ".debug.app/", so that X.debug.app reads the assets of X.app beside it).
  std::string base;
  int at = Instr(appFile, ".debug.app/");
  if (at == 0) at = Instr(appFile, ".app/");
  if (at > 0) base = Left(appFile, at);
  base += "app/Contents/Resources/";
  if (!subfolder.empty()) base += subfolder + "/";
  if (FileType(base + "gfx") == 0) base = "";
  return base + file;
}

std::string GetBundleResourceURL(const std::string& file, const std::string& subfolder) {
  return BundleResourceURLFor(AppFile(), file, subfolder);
}

std::string DataFolderFor(const std::string& home) {
  std::string root = home;
  // Never the top of the file system: without a home, stay in the working folder.
  if (root.empty()) root = CurrentDir();
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  if (root == "/") root.clear();
  return Replace(root + "/Library/Preferences/." + myFolderName, "\\", "/");
}

namespace {

// Why the per-user folder or one of its two could not be made; 0 when all were.
int& folderCause() {
  static int cause = 0;
  return cause;
}

}  // namespace

void GetDataFolders() {
  myDocsFolder = DataFolderFor(HomeDir());
  folderCause() = 0;
  // ~/Library/Preferences does not exist on most desktops: make the parents too.
  for (const char* sub : {"", "/Data", "/Profiles"}) {
    std::string path = myDocsFolder + sub;
    if (FileType(path) == 0 && !CreateDir(path, true)) {
      if (folderCause() == 0) folderCause() = errno;
      Print("Cannot create the folder " + path + " (" + CauseText(errno) + ")");
    }
  }
}

int DataFolderCause(int cause) {
  return cause == ENOENT && folderCause() != 0 ? folderCause() : cause;
}

void ResetDataFolderCauseForTests() { folderCause() = 0; }

std::string GetSpecialFolder() { return ""; }

void systemSetup() { GetDataFolders(); }

std::string KeepDamagedAside(const std::string& path, const std::string& what) {
  for (int n = 1; n <= 9; ++n) {
    std::string aside = path + kDamagedSuffix;
    if (n > 1) aside.append("-").append(std::to_string(n));
    if (SomethingAt(aside)) continue;
    if (MoveAside(path, aside)) return aside;
    Print(what + " " + path + " cannot be moved aside (" + CauseText(errno) + "): it is left as it is");
    return "";
  }
  Print(what + " " + path + " is left as it is: nine earlier ones are kept beside it");
  return "";
}

std::string WhyUnreadable(const std::string& path, std::uintmax_t most, const std::string& what) {
  const auto size = FileSize(path);
  if (!size) return "not a file";
  if (*size == 0) return "empty";
  if (*size > most) return std::to_string(*size) + " bytes, too large for " + what;
  if (!Readable(path)) return "may not be read";
  return "";
}

}  // namespace sorvanta
