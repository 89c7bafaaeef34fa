// Music selection and the two-channel crossfade of the sound registry.
#include <string>

#include "core/globals.h"
#include "platform/audio.h"
#include "platform/random.h"
#include "sound/global_snd.h"
#include "sound/volume_settings.h"

namespace sorvanta {

namespace {

constexpr float kFadeStep = 0.03f;  // change of a fade level per unit of delta

}  // namespace

void TGlobalSnd::_setMusicChannelVolume(const std::shared_ptr<TChannel>& channel, float per) {
  SetChannelVolume(channel, musicVolume() * per * musicSpecVol);
}

// A channel pushed out of the outgoing slot is stopped rather than let go:
// a released looping track would otherwise play on for ever, untracked.
void TGlobalSnd::_letGoOfOldChannel() {
  if (oldMusicCHN && oldMusicCHN != newMusicCHN) StopChannel(oldMusicCHN);
  oldMusicCHN.reset();
}

void TGlobalSnd::playMyMusic(const std::string& name) {
  if (name.empty()) return;
  playMyMusic(getMusicData(name));
}

void TGlobalSnd::playMyMusic(const std::shared_ptr<TMusicData>& music) {
  if (!music) return;
  if (!music->snd) music->loadMe();
  if (!music->snd) return;

  if (!mustPlayNewMusic()) {
    // The running track carries on at full level and fades out while the
    // new one fades in.
    oldMusicData = newMusicData;
    _letGoOfOldChannel();
    oldMusicCHN = newMusicCHN;
    oldPer = 1.0f;
    _setMusicChannelVolume(oldMusicCHN, oldPer);
    newPer = 0.0f;
    newMusicCHN = CueSound(music->snd);
    _setMusicChannelVolume(newMusicCHN, newPer);
    ResumeChannel(newMusicCHN);
    newMusicData = music;
    return;
  }

  // The former current channel is silent (ended, stopped or paused); a
  // paused one is stopped so that it is not kept waiting for ever.
  if (newMusicCHN && newMusicCHN != oldMusicCHN) StopChannel(newMusicCHN);
  newMusicCHN = CueSound(music->snd);
  newMusicData = music;
  newPer = 0.0f;
  _setMusicChannelVolume(newMusicCHN, newPer);
  ResumeChannel(newMusicCHN);
}

void TGlobalSnd::_updateMusic() {
  newPer += kFadeStep * delta;
  if (newPer > 1.0f) newPer = 1.0f;
  oldPer -= kFadeStep * delta;
  if (oldPer < 0.0f) oldPer = 0.0f;

  if (oldMusicCHN && ChannelPlaying(oldMusicCHN)) {
    if (oldPer == 0.0f) {
      StopChannel(oldMusicCHN);
      oldMusicCHN.reset();
    } else {
      _setMusicChannelVolume(oldMusicCHN, oldPer);
    }
  }
  if (newMusicCHN && ChannelPlaying(newMusicCHN)) _setMusicChannelVolume(newMusicCHN, newPer);
}

int TGlobalSnd::mustPlayNewMusic() {
  return (!newMusicCHN || !ChannelPlaying(newMusicCHN)) ? 1 : 0;
}

void TGlobalSnd::hideMusic() {
  _letGoOfOldChannel();
  oldMusicCHN = newMusicCHN;
  newMusicCHN.reset();
}

void TGlobalSnd::setMusicVol(float volume) {
  if (musicVol == 0.0f && volume > 0.0f) {
    playMyMusic(newMusicData);
  } else {
    if (oldMusicCHN) SetChannelVolume(oldMusicCHN, volume * oldPer * musicSpecVol);
    if (newMusicCHN) SetChannelVolume(newMusicCHN, volume * newPer * musicSpecVol);
  }
  if (volume == 0.0f) {
    if (oldMusicCHN && ChannelPlaying(oldMusicCHN)) StopChannel(oldMusicCHN);
    if (newMusicCHN && ChannelPlaying(newMusicCHN)) {
      StopChannel(newMusicCHN);
      newMusicCHN.reset();
    }
  }
  musicVol = volume;
}

int TGlobalSnd::getActMusicN() { return newMusicData ? newMusicData->numer : 0; }

void TGlobalSnd::playMusicByNumber(int n) {
  if (!musics) return;
  for (auto& music : *musics) {
    if (music->numer == n) {
      playMyMusic(music);
      return;
    }
  }
}

void TGlobalSnd::pauseSounds() {
  if (newMusicCHN) PauseChannel(newMusicCHN);
  if (oldMusicCHN) PauseChannel(oldMusicCHN);
}

void TGlobalSnd::resumeSounds() {
  if (newMusicCHN) ResumeChannel(newMusicCHN);
  if (oldMusicCHN) ResumeChannel(oldMusicCHN);
}

void TGlobalSnd::stopMusic() {
  if (newMusicCHN && ChannelPlaying(newMusicCHN)) StopChannel(newMusicCHN);
  if (oldMusicCHN && ChannelPlaying(oldMusicCHN)) StopChannel(oldMusicCHN);
}

void TGlobalSnd::stopAllMusic() {
  if (newMusicCHN && ChannelPlaying(newMusicCHN)) PauseChannel(newMusicCHN);
  if (oldMusicCHN && ChannelPlaying(oldMusicCHN)) PauseChannel(oldMusicCHN);
}

void TGlobalSnd::playMusicBack() {
  if (!newMusicData) return;
  if (newMusicCHN) {
    ResumeChannel(newMusicCHN);
  } else {
    playMyMusic(newMusicData);
  }
}

void TGlobalSnd::playLevelMusic() {
  const int n = Rand(1, 7);
  if (!musics) return;
  int position = 0;
  for (auto& music : *musics) {
    if (++position == n) {
      playMyMusic(music);
      return;
    }
  }
}

void TGlobalSnd::playLevelSound(int n) { playMyMusic("level-" + std::to_string(n)); }

// Background 1 has three tracks, 2 to 10 two each. A draw equal to the last
// chosen name is repeated, except for background 2.
std::string TGlobalSnd::_drawBackgroundName(int bg) {
  if (bg < 1 || bg > 10) return "";
  const std::string prefix = "background-" + std::to_string(bg) + "_";
  const int last = bg == 1 ? 2 : 1;
  std::string name = prefix + std::to_string(Rand(0, last));
  if (bg != 2) {
    while (name == lastMusic) name = prefix + std::to_string(Rand(0, last));
  }
  return name;
}

int TGlobalSnd::GetMusicNumberForBackground(int bg) {
  if (!musics) return 0;
  const std::string name = _drawBackgroundName(bg);
  lastMusic = name;
  if (name.empty()) return 0;
  auto music = getMusicData(name);
  return music ? music->numer : 0;
}

void TGlobalSnd::PlayMusicByBackground(int bg) {
  const std::string name = _drawBackgroundName(bg);
  if (!name.empty()) playMyMusic(name);
  lastMusic = name;
}

}  // namespace sorvanta
