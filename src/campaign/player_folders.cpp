// The players found again from their folders, for a list file that cannot
// be read: every folder whose name is a player's folder id.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "campaign/profile_manager.h"
#include "campaign/save_notice.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/folder_entries.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

namespace {

// Moves the damaged list beside itself, never over an earlier one kept
// there; the name it went to, "" when it could not be moved.
std::string keepAside(const std::string& path) {
  for (int n = 1; n <= 9; ++n) {
    std::string aside = path + ".damaged";
    if (n > 1) aside.append("-").append(std::to_string(n));
    if (SomethingAt(aside)) continue;
    if (MoveAside(path, aside)) return aside;
    Print("The damaged player list " + path + " cannot be moved aside (" + std::strerror(errno) +
          "): it is left as it is");
    return "";
  }
  Print("The damaged player list " + path + " is left as it is: nine earlier ones are kept beside it");
  return "";
}

}  // namespace

std::vector<std::string> PlayerFolderIds() {
  std::vector<std::pair<std::string, std::string>> found;  // name, id
  for (const auto& entry : FolderEntries(ProfilesFolder())) {
    const std::string name = NameFromId(entry);
    if (!name.empty()) found.emplace_back(name, entry);
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> ids;
  for (auto& [name, id] : found) ids.push_back(std::move(id));
  return ids;
}

void TProfileManager::findPlayersAgain(bool damaged) {
  const std::string path = ProfilesListPath();
  std::string aside;
  if (damaged) {
    aside = keepAside(path);
    listLeftAsIs = aside.empty();
  }
  for (const auto& id : PlayerFolderIds()) {
    if (static_cast<int>(profiles.size() + unavailable.size()) >= kMaxListedPlayers) {
      Print("More player folders than a list holds: the rest are left where they are");
      break;
    }
    // The folder's name is the player's: a name in her file that says
    // otherwise (a folder copied by hand) would save her somewhere else.
    if (auto player = readPlayer(id, "The player folder " + id)) {
      player->name = NameFromId(id);
      profiles.push_back(player);
    }
  }
  if (!damaged) return;
  std::string text = Replace(txtListRebuilt, "#WHERE#", shownFolder(myDocsFolder));
  if (!aside.empty()) text.append(" ").append(Replace(txtListKeptAs, "#FILE#", StripDir(aside)));
  Print(text);
  noticeAtFrameEnd(text);
}

}  // namespace sorvanta
