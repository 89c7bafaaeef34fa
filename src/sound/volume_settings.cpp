// The two volumes the sound registry reads, bound to the settings at start-up.
#include "sound/volume_settings.h"

#include <utility>

namespace sorvanta {

namespace {

constexpr float kFirstRunVolume = 0.5f;
std::function<float()> soundSource;
std::function<float()> musicSource;

}  // namespace

float soundVolume() { return soundSource ? soundSource() : kFirstRunVolume; }

float musicVolume() { return musicSource ? musicSource() : kFirstRunVolume; }

void bindVolumeSettings(std::function<float()> sound, std::function<float()> music) {
  soundSource = std::move(sound);
  musicSource = std::move(music);
}

}  // namespace sorvanta
