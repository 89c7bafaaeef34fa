// The players found again from their folders, for a list file that cannot
// be read: every folder whose name is a player's folder id; and a damaged
// file moved aside.
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "campaign/profile_manager.h"
#include "campaign/save_notice.h"
#include "core/folders.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/folder_entries.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

std::vector<std::string> PlayerFolderIds() {
  std::vector<std::pair<std::string, std::string>> found;  // name, id
  for (const auto& entry : FolderEntries(ProfilesFolder())) {
    const std::string name = NameFromId(entry);
    if (NameEntryCouldGive(name)) found.emplace_back(name, entry);
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
    aside = KeepDamagedAside(path, "The damaged player list");
    listLeftAsIs = aside.empty();
  }
  // Every save writes the current player last, so her file is the newest.
  std::shared_ptr<TProfile> latest;
  std::filesystem::file_time_type newest;
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
      std::error_code error;
      const auto written = std::filesystem::last_write_time(PlayerFilePath(id), error);
      if (!error && (!latest || written > newest)) latest = player, newest = written;
    }
  }
  if (latest) profile = latest;
  if (!damaged) return;
  std::string text = Replace(txtListRebuilt, "#WHERE#", shownFolder(myDocsFolder));
  if (!aside.empty()) text.append(" ").append(Replace(txtListKeptAs, "#FILE#", StripDir(aside)));
  Print(text);
  noticeAtFrameEnd(text);
}

}  // namespace sorvanta
