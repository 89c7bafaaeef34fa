#include "screens/options.h"

#include <cmath>

#include "core/display.h"
#include "core/globals.h"
#include "formats/rcm_file.h"
#include "gui/mouse.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/strings.h"
#include "sound/global_snd.h"

namespace sorvanta {

std::shared_ptr<TOptions> options;

TOptions::TOptions() = default;

std::string TOptions::settingsPath() const { return myDocsFolder + "/Data/settings.dat"; }

void TOptions::setupMouse() {
  // Applies the live settings, whichever instance is asked.
  if (!options) return;
  if (options->customCursor == 0) {
    if (mouse) mouse->_v = 0;
    ShowMouse();
  } else {
    if (mouse) mouse->_v = 1;
    HideMouse();
  }
}

void TOptions::loadLastMusic() {
  if (lastLoadedMusic != 0 && globalSnd) globalSnd->_setupExctMusic(lastLoadedMusic);
}

void TOptions::saveOptions() {
  auto file = createRCMFile();
  file->setFloat("settings::fullScreen", static_cast<float>(fullScreen), 0);
  file->setFloat("settings::wideScreen", static_cast<float>(wideScreen), 0);
  file->setFloat("settings::customCursor", static_cast<float>(customCursor), 0);
  file->setFloat("settings::musicVolume", musicVol, 0);
  file->setFloat("settings::soundVolume", soundVol, 0);
  file->setFloat("settings::lastLoadedMusic1", static_cast<float>(lastLoadedMusic), 0);
  // Written atomically; a failed write is reported there and play goes on.
  file->save(settingsPath());
}

void TOptions::loadOptions() {
  if (FileType(settingsPath()) == 0) saveOptions();
  // When the first-run file could not be written there is nothing to read
  // back: play goes on with the current values rather than with silence.
  if (FileType(settingsPath()) == 1) {
    auto file = loadRCMFile(settingsPath());
    fullScreen = FloatToInt(file->getFloat("settings::fullScreen", 0));
    wideScreen = FloatToInt(file->getFloat("settings::wideScreen", 0));
    customCursor = FloatToInt(file->getFloat("settings::customCursor", 0));
    soundVol = file->getFloat("settings::soundVolume", 0);
    musicVol = file->getFloat("settings::musicVolume", 0);
    lastLoadedMusic = FloatToInt(file->getFloat("settings::lastLoadedMusic1", 0));
  }
  // "not below 0.05" also turns a stored NaN into silence.
  if (!(musicVol >= 0.05f)) musicVol = 0;
  if (!(soundVol >= 0.05f)) soundVol = 0;
  // A number too large for a float reads as infinite; the mixer and the bars
  // cannot use that, so it counts as full volume.
  if (std::isinf(musicVol)) musicVol = 1;
  if (std::isinf(soundVol)) soundVol = 1;
  if (globalSnd) {
    globalSnd->setMusicVol(musicVol);
    globalSnd->setSoundVol(soundVol);
  }
}

void TOptions::openScreen() { openScreenASPECT(1024, 768, fullScreen, wideScreen); }

void TOptions::checkSoundStuff() {
  // Steps of 0.05 in single precision can come down to a residue of about
  // 1e-8 instead of 0; that counts as 0, so the lowest step still silences.
  constexpr float kResidue = 1e-6f;
  if (musicVol < kResidue) musicVol = 0;
  if (musicVol > 1) musicVol = 1;
  if (soundVol < kResidue) soundVol = 0;
  if (soundVol > 1) soundVol = 1;
  if (globalSnd) {
    globalSnd->setMusicVol(musicVol);
    globalSnd->setSoundVol(soundVol);
  }
}

void TOptions::switchScreen() {
  fullScreen = fullScreen == 0 ? 1 : 0;
  openScreen();
}

}  // namespace sorvanta
