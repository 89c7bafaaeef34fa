// The notice that progress cannot be saved.
#include "campaign/save_notice.h"

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
  std::string notice, full, forbidden, readOnly, inTheWay, other;
};

Texts& texts() {
  static Texts t;
  return t;
}

bool& told() {
  static bool t = false;
  return t;
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
    case EEXIST: return t.inTheWay;
    default: return Replace(t.other, "#ERROR#", std::strerror(cause));
  }
}

}  // namespace

void loadSaveNoticeTexts(const std::shared_ptr<TTxtFile>& file) {
  texts() = {readTxtData(file, 13), readTxtData(file, 14), readTxtData(file, 15),
             readTxtData(file, 16), readTxtData(file, 17), readTxtData(file, 18)};
}

std::string saveNoticeText(int cause) {
  return Replace(Replace(texts().notice, "#WHY#", reason(cause)), "#WHERE#", shown(myDocsFolder));
}

void playerSaveFailed(int cause) {
  if (std::exchange(told(), true)) return;
  const std::string text = saveNoticeText(cause);
  Print(text);
  tellPlayerAtFrameEnd(text);
}

void resetSaveNotice() { told() = false; }

}  // namespace sorvanta
