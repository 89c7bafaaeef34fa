#pragma once
// The two volumes the sound registry reads from the settings. Until the
// application shell points them at the live settings with bindVolumeSettings
// they are 0.5 each, the first-run values.
#include <functional>

namespace sorvanta {

// Effects volume, 0 to 1: taken by every effect when it starts.
float soundVolume();
// Music volume, 0 to 1: a music channel sounds at this × its fade level × 0.5.
float musicVolume();

// Reads both volumes from these sources from now on; an empty function goes
// back to 0.5 for that volume.
void bindVolumeSettings(std::function<float()> sound, std::function<float()> music);

}  // namespace sorvanta
