#pragma once
// The player list: every player, the current one, the list file
// "profiles.dat", and the actions of the profiles screen. The screen's
// drawing and loop are the screens layer's (bound at start-up).
#include <filesystem>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "campaign/profile.h"
#include "core/ekran.h"

namespace sorvanta {

// The name entry dialog over screen, starting with entry; firstProfile 1
// hides its cancel, editProfile 1 renames edited. The entry, "" when cancelled.
using NameEntryFn = std::function<std::string(std::shared_ptr<TEkran> screen, const std::string& entry,
                                              int firstProfile, int editProfile,
                                              std::shared_ptr<TProfile> edited)>;

// The players' screen holds eight rows: the list offers no more.
inline constexpr int kMaxPlayers = 8;
// No list names more players than this, those away included; a list is read
// no further (earlier builds listed up to 65).
inline constexpr int kMaxListedPlayers = 1000;

class TRCMFile;

class TProfileManager : public TEkran {
 public:
  std::list<std::shared_ptr<TProfile>> profiles;  // in the order shown and saved
  std::shared_ptr<TProfile> profile;              // the current player
  std::shared_ptr<TProfile> over;                 // the row under the mouse
  // Folder ids of listed players whose files could not be read at start:
  // not offered, but kept in the list file for when they can be again.
  std::vector<std::string> unavailable;
  std::string txtAreYouSure, txtPlayer, txtPlayers;
  // Told when the list file could not be read whole and the players were
  // found again from their folders; the second names where the damaged
  // file went.
  std::string txtListRebuilt, txtListKeptAs;
  // Told for a listed player whose file cannot be read whole as a player
  // (empty, cut short, damaged inside a line): which folder, and where the
  // damaged file went.
  std::string txtPlayerUnreadable, txtPlayerKeptAs;
  // Told for a player whose file names another player than her folder
  // does; added to the rebuilt list's notice for folders left out because
  // no name the name entry gives makes them.
  std::string txtNamedByFolder, txtFoldersLeftOut;
  // Told for a listed folder that gives no name, whose file names a player
  // whose own folder holds another file; and, counted, for the players past
  // the eight the list keeps.
  std::string txtNotOffered, txtPlayersLeftOut;
  // A damaged list file that could not be moved aside: not written over
  // in this run.
  bool listLeftAsIs = false;
  // Set once the list file has been read: nothing is saved before, so a
  // shutdown during loading keeps the list on disk.
  bool loaded = false;
  NameEntryFn askName;                      // unbound: every entry is cancelled
  std::function<int()> screenLoop;          // the profiles screen; unbound: 0

  // Reads the screen's texts: the delete question, the default name, the title.
  void setup() override;
  virtual int mainLoop() { return screenLoop ? screenLoop() : 0; }
  virtual int Check();
  virtual int goDelete();
  virtual int goRename();
  virtual int CreateNewProfile(const std::string& name);
  virtual int goNew(std::shared_ptr<TEkran> screen);
  virtual int goOk();
  virtual int loadProfiles();
  virtual int saveProfiles();

  // Whether the folder of a player named name belongs to a listed player
  // other than except: one whose files cannot be read now, or one whose
  // last complete save is there under another name.
  bool folderTaken(const std::string& name, const std::shared_ptr<TProfile>& except) const;

 private:
  // The list file's players, the one it picked made current.
  void readListed(const TRCMFile& file);
  // The player of folder id, named by the folder when it gives a name (a
  // file copied from another player's folder is this folder's player);
  // none when her files cannot be read now, and then a folder that stands
  // there, not empty, keeps her listed (unavailable). A file that reads as
  // no player, or not whole (TProfile::fileBroken), is set aside.
  std::shared_ptr<TProfile> readPlayer(const std::string& id, const std::string& listed);
  // Every player whose folder is found, the one whose file was written last
  // made current; a damaged list file is moved aside first and the player
  // told.
  void findPlayersAgain(bool damaged);
  // A player's file that reads as no player: moved aside and told; one
  // that cannot be moved keeps her folder hers, so it is never written over.
  void setAsideUnreadable(const std::string& id, const std::string& path);
  // Appends to profiles, in the order of ids, the players of those folders
  // that read gives (none: not offered), read the most recently played
  // first, the folder first (when listed) before all, until the screen's
  // rows are full. The rest are left unread and as they are, named in a
  // line; gives the notice that counts them, "" when none is.
  std::string readMostRecent(const std::vector<std::string>& ids, const std::string& first,
                             const std::function<std::shared_ptr<TProfile>(const std::string& id)>& read);
  // What loading found to tell once it is done: the players renamed after
  // their folders, or not offered as their files name another's.
  std::string namedByFolder;
};

// The ids of the player folders in ProfilesFolder(), in the order of the
// names they give back (NameFromId). Into leftOut, when given, go the
// folders whose names are ids of names the name entry refuses.
std::vector<std::string> PlayerFolderIds(std::vector<std::string>* leftOut = nullptr);

// When the player of folder id last played: her file's date; none when it
// has none, or one later than now (a clock once set wrong says nothing).
std::optional<std::filesystem::file_time_type> LastPlayed(const std::string& id);

// The list file's path.
std::string ProfilesListPath();
// The file of the player whose folder is id.
std::string PlayerFilePath(const std::string& id);

extern std::shared_ptr<TProfileManager> profileManager;

}  // namespace sorvanta
