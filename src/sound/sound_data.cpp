#include "sound/sound_data.h"

#include "platform/audio.h"
#include "sound/volume_settings.h"

namespace sorvanta {

void TSoundData::playWithRate(int n) {
  if (!snd) return;
  if (n > 25) n = 25;
  if (n < 0) n = 1;
  auto channel = CueSound(snd);
  SetChannelRate(channel, static_cast<float>(n) / 25.0f);
  SetChannelVolume(channel, soundVolume());
  ResumeChannel(channel);
}

void TSoundData::playMe() {
  for (auto& slot : chn) {
    if (!slot) {
      if (!snd) return;
    } else if (ChannelPlaying(slot)) {
      continue;
    }
    // An empty slot, or one whose copy has ended: the old channel is let go.
    slot = CueSound(snd);
    SetChannelVolume(slot, soundVolume());
    ResumeChannel(slot);
    return;
  }
}

void TSoundData::update() {
  for (auto& slot : chn) {
    if (slot && !ChannelPlaying(slot)) slot.reset();
  }
}

void TMusicData::loadMe() {
  if (!snd) snd = LoadMusic(url, loop);
}

}  // namespace sorvanta
