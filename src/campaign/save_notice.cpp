// The notice that progress cannot be saved.
#include "campaign/save_notice.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "core/dialogs.h"
#include "core/folders.h"
#include "core/globals.h"
#include "formats/txt_file.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

namespace {

FailedSaves& failures() {
  static FailedSaves f;
  return f;
}

std::string reason(int cause) {
  const SaveNoticeRun& t = saveNoticeRun();
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

// The notice for cause, once a run.
void tell(int cause) {
  SaveNoticeRun& run = saveNoticeRun();
  run.told = true;
  run.holding = false;
  const std::string text = saveNoticeText(cause);
  Print(text);
  noticeAtFrameEnd(text);
}

}  // namespace

SaveNoticeRun& saveNoticeRun() {
  static SaveNoticeRun run;
  return run;
}

std::string shownFolder(const std::string& folder) {
  const std::string home = HomeDir();
  if (!home.empty() && folder.compare(0, home.size(), home) == 0 &&
      (folder.size() == home.size() || folder[home.size()] == '/'))
    return std::string("~").append(folder, home.size(), std::string::npos);
  return folder;
}

void noticeAtFrameEnd(const std::string& text) { tellPlayerAtFrameEnd(text); }

void loadSaveNoticeTexts(const std::shared_ptr<TTxtFile>& file) {
  SaveNoticeRun& run = saveNoticeRun();
  run.notice = readTxtData(file, 13);
  run.full = readTxtData(file, 14);
  run.forbidden = readTxtData(file, 15);
  run.readOnly = readTxtData(file, 16);
  run.inTheWay = readTxtData(file, 17);
  run.other = readTxtData(file, 18);
  run.atQuit = readTxtData(file, 19);
  run.tryAgain = readTxtData(file, 20);
  run.quitAnyway = readTxtData(file, 21);
  run.moved = readTxtData(file, 22);
  if (run.holding && !run.told && !run.notice.empty()) tell(run.heldCause);
}

std::string saveNoticeText(int cause) {
  return Replace(Replace(saveNoticeRun().notice, "#WHY#", reason(cause)), "#WHERE#", shownFolder(myDocsFolder));
}

void playerSaveFailed(int cause, const std::string& what) {
  cause = DataFolderCause(cause);
  FailedSaves& f = failures();
  if (f.what.empty()) f.cause = cause;
  if (std::find(f.what.begin(), f.what.end(), what) == f.what.end()) f.what.push_back(what);
  SaveNoticeRun& run = saveNoticeRun();
  if (run.told) return;
  // Before the texts (the settings written as loading starts) there is
  // nothing to say it with yet: the first failure waits for them.
  if (run.notice.empty()) {
    if (!std::exchange(run.holding, true)) run.heldCause = cause;
    return;
  }
  tell(cause);
}

void clearFailedSaves() { failures() = FailedSaves{}; }

const FailedSaves& failedSaves() { return failures(); }

std::string quitNoticeText(int cause, const std::string& between) {
  const SaveNoticeRun& run = saveNoticeRun();
  if (run.notice.empty() || run.atQuit.empty()) return "";
  return saveNoticeText(cause) + between + run.atQuit;
}

std::string tryAgainText() { return saveNoticeRun().tryAgain; }
std::string quitAnywayText() { return saveNoticeRun().quitAnyway; }

}  // namespace sorvanta
