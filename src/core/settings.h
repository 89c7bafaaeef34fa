#pragma once
// The player's settings: the record read from and written to
// "Data/settings.dat" in the per-user folder, with the rules its values obey.
// The options overlay edits this record; every other part reads it here.
#include <functional>
#include <string>

namespace sorvanta {

class TSettings {
 public:
  int fullScreen = 1;
  int wideScreen = 1;
  int customCursor = 1;
  float soundVol = 0.5f;
  float musicVol = 0.5f;
  int lastLoadedMusic = 0;  // 1-based music track last started, 0 none
  // The file exists but could not be read: it is left as it is for the
  // player to mend, so nothing is saved over it during this run.
  bool unreadable = false;
  // A file that read as no settings (empty, too large, not a settings file)
  // was moved aside under this path and counts as missing; "" when none
  // was. One that could not be moved is left as it is, unreadable.
  std::string keptAs;

  std::string path() const;  // myDocsFolder + "/Data/settings.dat"
  // Reads the file; a first run, or a damaged file moved aside, writes the
  // current values (the defaults at start-up) first. Stored volumes below
  // 0.05 (the lowest step, but for its float residue) or not numbers read
  // as 0, infinite ones as 1.
  void load();
  // Writes the record atomically; a failure is told (bindSettingsSaveFailed)
  // and play goes on. Does nothing while the file is unreadable.
  void save() const;
  // The overlay's volume steps: a rounding residue counts as 0, the range is 0..1.
  void clampVolumes();
  // Opens the graphics mode the record asks for.
  void openScreen() const;
  // Window <-> full screen.
  void switchScreen();
};

// The one live record.
TSettings& settings();

// Told when the settings could not be written: the errno cause and the
// file. The start-up binds the notice that progress cannot be saved.
void bindSettingsSaveFailed(std::function<void(int cause, const std::string& path)> told);

}  // namespace sorvanta
