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

std::vector<std::string> PlayerFolderIds(std::vector<std::string>* leftOut) {
  std::vector<std::pair<std::string, std::string>> found;  // name, id
  for (const auto& entry : FolderEntries(ProfilesFolder())) {
    const std::string name = NameFromId(entry);
    if (NameEntryCouldGive(name))
      found.emplace_back(name, entry);
    else if (leftOut && !name.empty())
      leftOut->push_back(entry);
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
  // Every save writes the current player last, so her file is the newest;
  // but a file dated later than now (a clock once set wrong) says nothing.
  std::shared_ptr<TProfile> latest;
  std::filesystem::file_time_type newest;
  const auto now = std::filesystem::file_time_type::clock::now();
  std::vector<std::string> leftOut;
  for (const auto& id : PlayerFolderIds(&leftOut)) {
    if (static_cast<int>(profiles.size() + unavailable.size()) >= kMaxListedPlayers) {
      Print("More player folders than a list holds: the rest are left where they are");
      break;
    }
    if (auto player = readPlayer(id, "The player folder " + id)) {
      profiles.push_back(player);
      std::error_code error;
      const auto written = std::filesystem::last_write_time(PlayerFilePath(id), error);
      if (!error && written <= now && (!latest || written > newest)) latest = player, newest = written;
    }
  }
  if (latest) profile = latest;
  // No name the name entry gives makes these folders: no player's, but
  // perhaps the player's own doing, so she hears where they are.
  std::string folders;
  for (const auto& id : leftOut) folders.append(folders.empty() ? "" : ", ").append("Profiles/" + id);
  if (!damaged) {
    if (!folders.empty()) Print("Player folders left out, as no name the name entry gives makes them: " + folders);
    return;
  }
  std::string text = Replace(txtListRebuilt, "#WHERE#", shownFolder(myDocsFolder));
  if (!aside.empty()) text.append(" ").append(Replace(txtListKeptAs, "#FILE#", StripDir(aside)));
  if (!folders.empty() && !txtFoldersLeftOut.empty())
    text.append(" ").append(Replace(txtFoldersLeftOut, "#FOLDERS#", folders));
  Print(text);
  noticeAtFrameEnd(text);
}

}  // namespace sorvanta
