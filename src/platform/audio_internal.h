#pragma once
// Audio internals for PollSystem and the harness.
namespace sorvanta {

// Without a device, moves the mixer on by the clock time since the last call.
void PumpAudioClock();
// true: no device, the mixer follows MilliSecs (the harness's test clock);
// false: a device is tried again on next use. Either way every channel stops.
void SetAudioClockDriven(bool clockDriven);

}  // namespace sorvanta
