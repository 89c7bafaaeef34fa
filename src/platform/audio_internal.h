#pragma once
// Audio internals for PollSystem, the harness and the audio layer's files.
#include <memory>
#include <string>

#include "platform/mixer.h"

namespace sorvanta {

// An Ogg Vorbis file opened for streaming; none when it is not one, or has no
// known length.
std::unique_ptr<SampleStream> OpenOggStream(const std::string& path);

// The mixer every channel plays through.
Mixer& AudioMixer();

// Without a device, moves the mixer on by the clock time since the last call.
void PumpAudioClock();
// true: no device, the mixer follows MilliSecs (the harness's test clock);
// false: a device is tried again on next use. Either way every channel stops.
void SetAudioClockDriven(bool clockDriven);

}  // namespace sorvanta
