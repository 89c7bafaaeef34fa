#include "platform/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace sorvanta {
namespace {

constexpr int kRate = 1000;  // a small output rate keeps the arithmetic plain

std::shared_ptr<SampleData> Constant(int frames, std::int16_t value, int channels = 1, int rate = kRate) {
  auto data = std::make_shared<SampleData>();
  data->channels = channels;
  data->rate = rate;
  data->pcm.assign(static_cast<std::size_t>(frames) * channels, value);
  return data;
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
  EXPECT_FLOAT_EQ(MixFrames(mixer, 1)[0], 0.25f);

  auto stereo = std::make_shared<SampleData>();
  stereo->channels = 2;
  stereo->rate = kRate;
  stereo->pcm = std::vector<std::int16_t>(200, 0);
  for (std::size_t i = 0; i < stereo->pcm.size(); i += 2) stereo->pcm[i + 1] = -8192;  // right only
  auto right = mixer.Cue(stereo, false);
  mixer.Resume(right);
  out = MixFrames(mixer, 1);
  EXPECT_FLOAT_EQ(out[0], 0.25f);
  EXPECT_FLOAT_EQ(out[1], 0.25f - 0.25f);

  auto loud = mixer.Cue(Constant(100, 32000), false);
  mixer.SetVolume(loud, 3.0f);
  mixer.Resume(loud);
  out = MixFrames(mixer, 1);
  EXPECT_FLOAT_EQ(out[0], 1.0f);  // clipped
  mixer.SetVolume(loud, -2.0f);    // below 0 is silence
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
  EXPECT_TRUE(mixer.Playing(loop));
  MixFrames(mixer, 1000);
  EXPECT_TRUE(mixer.Playing(loop));
  EXPECT_EQ(mixer.VoiceCount(), 1);
  mixer.Resume(once);  // an ended channel stays ended
  EXPECT_FALSE(mixer.Playing(once));

  auto paused = mixer.Cue(Constant(50, 1000), false);
  mixer.Resume(paused);
  MixFrames(mixer, 30);
  mixer.Pause(paused);
  EXPECT_FALSE(mixer.Playing(paused));
  MixFrames(mixer, 500);  // holds its place while paused
  mixer.Resume(paused);
  MixFrames(mixer, 19);
  EXPECT_TRUE(mixer.Playing(paused));
  MixFrames(mixer, 1);
  EXPECT_FALSE(mixer.Playing(paused));

  mixer.Stop(loop);
  EXPECT_FALSE(mixer.Playing(loop));
  EXPECT_EQ(mixer.VoiceCount(), 0);
  // Advancing without output moves sounds on just the same.
  auto silent = mixer.Cue(Constant(100, 1000), false);
  mixer.Resume(silent);
  mixer.Mix(nullptr, 99);
  EXPECT_TRUE(mixer.Playing(silent));
  mixer.Mix(nullptr, 1);
  EXPECT_FALSE(mixer.Playing(silent));
}

TEST(Mixer, RateResamplesAndSoundRatesDifferingFromTheOutput) {
  Mixer mixer(kRate);
  auto fast = mixer.Cue(Constant(100, 1000), false);
  auto slow = mixer.Cue(Constant(100, 1000), false);
  auto lowRate = mixer.Cue(Constant(100, 1000, 1, kRate / 2), false);  // lasts twice as long
  mixer.SetRate(fast, 2.0f);
  mixer.SetRate(slow, 0.5f);
  for (auto& v : {fast, slow, lowRate}) mixer.Resume(v);
  MixFrames(mixer, 50);
  EXPECT_FALSE(mixer.Playing(fast));
  EXPECT_TRUE(mixer.Playing(slow));
  MixFrames(mixer, 149);
  EXPECT_TRUE(mixer.Playing(slow));
  EXPECT_TRUE(mixer.Playing(lowRate));
  MixFrames(mixer, 1);
  EXPECT_FALSE(mixer.Playing(slow));
  EXPECT_FALSE(mixer.Playing(lowRate));

  // Between two samples the output is interpolated.
  auto ramp = std::make_shared<SampleData>();
  ramp->rate = kRate;
  ramp->pcm = {0, 16384, 0};
  auto v = mixer.Cue(ramp, false);
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
  auto pausedOne = mixer.Cue(Constant(100, 1000), false);
  mixer.Release(pausedOne);  // cued but never started: gone
  auto stuck = mixer.Cue(Constant(100, 1000), false);
  mixer.SetRate(stuck, 0.0f);
  mixer.Resume(stuck);
  mixer.Release(stuck);  // at rate 0 it would never end
  EXPECT_EQ(mixer.VoiceCount(), 1);
  MixFrames(mixer, 50);
  EXPECT_TRUE(mixer.Playing(playing));
  MixFrames(mixer, 50);
  EXPECT_EQ(mixer.VoiceCount(), 0);

  // Empty sounds and none are harmless.
  auto empty = mixer.Cue(std::make_shared<SampleData>(), false);
  mixer.Resume(empty);
  EXPECT_FALSE(mixer.Playing(empty));
  std::shared_ptr<MixerVoice> none;
  mixer.Resume(none);
  mixer.SetVolume(none, 1);
  EXPECT_FALSE(mixer.Playing(none));
  mixer.Mix(nullptr, 0);
}

}  // namespace
}  // namespace sorvanta
