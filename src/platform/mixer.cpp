#include "platform/mixer.h"

#include <algorithm>
#include <cmath>

namespace sorvanta {

namespace {

// Bounds that keep the mixing arithmetic finite: an infinite rate would make
// the play position NaN, an infinite volume turn silence into NaN samples.
constexpr float kMaxVolume = 16.0f;
constexpr float kMaxRate = 1000.0f;

float Bounded(float value, float max) { return std::isnan(value) ? 0.0f : std::clamp(value, 0.0f, max); }

}  // namespace

Mixer::Mixer(int outputRate) : rate_(outputRate > 0 ? outputRate : 44100) {}

std::shared_ptr<MixerVoice> Mixer::Cue(std::shared_ptr<const SampleData> data, bool loop) {
  auto voice = std::make_shared<MixerVoice>();
  voice->data = std::move(data);
  voice->loop = loop;
  if (!voice->data || voice->data->frames() == 0) {
    voice->finished = true;  // nothing to play
    return voice;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  voices_.push_back(voice);
  return voice;
}

void Mixer::SetVolume(const std::shared_ptr<MixerVoice>& voice, float volume) {
  if (!voice) return;
  std::lock_guard<std::mutex> lock(mutex_);
  voice->volume = Bounded(volume, kMaxVolume);
}

void Mixer::SetRate(const std::shared_ptr<MixerVoice>& voice, float rate) {
  if (!voice) return;
  std::lock_guard<std::mutex> lock(mutex_);
  voice->rate = Bounded(rate, kMaxRate);
}

void Mixer::Resume(const std::shared_ptr<MixerVoice>& voice) {
  if (!voice) return;
  std::lock_guard<std::mutex> lock(mutex_);
  voice->paused = false;
}

void Mixer::Pause(const std::shared_ptr<MixerVoice>& voice) {
  if (!voice) return;
  std::lock_guard<std::mutex> lock(mutex_);
  voice->paused = true;
}

void Mixer::Stop(const std::shared_ptr<MixerVoice>& voice) {
  if (!voice) return;
  std::lock_guard<std::mutex> lock(mutex_);
  voice->finished = true;
  voices_.erase(std::remove(voices_.begin(), voices_.end(), voice), voices_.end());
}

bool Mixer::Playing(const std::shared_ptr<MixerVoice>& voice) const {
  if (!voice) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  return !voice->paused && !voice->finished;
}

void Mixer::Release(const std::shared_ptr<MixerVoice>& voice) {
  if (!voice) return;
  std::lock_guard<std::mutex> lock(mutex_);
  voice->released = true;
  if (voice->paused || voice->rate <= 0.0f) {
    voice->finished = true;
    voices_.erase(std::remove(voices_.begin(), voices_.end(), voice), voices_.end());
  }
}

void Mixer::StopAll() {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto& voice : voices_) voice->finished = true;
  voices_.clear();
}

bool Mixer::StepOn(MixerVoice& voice, double length, double step) {
  voice.position += step;
  if (voice.position < length) return true;
  if (!voice.loop) {
    voice.finished = true;
    return false;
  }
  voice.position = std::fmod(voice.position, length);
  return true;
}

void Mixer::Advance(MixerVoice& voice, double length, double step, int frames) {
  double end = voice.position + step * frames;
  if (end < length) {
    voice.position = end;
  } else if (voice.loop) {
    voice.position = std::fmod(end, length);
  } else {
    voice.position = length;
    voice.finished = true;
  }
}

void Mixer::MixVoice(MixerVoice& voice, float* out, int frames) {
  if (voice.stream) {
    MixStream(voice, out, frames);
    return;
  }
  const SampleData& data = *voice.data;
  const double length = static_cast<double>(data.frames());
  const double step = static_cast<double>(voice.rate) * data.rate / rate_;
  if (!out) {
    Advance(voice, length, step, frames);
    return;
  }
  const std::int16_t* pcm = data.pcm.data();
  const std::size_t count = data.frames();
  const float gain = voice.volume / 32768.0f;
  const bool stereo = data.channels == 2;
  for (int i = 0; i < frames; ++i) {
    std::size_t index = static_cast<std::size_t>(voice.position);
    float frac = static_cast<float>(voice.position - static_cast<double>(index));
    std::size_t next = index + 1;
    bool hasNext = next < count || voice.loop;
    if (next >= count) next = 0;
    // Linear interpolation between this frame and the next (silence after the end).
    for (int c = 0; c < 2; ++c) {
      int ch = stereo ? c : 0;
      float a = pcm[index * data.channels + ch];
      float b = hasNext ? static_cast<float>(pcm[next * data.channels + ch]) : 0.0f;
      out[i * 2 + c] += (a + (b - a) * frac) * gain;
    }
    if (!StepOn(voice, length, step)) return;
  }
}

void Mixer::Mix(float* out, int frames) {
  if (frames <= 0) return;
  if (out) std::fill(out, out + static_cast<std::size_t>(frames) * 2, 0.0f);
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto& voice : voices_)
    if (!voice->paused && !voice->finished && voice->rate > 0.0f) MixVoice(*voice, out, frames);
  voices_.erase(std::remove_if(voices_.begin(), voices_.end(), [](const auto& v) { return v->finished; }),
                voices_.end());
  if (out)
    for (std::size_t i = 0, n = static_cast<std::size_t>(frames) * 2; i < n; ++i)
      out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

}  // namespace sorvanta
