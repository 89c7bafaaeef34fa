#pragma once
// The software mixer behind the audio layer. Plain code with its own lock:
// the game thread changes voices, the audio device's thread (or the clock,
// when there is no device) calls Mix. Tests drive it directly.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace sorvanta {

// Decoded sound: interleaved 16-bit samples of 1 or 2 channels.
struct SampleData {
  std::vector<std::int16_t> pcm;
  int channels = 1;
  int rate = 44100;
  std::size_t frames() const { return channels > 0 ? pcm.size() / channels : 0; }
};

// Sound decoded as it plays (music): 16-bit frames of 1 or 2 channels read
// in order from a file, with a known length. Each voice has its own stream;
// the mixer reads it under its lock, a window of frames at a time.
class SampleStream {
 public:
  virtual ~SampleStream() = default;
  int channels = 1;
  int rate = 44100;
  long long length = 0;  // in frames
  // Reads up to frames frames on from the current place into out (interleaved);
  // fewer at the end, 0 after it or on a decoding error.
  virtual long Read(std::int16_t* out, long frames) = 0;
  // Moves the place to frame; false when it cannot.
  virtual bool Seek(long long frame) = 0;
};

// One sounding (or paused) copy of a sound. Its fields belong to the mixer
// and are read and written only under the mixer's lock.
struct MixerVoice {
  std::shared_ptr<const SampleData> data;
  bool loop = false;
  double position = 0;  // in frames of data
  float volume = 1;
  float rate = 1;
  bool paused = true;
  bool finished = false;  // ended or stopped: it never sounds again
  bool released = false;  // nobody holds its channel any more
  // A streamed voice: data is none, frames come through the window.
  std::unique_ptr<SampleStream> stream;
  std::vector<std::int16_t> window;  // decoded frames from windowStart on
  long long windowStart = 0;
  std::int16_t firstFrame[2] = {0, 0};  // a loop's last frame blends into it
};

class Mixer {
 public:
  explicit Mixer(int outputRate = 44100);

  // A new paused voice of the sound.
  std::shared_ptr<MixerVoice> Cue(std::shared_ptr<const SampleData> data, bool loop);
  // A new paused voice that plays the stream from its start.
  std::shared_ptr<MixerVoice> CueStream(std::unique_ptr<SampleStream> stream, bool loop);
  void SetVolume(const std::shared_ptr<MixerVoice>& voice, float volume);  // 1 full; kept within 0..16
  void SetRate(const std::shared_ptr<MixerVoice>& voice, float rate);      // 1 normal speed; kept within 0..1000
  void Resume(const std::shared_ptr<MixerVoice>& voice);
  void Pause(const std::shared_ptr<MixerVoice>& voice);
  void Stop(const std::shared_ptr<MixerVoice>& voice);
  // False once the voice has ended, was stopped, or while it is paused.
  bool Playing(const std::shared_ptr<MixerVoice>& voice) const;
  // Its channel was let go: it plays on to its end, and goes at once when it
  // can never sound again (paused, or at rate 0).
  void Release(const std::shared_ptr<MixerVoice>& voice);
  void StopAll();

  // Writes frames of interleaved stereo output (left, right) in -1..1; out
  // may be null to advance the voices without producing sound.
  void Mix(float* out, int frames);

 private:
  // Tests read back the voices it still keeps, and its rate.
  friend struct MixerReadBack;

  void MixVoice(MixerVoice& voice, float* out, int frames);
  void MixStream(MixerVoice& voice, float* out, int frames);
  // Moves a voice's position by frames of output without sounding it.
  void Advance(MixerVoice& voice, double length, double step, int frames);
  // Moves a voice one output frame on, wrapping a loop; false when it ended.
  static bool StepOn(MixerVoice& voice, double length, double step);

  mutable std::mutex mutex_;
  int rate_;
  std::vector<std::shared_ptr<MixerVoice>> voices_;
};

}  // namespace sorvanta
