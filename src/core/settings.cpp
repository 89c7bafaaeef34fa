#include "core/settings.h"

#include <cerrno>
#include <cmath>
#include <fstream>

#include "core/design_size.h"
#include "core/display.h"
#include "core/globals.h"
#include "formats/rcm_file.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "platform/system.h"

namespace sorvanta {

TSettings& settings() {
  static TSettings record;
  return record;
}

std::string TSettings::path() const { return myDocsFolder + "/Data/settings.dat"; }

namespace {

std::function<void(int, const std::string&)>& saveFailed() {
  static std::function<void(int, const std::string&)> told;
  return told;
}

// Steps of 0.05 in single precision leave a residue of up to about 2e-7
// beside the grid; within this much a volume counts as the step it is.
constexpr float kResidue = 1e-6f;
// The lowest audible volume, the first step above silence.
constexpr float kLowest = 0.05f;

// Opening is enough to tell a file we may read from one we may not.
bool readable(const std::string& path) { return std::ifstream(path).is_open(); }

}  // namespace

void TSettings::save() const {
  if (unreadable) return;
  auto file = createRCMFile();
  file->setFloat("settings::fullScreen", static_cast<float>(fullScreen), 0);
  file->setFloat("settings::wideScreen", static_cast<float>(wideScreen), 0);
  file->setFloat("settings::customCursor", static_cast<float>(customCursor), 0);
  file->setFloat("settings::musicVolume", musicVol, 0);
  file->setFloat("settings::soundVolume", soundVol, 0);
  file->setFloat("settings::lastLoadedMusic1", static_cast<float>(lastLoadedMusic), 0);
  // Written atomically; a failure is told and play goes on.
  if (!SaveText(file->toText(), path())) {
    const int cause = errno;
    if (saveFailed()) saveFailed()(cause, path());
  }
}

void bindSettingsSaveFailed(std::function<void(int cause, const std::string& path)> told) {
  saveFailed() = std::move(told);
}

void TSettings::load() {
  unreadable = false;
  if (FileType(path()) == 0) save();
  // When the first-run file could not be written there is nothing to read
  // back: play goes on with the current values rather than with silence.
  if (FileType(path()) == 1 && !readable(path())) {
    unreadable = true;
    Print("Napotkano problem : Nie mozna odczytac pliku : " + path() +
          " (settings left as they are; playing with the defaults)");
  } else if (FileType(path()) == 1) {
    auto file = loadRCMFile(path());
    fullScreen = FloatToInt(file->getFloat("settings::fullScreen", 0));
    wideScreen = FloatToInt(file->getFloat("settings::wideScreen", 0));
    customCursor = FloatToInt(file->getFloat("settings::customCursor", 0));
    soundVol = file->getFloat("settings::soundVolume", 0);
    musicVol = file->getFloat("settings::musicVolume", 0);
    lastLoadedMusic = FloatToInt(file->getFloat("settings::lastLoadedMusic1", 0));
  }
  // "not below 0.05" also turns a stored NaN into silence; the lowest step,
  // stored with its residue (0.0499999635), stays audible.
  if (!(musicVol >= kLowest - kResidue)) musicVol = 0;
  if (!(soundVol >= kLowest - kResidue)) soundVol = 0;
  // A number too large for a float reads as infinite; the mixer and the bars
  // cannot use that, so it counts as full volume.
  if (std::isinf(musicVol)) musicVol = 1;
  if (std::isinf(soundVol)) soundVol = 1;
}

void TSettings::clampVolumes() {
  // A step down to a residue instead of 0 counts as 0, so the lowest step
  // still silences.
  if (musicVol < kResidue) musicVol = 0;
  if (musicVol > 1) musicVol = 1;
  if (soundVol < kResidue) soundVol = 0;
  if (soundVol > 1) soundVol = 1;
}

void TSettings::openScreen() const {
  openScreenASPECT(kDesignWidth, kDesignHeight, fullScreen, wideScreen);
}

void TSettings::switchScreen() {
  fullScreen = fullScreen == 0 ? 1 : 0;
  openScreen();
}

}  // namespace sorvanta
