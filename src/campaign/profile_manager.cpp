// The player list and its file.
#include "campaign/profile_manager.h"

#include <algorithm>
#include <cerrno>
#include <set>

#include "campaign/save_notice.h"
#include "core/dialogs.h"
#include "core/globals.h"
#include "formats/txt_file.h"
#include "formats/bounded_count.h"
#include "formats/rcm_file.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

std::shared_ptr<TProfileManager> profileManager;

std::string ProfilesListPath() { return ProfilesFolder() + "/profiles.dat"; }

void TProfileManager::setup() {
  auto txt = loadTxtFile(bDir + "txt/#LANG#/profileManager.txt");
  txtAreYouSure = readTxtData(txt, 10);
  txtPlayer = Trim(readTxtData(txt, 11));
  txtPlayers = readTxtData(txt, 12);
  loadSaveNoticeTexts(txt);
}

int TProfileManager::loadProfiles() {
  auto file = loadRCMFile(ProfilesListPath());
  profiles.clear();
  unavailable.clear();
  const int picked = FloatToInt(file->getFloat("profiles::pickedProfile"));
  const int n = boundedCount(FloatToInt(file->getFloat("profiles::i")), kMaxListedPlayers, "profiles::i");
  std::set<std::string> seen;
  for (int i = 1; i <= n; ++i) {
    const std::string id = file->getString("profiles::profile" + std::to_string(i));
    const std::string path = ProfilesFolder() + "/" + id + "/profile.dat";
    if (id.empty() || !seen.insert(id).second) continue;  // one folder, one player
    // A player without its own folder and file is not a player: reading it
    // would give a nameless one whose saves land in the players' folder.
    // But a folder that stands there and cannot be read now (a link to a
    // drive not mounted, an empty mount point) keeps its player listed,
    // not offered, until her files are back.
    if (FileType(path) != 1 || !Readable(path)) {
      if (SomethingAt(ProfilesFolder() + "/" + id)) {
        Print("Player " + std::to_string(i) + " of the list cannot be read now (" + path + "), kept in the list");
        unavailable.push_back(id);
      } else {
        Print("Player " + std::to_string(i) + " of the list has no file (" + path + "), left out");
      }
      continue;
    }
    auto player = loadProfile(path);
    player->savedId = id;
    profiles.push_back(player);
    if (picked == i) profile = player;
  }
  if (!profile && !profiles.empty()) profile = profiles.front();
  loaded = true;
  return 0;
}

int TProfileManager::saveProfiles() {
  if (!loaded || profiles.empty()) return 0;
  auto file = createRCMFile();
  int listed = 0, picked = 0;
  std::vector<std::string> ids;
  for (auto& player : profiles) {
    player->Save();
    // The list names the folder of the last complete save; a player never
    // saved whole has no folder to name yet.
    if (player->savedId.empty()) continue;
    ids.push_back(player->savedId);
    ++listed;
    if (player == profile) picked = listed;
  }
  // Players whose files cannot be read now stay listed, after the others.
  for (const auto& id : unavailable)
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
  file->setFloat("profiles::i", static_cast<float>(ids.size()));
  file->setFloat("profiles::pickedProfile", static_cast<float>(picked));
  for (size_t n = 0; n < ids.size(); ++n) file->setString("profiles::profile" + std::to_string(n + 1), ids[n]);
  if (!SaveText(file->toText(), ProfilesListPath())) {
    const int cause = errno;
    Print("The player list was not written");
    playerSaveFailed(cause, ProfilesListPath());
  }
  return 0;
}

int TProfileManager::Check() {
  if (!profile) CreateNewProfile(txtPlayer);
  return 0;
}

int TProfileManager::CreateNewProfile(const std::string& name) {
  auto player = std::make_shared<TProfile>();
  player->name = name;
  profiles.push_back(player);
  profile = player;
  return 0;
}

int TProfileManager::goNew(std::shared_ptr<TEkran> screen) {
  if (!screen) screen = std::static_pointer_cast<TEkran>(shared_from_this());
  const std::string entry = askName ? askName(screen, txtPlayer, profiles.empty() ? 1 : 0, 0, nullptr) : "";
  if (!Trim(entry).empty()) CreateNewProfile(entry);
  saveProfiles();
  return 0;
}

int TProfileManager::goOk() {
  saveProfiles();
  dAlpha = 0;
  return 0;
}

int TProfileManager::goDelete() {
  // The question names the player, so that the choice can be checked.
  if (!profile || !askYesNo(Replace(txtAreYouSure, "#NAME#", profile->name), shared_from_this())) return 0;
  profiles.remove(profile);
  profile = profiles.empty() ? nullptr : profiles.front();
  return 0;
}

int TProfileManager::goRename() {
  if (!profile) return 0;
  const std::string entry = askName ? askName(shared_from_this(), profile->name, 0, 1, profile) : "";
  if (!Trim(entry).empty()) profile->name = entry;
  return 0;
}

}  // namespace sorvanta
