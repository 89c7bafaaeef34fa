#include "platform/audio.h"

#include <SDL.h>

#include <vector>

#include "platform/audio_internal.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace sorvanta {

namespace {

constexpr int kOutputRate = 44100;

struct AudioSystem {
  Mixer mixer{kOutputRate};
  SDL_AudioDeviceID device = 0;
  bool started = false;
  bool forceClock = false;
  int clockStart = 0;             // MilliSecs when clock mixing began
  long long clockFramesDone = 0;  // frames advanced since then
};

AudioSystem& Audio() {
  // Never destroyed: the device thread may still call the mixer at exit.
  static AudioSystem* audio = new AudioSystem;
  return *audio;
}

void SDLCALL FillDevice(void* userdata, Uint8* stream, int length) {
  auto* mixer = static_cast<Mixer*>(userdata);
  mixer->Mix(reinterpret_cast<float*>(stream), length / static_cast<int>(sizeof(float) * 2));
}

void StartClock() {
  Audio().clockStart = MilliSecs();
  Audio().clockFramesDone = 0;
}

void Start() {
  AudioSystem& a = Audio();
  if (a.started) return;
  a.started = true;
  StartClock();
  if (a.forceClock) return;
  if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  SDL_AudioSpec want{};
  want.freq = kOutputRate;
  want.format = AUDIO_F32SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = FillDevice;
  want.userdata = &a.mixer;
  SDL_AudioSpec have{};
  a.device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (a.device != 0) SDL_PauseAudioDevice(a.device, 0);
}

MixerVoice* VoiceOf(const std::shared_ptr<TChannel>& channel) { return channel ? channel->voice.get() : nullptr; }

}  // namespace

TChannel::~TChannel() { Audio().mixer.Release(voice); }

void PumpAudioClock() {
  AudioSystem& a = Audio();
  if (!a.started || a.device != 0) return;
  const long long elapsed = msSince(MilliSecs(), a.clockStart);
  if (elapsed < 0) {  // the clock went back (a test clock was set): start again
    StartClock();
    return;
  }
  long long target = elapsed * kOutputRate / 1000;
  while (a.clockFramesDone < target) {
    int step = static_cast<int>(std::min<long long>(target - a.clockFramesDone, 1 << 20));
    a.mixer.Mix(nullptr, step);
    a.clockFramesDone += step;
  }
}

void SetAudioClockDriven(bool clockDriven) {
  AudioSystem& a = Audio();
  if (a.device != 0) SDL_CloseAudioDevice(a.device);
  a.device = 0;
  a.mixer.StopAll();
  a.forceClock = clockDriven;
  a.started = false;
}

Mixer& AudioMixer() { return Audio().mixer; }

std::shared_ptr<TSound> LoadSound(const std::string& path, int flags) {
  std::string bytes;
  try {
    bytes = LoadBytes(path);
  } catch (const FileError&) {
    return nullptr;
  }
  return DecodeSound(bytes, flags);
}

std::shared_ptr<TChannel> CueSound(const std::shared_ptr<TSound>& sound, const std::shared_ptr<TChannel>& channel) {
  if (!sound || (!sound->data && sound->streamPath.empty())) return nullptr;
  Start();
  auto voice = sound->data ? Audio().mixer.Cue(sound->data, sound->loop)
                           : Audio().mixer.CueStream(OpenOggStream(sound->streamPath), sound->loop);
  if (channel) {
    Audio().mixer.Stop(channel->voice);
    channel->voice = voice;
    return channel;
  }
  return std::make_shared<TChannel>(voice);
}

void SetChannelVolume(const std::shared_ptr<TChannel>& channel, float volume) {
  if (VoiceOf(channel)) Audio().mixer.SetVolume(channel->voice, volume);
}

void SetChannelRate(const std::shared_ptr<TChannel>& channel, float rate) {
  if (VoiceOf(channel)) Audio().mixer.SetRate(channel->voice, rate);
}

void ResumeChannel(const std::shared_ptr<TChannel>& channel) {
  if (VoiceOf(channel)) Audio().mixer.Resume(channel->voice);
}

void PauseChannel(const std::shared_ptr<TChannel>& channel) {
  if (VoiceOf(channel)) Audio().mixer.Pause(channel->voice);
}

void StopChannel(const std::shared_ptr<TChannel>& channel) {
  if (VoiceOf(channel)) Audio().mixer.Stop(channel->voice);
}

bool ChannelPlaying(const std::shared_ptr<TChannel>& channel) {
  return VoiceOf(channel) && Audio().mixer.Playing(channel->voice);
}

}  // namespace sorvanta
