// The players found again from their folders, for a list file that cannot
// be read: every folder whose name is a player's folder id; a damaged file
// moved aside; and the eight players of a list, the most recently played.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
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

std::optional<std::filesystem::file_time_type> LastPlayed(const std::string& id) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(PlayerFilePath(id), error);
  if (error || written > std::filesystem::file_time_type::clock::now()) return std::nullopt;
  return written;
}

std::string TProfileManager::readMostRecent(
    const std::vector<std::string>& ids, const std::string& first,
    const std::function<std::shared_ptr<TProfile>(const std::string& id)>& read) {
  // Every save writes the current player last, so the newest file is who
  // played last; equal dates keep the order of ids.
  std::vector<std::pair<std::optional<std::filesystem::file_time_type>, size_t>> order;
  for (size_t k = 0; k < ids.size(); ++k) order.emplace_back(ids[k] == first ? std::nullopt : LastPlayed(ids[k]), k);
  std::stable_sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
    if ((ids[a.second] == first) != (ids[b.second] == first)) return ids[a.second] == first;
    return a.first > b.first;  // a date before none
  });
  std::vector<std::shared_ptr<TProfile>> players(ids.size());
  std::vector<bool> unread(ids.size(), false);
  int offered = 0;
  for (const auto& ranked : order) {
    const size_t k = ranked.second;
    unread[k] = offered == kMaxPlayers || offered + static_cast<int>(unavailable.size()) >= kMaxListedPlayers;
    if (!unread[k] && (players[k] = read(ids[k]))) ++offered;
  }
  // Players away stay listed in the order of ids, as they were read before.
  auto at = [&](const std::string& id) { return std::find(ids.begin(), ids.end(), id); };
  std::stable_sort(unavailable.begin(), unavailable.end(),
                   [&](const std::string& a, const std::string& b) { return at(a) < at(b); });
  std::string names;
  size_t count = 0;
  for (size_t k = 0; k < ids.size(); ++k) {
    if (players[k]) profiles.push_back(players[k]);
    if (unread[k]) names.append(count++ ? ", " : "").append("Profiles/" + ids[k]);
  }
  if (!count) return "";
  Print("More players than the " + std::to_string(kMaxPlayers) +
        " the list holds; left out, their folders as they are: " + names);
  return Replace(Replace(txtPlayersLeftOut, "#COUNT#", std::to_string(count)), "#WHERE#", shownFolder(myDocsFolder));
}

void TProfileManager::findPlayersAgain(bool damaged) {
  const std::string path = ProfilesListPath();
  std::string aside;
  if (damaged) {
    aside = KeepDamagedAside(path, "The damaged player list");
    listLeftAsIs = aside.empty();
  }
  std::vector<std::string> leftOut;
  std::shared_ptr<TProfile> latest;
  const std::string tooMany = readMostRecent(PlayerFolderIds(&leftOut), "", [&](const std::string& id) {
    auto player = readPlayer(id, "The player folder " + id);
    // Read the newest first: the first with a date is the one played last.
    if (player && !latest && LastPlayed(id)) latest = player;
    return player;
  });
  if (latest) profile = latest;
  // No name the name entry gives makes these folders: no player's, but
  // perhaps the player's own doing, so she hears where they are.
  std::string folders;
  for (const auto& id : leftOut) folders.append(folders.empty() ? "" : ", ").append("Profiles/" + id);
  if (!damaged) {
    if (!folders.empty()) Print("Player folders left out, as no name the name entry gives makes them: " + folders);
    if (!tooMany.empty()) noticeAtFrameEnd(tooMany);
    return;
  }
  std::string text = Replace(txtListRebuilt, "#WHERE#", shownFolder(myDocsFolder));
  if (!aside.empty()) text.append(" ").append(Replace(txtListKeptAs, "#FILE#", StripDir(aside)));
  if (!folders.empty() && !txtFoldersLeftOut.empty())
    text.append(" ").append(Replace(txtFoldersLeftOut, "#FOLDERS#", folders));
  if (!tooMany.empty()) text.append(" ").append(tooMany);
  Print(text);
  noticeAtFrameEnd(text);
}

}  // namespace sorvanta
