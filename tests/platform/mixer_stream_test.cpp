// A streamed voice sounds exactly as the same sound decoded whole: across
// window edges, loops, rates, and time skipped without sounding.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_internal.h"
#include "platform/mixer.h"

namespace sorvanta {
namespace {

// A stream over samples in memory.
class MemoryStream : public SampleStream {
 public:
  explicit MemoryStream(const SampleData& data) : data_(data) {
    channels = data.channels;
    rate = data.rate;
    length = static_cast<long long>(data.frames());
  }
  long Read(std::int16_t* out, long frames) override {
    const long n = static_cast<long>(std::min<long long>(frames, length - at_));
    std::copy_n(data_.pcm.begin() + at_ * channels, n * channels, out);
    at_ += n;
    return n;
  }
  bool Seek(long long frame) override {
    if (frame < 0 || frame > length) return false;
    at_ = frame;
    return true;
  }

 private:
  const SampleData& data_;
  long long at_ = 0;
};

// Mixes both voices alike in uneven slices, some skipped without sound, and
// says whether every sounded frame and the end agree.
void ExpectSameSound(Mixer& mixer, const std::shared_ptr<MixerVoice>& decoded,
                     const std::shared_ptr<MixerVoice>& streamed, float rate, const std::string& what) {
  for (const auto& v : {decoded, streamed}) {
    mixer.SetRate(v, rate);
    mixer.SetVolume(v, 0.7f);
  }
  const int slices[] = {1000, 5000, -7000, 3001, -200, 9000, 20000, -40000, 30000};
  for (int slice : slices) {
    std::vector<float> a(std::abs(slice) * 2), b(std::abs(slice) * 2);
    for (auto [voice, out] : {std::pair{decoded, &a}, std::pair{streamed, &b}}) {
      mixer.Resume(voice);
      (voice == decoded ? mixer.Pause(streamed) : mixer.Pause(decoded));
      mixer.Mix(slice > 0 ? out->data() : nullptr, std::abs(slice));
    }
    ASSERT_EQ(a, b) << what << ", slice " << slice;
    ASSERT_EQ(decoded->finished, streamed->finished) << what << ", slice " << slice;
  }
}

TEST(MixerStream, StreamedVoicesSoundAsDecodedOnes) {
  for (int channels : {1, 2}) {
    auto data = std::make_shared<SampleData>();
    data->channels = channels;
    data->rate = 32000;
    for (int i = 0; i < 30011 * channels; ++i) data->pcm.push_back(static_cast<std::int16_t>((i * 7919) % 60000 - 30000));
    for (bool loop : {false, true})
      for (float rate : {1.0f, 0.37f, 1.9f}) {
        Mixer mixer(44100);
        auto decoded = mixer.Cue(data, loop);
        auto streamed = mixer.CueStream(std::make_unique<MemoryStream>(*data), loop);
        ASSERT_FALSE(streamed->finished);
        ExpectSameSound(mixer, decoded, streamed, rate,
                        std::to_string(channels) + " channels, loop " + std::to_string(loop) + ", rate " +
                            std::to_string(rate));
      }
  }
}

TEST(MixerStream, OggMusicStreamsFromItsFileAsItDecodes) {
  const std::string tone = std::string(SORVANTA_SOURCE_DIR) + "/tests/platform/data/tone.ogg";
  auto music = LoadMusic(tone, SOUND_LOOP);
  ASSERT_NE(music, nullptr);
  EXPECT_EQ(music->data, nullptr);  // nothing decoded is kept
  EXPECT_EQ(music->streamPath, tone);
  auto whole = LoadSound(tone, SOUND_LOOP);
  ASSERT_NE(whole, nullptr);
  Mixer mixer(44100);
  ExpectSameSound(mixer, mixer.Cue(whole->data, true), mixer.CueStream(OpenOggStream(tone), true), 1.0f, "tone");

  EXPECT_EQ(LoadMusic(tone + ".missing"), nullptr);
  // A file that is no Ogg stream is decoded whole, as an effect is.
  auto wav = LoadMusic(std::string(SORVANTA_SOURCE_DIR) + "/assets/sfx/click.wav");
  ASSERT_NE(wav, nullptr);
  EXPECT_NE(wav->data, nullptr);
}

}  // namespace
}  // namespace sorvanta
