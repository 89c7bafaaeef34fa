#pragma once
// The two volumes the sound registry reads from the settings. Until the
// settings object exists they are two plain floats (0.5 each, the first-run
// values); the application shell can point them at the live settings with
// bindVolumeSettings, after which the setters no longer matter.
#include <functional>

namespace sorvanta {

// Effects volume, 0 to 1: taken by every effect when it starts.
float soundVolume();
// Music volume, 0 to 1: a music channel sounds at this × its fade level × 0.5.
float musicVolume();

void setSoundVolume(float volume);
void setMusicVolume(float volume);

// Reads both volumes from these sources from now on; an empty function goes
// back to the plain float for that volume.
void bindVolumeSettings(std::function<float()> sound, std::function<float()> music);

}  // namespace sorvanta
