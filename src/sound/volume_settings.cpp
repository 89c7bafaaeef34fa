#include "sound/volume_settings.h"

#include <utility>

namespace sorvanta {

namespace {

float plainSound = 0.5f;
float plainMusic = 0.5f;
std::function<float()> soundSource;
std::function<float()> musicSource;

}  // namespace

float soundVolume() { return soundSource ? soundSource() : plainSound; }

float musicVolume() { return musicSource ? musicSource() : plainMusic; }

void setSoundVolume(float volume) { plainSound = volume; }

void setMusicVolume(float volume) { plainMusic = volume; }

void bindVolumeSettings(std::function<float()> sound, std::function<float()> music) {
  soundSource = std::move(sound);
  musicSource = std::move(music);
}

}  // namespace sorvanta
