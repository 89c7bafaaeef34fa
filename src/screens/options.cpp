#include "screens/options.h"

#include "gui/mouse.h"
#include "platform/input.h"
#include "sound/global_snd.h"

namespace sorvanta {

std::shared_ptr<TOptions> options;

TOptions::TOptions()
    : fullScreen(settings().fullScreen),
      wideScreen(settings().wideScreen),
      customCursor(settings().customCursor),
      soundVol(settings().soundVol),
      musicVol(settings().musicVol),
      lastLoadedMusic(settings().lastLoadedMusic) {
  settings() = TSettings{};
}

void TOptions::setupMouse() {
  if (customCursor == 0) {
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

void TOptions::saveOptions() { settings().save(); }

void TOptions::loadOptions() {
  settings().load();
  if (globalSnd) {
    globalSnd->setMusicVol(musicVol);
    globalSnd->setSoundVol(soundVol);
  }
}

void TOptions::openScreen() { settings().openScreen(); }

void TOptions::checkSoundStuff() {
  settings().clampVolumes();
  if (globalSnd) {
    globalSnd->setMusicVol(musicVol);
    globalSnd->setSoundVol(soundVol);
  }
}

void TOptions::switchScreen() { settings().switchScreen(); }

}  // namespace sorvanta
