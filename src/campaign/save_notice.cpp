// The notice that progress cannot be saved.
#include "campaign/save_notice.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "core/dialogs.h"
#include "core/globals.h"
#include "formats/txt_file.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

namespace {

struct Texts {
  std::string notice, full, forbidden, readOnly, inTheWay, other, atQuit, tryAgain, quitAnyway, moved;
};

Texts& texts() {
  static Texts t;
  return t;
}

bool& told() {
  static bool t = false;
  return t;
}

FailedSaves& failures() {
  static FailedSaves f;
  return f;
}

// The folder as the player knows it: the home folder as "~".
std::string shown(const std::string& folder) {
  const std::string home = HomeDir();
  if (!home.empty() && folder.compare(0, home.size(), home) == 0 &&
      (folder.size() == home.size() || folder[home.size()] == '/'))
    return std::string("~").append(folder, home.size(), std::string::npos);
  return folder;
}

std::string reason(int cause) {
  const Texts& t = texts();
  switch (cause) {
    case ENOSPC:
    case EDQUOT: return t.full;
    case EACCES:
    case EPERM: return t.forbidden;
    case EROFS: return t.readOnly;
    case ENOTDIR:
    case EISDIR:
    case EEXIST:
    case kCauseNotAFile: return t.inTheWay;
    case kCauseFolderMoved: return t.moved;
    default: return Replace(t.other, "#ERROR#", CauseText(cause));
  }
}

}  // namespace

void loadSaveNoticeTexts(const std::shared_ptr<TTxtFile>& file) {
  texts() = {readTxtData(file, 13), readTxtData(file, 14), readTxtData(file, 15),
             readTxtData(file, 16), readTxtData(file, 17), readTxtData(file, 18),
             readTxtData(file, 19), readTxtData(file, 20), readTxtData(file, 21), readTxtData(file, 22)};
}

std::string saveNoticeText(int cause) {
  return Replace(Replace(texts().notice, "#WHY#", reason(cause)), "#WHERE#", shown(myDocsFolder));
}

void playerSaveFailed(int cause, const std::string& what) {
  FailedSaves& f = failures();
  if (f.what.empty()) f.cause = cause;
  if (std::find(f.what.begin(), f.what.end(), what) == f.what.end()) f.what.push_back(what);
  if (std::exchange(told(), true)) return;
  const std::string text = saveNoticeText(cause);
  Print(text);
  tellPlayerAtFrameEnd(text);
}

void resetSaveNotice() { told() = false; }

void clearFailedSaves() { failures() = FailedSaves{}; }

const FailedSaves& failedSaves() { return failures(); }

std::string quitNoticeText(int cause) {
  if (texts().notice.empty() || texts().atQuit.empty()) return "";
  return saveNoticeText(cause) + "\n\n" + texts().atQuit;
}

std::string tryAgainText() { return texts().tryAgain; }
std::string quitAnywayText() { return texts().quitAnyway; }

}  // namespace sorvanta
