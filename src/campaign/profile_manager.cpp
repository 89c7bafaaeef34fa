// The player list and its file.
#include "campaign/profile_manager.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>
#include <unordered_map>

#include "campaign/save_notice.h"
#include "core/dialogs.h"
#include "core/folders.h"
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

std::string PlayerFilePath(const std::string& id) { return ProfilesFolder() + "/" + id + "/profile.dat"; }

void TProfileManager::setup() {
  auto txt = loadTxtFile(bDir + "txt/#LANG#/profileManager.txt");
  txtListRebuilt = readTxtData(txt, 8);
  txtListKeptAs = readTxtData(txt, 9);
  txtAreYouSure = readTxtData(txt, 10);
  txtPlayer = Trim(readTxtData(txt, 11));
  txtPlayers = readTxtData(txt, 12);
  loadSaveNoticeTexts(txt);
  txtPlayerUnreadable = readTxtData(txt, 23);
  txtPlayerKeptAs = readTxtData(txt, 24);
  txtNamedByFolder = readTxtData(txt, 25);
  txtFoldersLeftOut = readTxtData(txt, 26);
  txtNotOffered = readTxtData(txt, 27);
  txtPlayersLeftOut = readTxtData(txt, 28);
}

namespace {

// A list of every player the game can hold is a few kilobytes; a file far
// past that is no list and is not read.
constexpr std::uintmax_t kMaxListBytes = 256u << 10;

// Whether the list holds just what a save writes back from it: the players
// it names, each once and in order, their count and the pick. Else damage
// has cost it players (a garbled key, a count past its names), and the
// next save would drop them for good.
bool readsBackWhole(const TRCMFile& file) {
  const auto group = file.getGroup({"profiles", "i"});
  if (!group) return false;
  std::unordered_map<std::string, std::string> named;  // by upper-cased key, the first as lookups find
  for (const auto& entry : group->_listaWpisow)
    if (entry && !entry->_value.empty()) named.emplace(Upper(entry->_id), entry->_value.front());
  // No count past the entries there can be named in full.
  const int count = std::min(FloatToInt(file.getFloat("profiles::i")), static_cast<int>(named.size()));
  std::vector<std::string> ids;
  std::set<std::string> seen;
  for (int k = 1; k <= count; ++k)
    if (auto it = named.find("PROFILE" + std::to_string(k));
        it != named.end() && !it->second.empty() && seen.insert(it->second).second)
      ids.push_back(it->second);
  TRCMFile back;
  back.setFloat("profiles::i", static_cast<float>(ids.size()));
  back.setFloat("profiles::pickedProfile", static_cast<float>(FloatToInt(file.getFloat("profiles::pickedProfile"))));
  for (size_t n = 0; n < ids.size(); ++n) back.setString("profiles::profile" + std::to_string(n + 1), ids[n]);
  return back.holdsAllOf(file);
}

// The list file, when it can be read whole as one; else none, with why.
std::shared_ptr<TRCMFile> readableList(const std::string& path, std::string& why) {
  why = WhyUnreadable(path, kMaxListBytes, "a list");
  if (!why.empty()) return nullptr;
  auto file = loadRCMFile(path);
  if (file->getString("profiles::i").empty())
    why = "no list in it";
  else if (file->broken || !readsBackWhole(*file))
    why = "damaged: it does not read back whole";
  return why.empty() ? file : nullptr;
}

// Nothing there, or a folder holding nothing of a player's but damaged
// files kept aside: an empty folder a full disk left is no player away.
bool holdsNoPlayer(const std::string& folder) {
  if (!SomethingAt(folder)) return true;
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::is_directory(folder, error)) return false;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->path().filename().string().rfind(std::string("profile.dat") + kDamagedSuffix, 0) != 0) return false;
  return !error;
}

// Whether the folder target holds a player not read in this run, whom
// player, read from the folder id, would be saved over: a file naming
// another, one that cannot be read, or a newer one of hers.
bool holdsOtherPlayer(const std::string& target, const TProfile& player, const std::string& id) {
  if (holdsNoPlayer(ProfilesFolder() + "/" + target)) return false;
  const std::string path = PlayerFilePath(target);
  if (FileType(path) != 1 || !Readable(path)) return true;
  auto file = loadRCMFile(path);
  const auto there = LastPlayed(target), here = LastPlayed(id);
  return file->broken || file->getString("profile::data::name") != player.name || !there || !here || *there > *here;
}

}  // namespace

int TProfileManager::loadProfiles() {
  profiles.clear();
  unavailable.clear();
  listLeftAsIs = false;
  namedByFolder.clear();
  const std::string path = ProfilesListPath();
  if (SomethingAt(path)) {
    std::string why;
    if (auto file = readableList(path, why)) {
      readListed(*file);
    } else {
      Print("The player list " + path + " cannot be read (" + why + "): the players are found from their folders");
      findPlayersAgain(true);
    }
  } else if (std::vector<std::string> leftOut; PlayerFolderIds(&leftOut).empty() && leftOut.empty()) {
    loadRCMFile(path);  // a first start: the reader reports the missing file
  } else {
    Print("The player list " + path + " is missing: the players are found from their folders");
    findPlayersAgain(false);
  }
  if (!profile && !profiles.empty()) profile = profiles.front();
  if (!namedByFolder.empty()) noticeAtFrameEnd(namedByFolder);
  loaded = true;
  return 0;
}

void TProfileManager::readListed(const TRCMFile& file) {
  const int picked = FloatToInt(file.getFloat("profiles::pickedProfile"));
  const int n = boundedCount(FloatToInt(file.getFloat("profiles::i")), kMaxListedPlayers, "profiles::i");
  std::vector<std::string> ids;
  std::map<std::string, int> numbers;  // each folder's number in the list
  std::set<std::string> saving;
  std::string pickedId;
  for (int i = 1; i <= n; ++i) {
    std::string id = file.getString("profiles::profile" + std::to_string(i));
    if (id.empty() || !numbers.emplace(id, i).second) continue;  // one folder, one player
    if (picked == i) pickedId = id;
    ids.push_back(std::move(id));
  }
  const std::string tooMany = readMostRecent(ids, pickedId, [&](const std::string& id) -> std::shared_ptr<TProfile> {
    const std::string listed = "Player " + std::to_string(numbers[id]) + " of the list";
    auto player = readPlayer(id, listed);
    if (!player) return nullptr;
    // A folder whose name gives no name keeps the name of its file, whose
    // folder the next save writes: never one another player is read from,
    // nor one that holds a player not read.
    const std::string target = player->GetId();
    if (target != id && (numbers.count(target) || saving.count(target) || holdsOtherPlayer(target, *player, id))) {
      Print(listed + " (" + id + ") would be saved over the folder " + target +
            " of another player, or a newer file of hers: not offered, kept in the list");
      const std::string text =
          Replace(Replace(Replace(txtNotOffered, "#FOLDER#", shownFolder(ProfilesFolder() + "/" + id)), "#OTHER#",
                          shownFolder(ProfilesFolder() + "/" + target)),
                  "#NAME#", player->name);
      if (!text.empty()) namedByFolder.append(namedByFolder.empty() ? "" : " ").append(text);
      unavailable.push_back(id);
      return nullptr;
    }
    saving.insert(target);
    if (id == pickedId) profile = player;
    return player;
  });
  if (!tooMany.empty()) noticeAtFrameEnd(tooMany);
}

std::shared_ptr<TProfile> TProfileManager::readPlayer(const std::string& id, const std::string& listed) {
  const std::string path = PlayerFilePath(id);
  // A player without its own folder and file is not a player: reading it
  // would give a nameless one whose saves land in the players' folder.
  // But a folder that stands there with something in it, or that cannot
  // be read now (a link to a drive not mounted), keeps its player listed,
  // not offered, until her files are back.
  if (FileType(path) != 1 || !Readable(path)) {
    if (holdsNoPlayer(ProfilesFolder() + "/" + id)) {
      Print(listed + " has no file (" + path + "), left out");
    } else {
      Print(listed + " cannot be read now (" + path + "), kept in the list");
      unavailable.push_back(id);
    }
    return nullptr;
  }
  auto player = loadProfile(path);
  // A file emptied or cut short reads as nothing, so as no name; one that
  // does not read back whole (damage inside a line, a group opened by
  // damage and never closed) reads in part. Neither is a player to offer,
  // and saving her would write over what is left of her.
  if (player->name.empty() || player->fileBroken) {
    setAsideUnreadable(id, path);
    return nullptr;
  }
  // The folder is the player: a file copied in from another player's
  // folder, saved under the name it holds, would write over that player.
  if (const std::string folderName = NameFromId(id); !folderName.empty() && folderName != player->name) {
    // The file's name goes in last: whatever it holds stays as it is.
    const std::string folder = shownFolder(ProfilesFolder() + "/" + id);
    const std::string text =
        Replace(Replace(Replace(txtNamedByFolder, "#FOLDER#", folder), "#NAME#", folderName), "#OTHER#", player->name);
    if (!text.empty()) namedByFolder.append(namedByFolder.empty() ? "" : " ").append(text);
    Print("The player file " + path + " names the player " + player->name + ": read as " + folderName +
          ", the player of its folder");
    player->name = folderName;
  }
  player->savedId = id;
  return player;
}

void TProfileManager::setAsideUnreadable(const std::string& id, const std::string& path) {
  const std::string aside = KeepDamagedAside(path, "The damaged player file");
  if (aside.empty()) unavailable.push_back(id);
  const std::string name = NameFromId(id);
  std::string text = Replace(Replace(Replace(txtPlayerUnreadable, "#NAME#", name.empty() ? id : name), "#FOLDER#",
                                     "Profiles/" + id),
                             "#WHERE#", shownFolder(myDocsFolder));
  if (!aside.empty()) text.append(" ").append(Replace(txtPlayerKeptAs, "#FILE#", StripDir(aside)));
  Print("The player file " + path + " cannot be read as a player: " + text);
  if (!txtPlayerUnreadable.empty()) noticeAtFrameEnd(text);
}

int TProfileManager::saveProfiles() {
  if (!loaded || profiles.empty()) return 0;
  auto file = createRCMFile();
  int listed = 0, picked = 0;
  std::vector<std::string> ids;
  // The current player is written last: a list made again from the
  // folders finds her by her file being the newest.
  for (auto& player : profiles)
    if (player != profile) player->Save();
  if (profile && std::find(profiles.begin(), profiles.end(), profile) != profiles.end()) profile->Save();
  for (auto& player : profiles) {
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
  if (listLeftAsIs) return 0;
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
  if (profile) return 0;
  // The default name, or the first of PLAYER2, PLAYER3 ... whose folder is
  // no listed player's (one whose drive is away keeps hers).
  std::string name = txtPlayer;
  for (int n = 2; n < 100 && folderTaken(name, nullptr); ++n) name = txtPlayer + std::to_string(n);
  CreateNewProfile(name);
  return 0;
}

bool TProfileManager::folderTaken(const std::string& name, const std::shared_ptr<TProfile>& except) const {
  TProfile named;
  named.name = name;
  const std::string id = named.GetId();
  if (id.empty()) return false;
  if (std::find(unavailable.begin(), unavailable.end(), id) != unavailable.end()) return true;
  for (const auto& player : profiles)
    if (player != except && player->savedId == id) return true;
  return false;
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
