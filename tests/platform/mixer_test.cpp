#include "platform/mixer.h"
#include "platform/read_back.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace sorvanta {
namespace {

constexpr int kRate = 1000;  // a small output rate keeps the arithmetic plain

std::shared_ptr<SampleData> Samples(std::vector<std::int16_t> pcm, int channels = 1, int rate = kRate) {
  auto data = std::make_shared<SampleData>();
  data->channels = channels;
  data->rate = rate;
  data->pcm = std::move(pcm);
  return data;
}

std::shared_ptr<SampleData> Constant(int frames, std::int16_t value, int rate = kRate) {
  return Samples(std::vector<std::int16_t>(frames, value), 1, rate);
}

std::vector<float> MixFrames(Mixer& mixer, int frames) {
  std::vector<float> out(frames * 2);
  mixer.Mix(out.data(), frames);
  return out;
}

TEST(Mixer, LevelsAddUpPerChannelAndClip) {
  Mixer mixer(kRate);
  auto half = mixer.Cue(Constant(100, 16384), false);  // 0.5
  mixer.Resume(half);
  auto out = MixFrames(mixer, 4);
  EXPECT_FLOAT_EQ(out[0], 0.5f);
  EXPECT_FLOAT_EQ(out[1], 0.5f);  // mono sounds on both sides
  mixer.SetVolume(half, 0.5f);

  std::vector<std::int16_t> rightOnly(200, 0);
  for (std::size_t i = 1; i < rightOnly.size(); i += 2) rightOnly[i] = -8192;
  mixer.Resume(mixer.Cue(Samples(rightOnly, 2), false));
  out = MixFrames(mixer, 1);
  EXPECT_FLOAT_EQ(out[0], 0.25f);
  EXPECT_FLOAT_EQ(out[1], 0.0f);

  auto loud = mixer.Cue(Constant(100, 32000), false);
  mixer.SetVolume(loud, 3.0f);
  mixer.Resume(loud);
  EXPECT_FLOAT_EQ(MixFrames(mixer, 1)[0], 1.0f);  // clipped
  mixer.SetVolume(loud, -2.0f);                    // below 0 is silence
  EXPECT_FLOAT_EQ(MixFrames(mixer, 1)[0], 0.25f);
}

TEST(Mixer, SoundsEndLoopPauseAndResume) {
  Mixer mixer(kRate);
  auto once = mixer.Cue(Constant(100, 1000), false);
  auto loop = mixer.Cue(Constant(100, 1000), true);
  EXPECT_FALSE(mixer.Playing(once)) << "cued channels start paused";
  EXPECT_FLOAT_EQ(MixFrames(mixer, 10)[0], 0.0f);
  mixer.Resume(once);
  mixer.Resume(loop);
  MixFrames(mixer, 99);
  EXPECT_TRUE(mixer.Playing(once));
  MixFrames(mixer, 1);
  EXPECT_FALSE(mixer.Playing(once)) << "ended after its 100 frames";
  MixFrames(mixer, 1000);
  EXPECT_TRUE(mixer.Playing(loop));
  EXPECT_EQ(VoiceCount(mixer), 1);
  mixer.Resume(once);  // an ended channel stays ended
  EXPECT_FALSE(mixer.Playing(once));
  mixer.Stop(loop);
  EXPECT_EQ(VoiceCount(mixer), 0);

  // A paused channel holds its place; advancing without output moves sounds
  // on just the same.
  auto paused = mixer.Cue(Constant(50, 1000), false);
  mixer.Resume(paused);
  MixFrames(mixer, 30);
  mixer.Pause(paused);
  EXPECT_FALSE(mixer.Playing(paused));
  mixer.Mix(nullptr, 500);
  mixer.Resume(paused);
  mixer.Mix(nullptr, 19);
  EXPECT_TRUE(mixer.Playing(paused));
  mixer.Mix(nullptr, 1);
  EXPECT_FALSE(mixer.Playing(paused));
}

TEST(Mixer, RateResamplesAndSoundRatesDifferingFromTheOutput) {
  Mixer mixer(kRate);
  auto fast = mixer.Cue(Constant(100, 1000), false);
  auto slow = mixer.Cue(Constant(100, 1000), false);
  auto lowRate = mixer.Cue(Constant(100, 1000, kRate / 2), false);  // lasts twice as long
  mixer.SetRate(fast, 2.0f);
  mixer.SetRate(slow, 0.5f);
  for (auto& v : {fast, slow, lowRate}) mixer.Resume(v);
  MixFrames(mixer, 50);
  EXPECT_FALSE(mixer.Playing(fast));
  MixFrames(mixer, 149);
  EXPECT_TRUE(mixer.Playing(slow));
  EXPECT_TRUE(mixer.Playing(lowRate));
  MixFrames(mixer, 1);
  EXPECT_FALSE(mixer.Playing(slow));
  EXPECT_FALSE(mixer.Playing(lowRate));

  // Between two samples the output is interpolated.
  auto v = mixer.Cue(Samples({0, 16384, 0}), false);
  mixer.SetRate(v, 0.5f);
  mixer.Resume(v);
  auto out = MixFrames(mixer, 3);
  EXPECT_FLOAT_EQ(out[0], 0.0f);
  EXPECT_FLOAT_EQ(out[2], 0.25f);
  EXPECT_FLOAT_EQ(out[4], 0.5f);
}

TEST(Mixer, InfiniteRateOrVolumeKeepsTheOutputFinite) {
  Mixer mixer(kRate);
  const float inf = std::numeric_limits<float>::infinity();
  auto racing = mixer.Cue(Constant(100, 8192), true);
  mixer.SetRate(racing, inf);
  auto silent = mixer.Cue(Constant(100, 0), true);
  mixer.SetVolume(silent, inf);
  mixer.Resume(racing);
  mixer.Resume(silent);
  for (int round = 0; round < 3; ++round) {
    mixer.Mix(nullptr, 7);  // the clock-driven path moves positions only
    for (float sample : MixFrames(mixer, 16)) {
      ASSERT_TRUE(std::isfinite(sample)) << round;
      EXPECT_LE(std::fabs(sample), 1.0f);
    }
  }
  EXPECT_TRUE(mixer.Playing(racing));  // a loop goes on at any speed
  mixer.SetVolume(silent, -inf);
  mixer.SetRate(racing, std::nanf(""));
  for (float sample : MixFrames(mixer, 4)) EXPECT_EQ(sample, 0.0f);  // held still at rate 0: silent
  EXPECT_TRUE(mixer.Playing(racing));
}

TEST(Mixer, ReleasedVoicesPlayToTheirEndUnlessTheyCanNeverSound) {
  Mixer mixer(kRate);
  auto playing = mixer.Cue(Constant(100, 1000), false);
  mixer.Resume(playing);
  mixer.Release(playing);
  mixer.Release(mixer.Cue(Constant(100, 1000), false));  // cued but never started: gone
  auto stuck = mixer.Cue(Constant(100, 1000), false);
  mixer.SetRate(stuck, 0.0f);
  mixer.Resume(stuck);
  mixer.Release(stuck);  // at rate 0 it would never end
  EXPECT_EQ(VoiceCount(mixer), 1);
  MixFrames(mixer, 50);
  EXPECT_TRUE(mixer.Playing(playing));
  MixFrames(mixer, 50);
  EXPECT_EQ(VoiceCount(mixer), 0);

  // Empty sounds and none are harmless.
  auto empty = mixer.Cue(std::make_shared<SampleData>(), false);
  mixer.Resume(empty);
  EXPECT_FALSE(mixer.Playing(empty));
  mixer.Resume(nullptr);
  EXPECT_FALSE(mixer.Playing(nullptr));
}

}  // namespace
}  // namespace sorvanta
