#pragma once
// The audio layer: sounds decoded whole into memory, or music streamed from
// its file, played on channels through our own mixer. The device opens on first use; without one (no
// sound card, or the harness) the mixer runs on the clock, silently, so
// channels still end on time.
#include <memory>
#include <string>

#include "platform/mixer.h"

namespace sorvanta {

class TSound {
 public:
  std::shared_ptr<const SampleData> data;  // a decoded sound
  std::string streamPath;  // else an Ogg file each channel decodes as it plays
  bool loop = false;
};

// A channel: one copy of a sound in the mixer. A channel the game lets go of
// without stopping it plays on to its end (a looping one for ever).
class TChannel {
 public:
  explicit TChannel(std::shared_ptr<MixerVoice> voice) : voice(std::move(voice)) {}
  ~TChannel();
  TChannel(const TChannel&) = delete;
  TChannel& operator=(const TChannel&) = delete;
  std::shared_ptr<MixerVoice> voice;
};

// Load flags of LoadSound.
constexpr int SOUND_LOOP = 1;

// Decodes a WAV or Ogg Vorbis file whole; none when it is missing or cannot
// be decoded.
std::shared_ptr<TSound> LoadSound(const std::string& path, int flags = 0);
// Music: an Ogg Vorbis file is checked and left on disk, each channel of it
// decoding the file as it plays, so memory does not grow with the track's
// length; anything else is decoded whole as by LoadSound. None when it
// is missing or cannot be decoded.
std::shared_ptr<TSound> LoadMusic(const std::string& path, int flags = 0);
// Decodes WAV or Ogg Vorbis bytes; none when they cannot be decoded.
std::shared_ptr<TSound> DecodeSound(const std::string& bytes, int flags = 0);
// A new paused channel of the sound (volume 1, rate 1). Given a channel, that
// channel's sound is stopped and it is reused. None for no sound. A streamed
// sound whose file can no longer be read gives a channel that never plays.
std::shared_ptr<TChannel> CueSound(const std::shared_ptr<TSound>& sound,
                                   const std::shared_ptr<TChannel>& channel = nullptr);
void SetChannelVolume(const std::shared_ptr<TChannel>& channel, float volume);
// Playback speed (and pitch) factor, 1 normal.
void SetChannelRate(const std::shared_ptr<TChannel>& channel, float rate);
void ResumeChannel(const std::shared_ptr<TChannel>& channel);
void PauseChannel(const std::shared_ptr<TChannel>& channel);
void StopChannel(const std::shared_ptr<TChannel>& channel);
// True while the channel sounds: false once ended, stopped, or while paused.
bool ChannelPlaying(const std::shared_ptr<TChannel>& channel);

}  // namespace sorvanta
