#pragma once
// The player list: every player, the current one, the list file
// "profiles.dat", and the actions of the profiles screen. The screen's
// drawing and loop are the screens layer's (bound at start-up).
#include <functional>
#include <list>
#include <memory>
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

// A damaged list never makes more players than this.
inline constexpr int kMaxListedPlayers = 64;
inline constexpr int kMaxPlayers = 8;

class TProfileManager : public TEkran {
 public:
  std::list<std::shared_ptr<TProfile>> profiles;  // in the order shown and saved
  std::shared_ptr<TProfile> profile;              // the current player
  std::shared_ptr<TProfile> over;                 // the row under the mouse
  // Folder ids of listed players whose files could not be read at start:
  // not offered, but kept in the list file for when they can be again.
  std::vector<std::string> unavailable;
  std::string txtAreYouSure, txtPlayer, txtPlayers;
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
};

// The list file's path.
std::string ProfilesListPath();

extern std::shared_ptr<TProfileManager> profileManager;

}  // namespace sorvanta
