// Streamed voices of the mixer: frames decoded a window at a time as they play.
#include <algorithm>

#include "platform/mixer.h"

namespace sorvanta {

namespace {

constexpr long kWindowFrames = 4096;

// Makes frame index readable in the voice's window: reads on when it lies
// just past the window, else seeks there first. False when the stream cannot
// give that frame.
bool Reach(MixerVoice& v, long long index) {
  SampleStream& s = *v.stream;
  const int ch = s.channels;
  long long end = v.windowStart + static_cast<long long>(v.window.size()) / ch;
  if (index >= v.windowStart && index < end) return true;
  if (index < 0 || index >= s.length) return false;
  if (index < end || index >= end + kWindowFrames) {
    v.window.clear();
    v.windowStart = index;
    if (!s.Seek(index)) return false;
    end = index;
  }
  for (;;) {
    v.window.resize(static_cast<std::size_t>(kWindowFrames) * ch);
    const long got = s.Read(v.window.data(), kWindowFrames);
    v.windowStart = end;
    v.window.resize(static_cast<std::size_t>(std::max(0L, got)) * ch);
    if (got <= 0) return false;
    end += got;
    if (index < end) return true;
  }
}

// Frame index's two output channels; call after Reach.
void FrameAt(const MixerVoice& v, long long index, float frame[2]) {
  const int ch = v.stream->channels;
  const std::int16_t* f = v.window.data() + (index - v.windowStart) * ch;
  frame[0] = f[0];
  frame[1] = f[ch == 2 ? 1 : 0];
}

}  // namespace

std::shared_ptr<MixerVoice> Mixer::CueStream(std::unique_ptr<SampleStream> stream, bool loop) {
  auto voice = std::make_shared<MixerVoice>();
  voice->loop = loop;
  voice->finished = true;  // until the stream proves playable
  if (!stream || stream->length <= 0 || stream->rate <= 0 || (stream->channels != 1 && stream->channels != 2))
    return voice;
  voice->stream = std::move(stream);
  // The first window is read here, on the caller's thread, not the device's.
  if (!Reach(*voice, 0)) {
    voice->stream.reset();
    return voice;
  }
  voice->firstFrame[0] = voice->window[0];
  voice->firstFrame[1] = voice->window[voice->stream->channels == 2 ? 1 : 0];
  voice->finished = false;
  std::lock_guard<std::mutex> lock(mutex_);
  voices_.push_back(voice);
  return voice;
}

void Mixer::MixStream(MixerVoice& voice, float* out, int frames) {
  const SampleStream& s = *voice.stream;
  const double length = static_cast<double>(s.length);
  const double step = static_cast<double>(voice.rate) * s.rate / rate_;
  if (!out) {
    Advance(voice, length, step, frames);
    return;
  }
  const float gain = voice.volume / 32768.0f;
  for (int i = 0; i < frames; ++i) {
    const long long index = static_cast<long long>(voice.position);
    const float frac = static_cast<float>(voice.position - static_cast<double>(index));
    float a[2], b[2] = {0.0f, 0.0f};
    // A stream that breaks off early ends there, as a decoded sound keeps what decoded.
    if (!Reach(voice, index)) {
      voice.finished = true;
      return;
    }
    FrameAt(voice, index, a);
    // Linear interpolation between this frame and the next (silence after the end).
    if (index + 1 < s.length) {
      if (Reach(voice, index + 1)) FrameAt(voice, index + 1, b);
    } else if (voice.loop) {
      b[0] = voice.firstFrame[0];
      b[1] = voice.firstFrame[1];
    }
    for (int c = 0; c < 2; ++c) out[i * 2 + c] += (a[c] + (b[c] - a[c]) * frac) * gain;
    if (!StepOn(voice, length, step)) return;
  }
}

}  // namespace sorvanta
