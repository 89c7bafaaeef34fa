#include "platform/audio.h"

#include <gtest/gtest.h>

#include "platform/audio_internal.h"
#include "platform/harness.h"
#include "platform/read_back.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

const std::string kTone = std::string(SORVANTA_SOURCE_DIR) + "/tests/platform/data/tone.ogg";  // 0.5 s, 22050 Hz stereo

// A PCM WAV file of the given samples.
std::string Wav(int channels, int rate, int bits, const std::string& samples) {
  auto le = [](std::uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
    return s;
  };
  std::string body = "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) + le(rate, 4) +
                     le(rate * channels * bits / 8, 4) + le(channels * bits / 8, 2) + le(bits, 2) + "data" +
                     le(samples.size(), 4) + samples;
  return "RIFF" + le(body.size(), 4) + body;
}

TEST(Audio, DecodesWavAndOggWholeAndRefusesTheRest) {
  std::string s16;
  for (int i = 0; i < 100; ++i) s16 += std::string("\x00\x40", 2);  // 16384
  auto mono = DecodeSound(Wav(1, 22050, 16, s16));
  ASSERT_NE(mono, nullptr);
  EXPECT_EQ(mono->data->frames(), 100u);
  EXPECT_EQ(mono->data->pcm[0], 16384);

  // 8-bit unsigned stereo becomes 16-bit signed.
  std::string u8;
  for (int i = 0; i < 50; ++i) u8 += std::string("\xff\x80", 2);
  auto stereo = DecodeSound(Wav(2, 11025, 8, u8), SOUND_LOOP);
  ASSERT_NE(stereo, nullptr);
  EXPECT_EQ(stereo->data->frames(), 50u);
  EXPECT_GT(stereo->data->pcm[0], 30000);
  EXPECT_EQ(stereo->data->pcm[1], 0);
  EXPECT_TRUE(stereo->loop);

  auto tone = LoadSound(kTone, 1);
  ASSERT_NE(tone, nullptr);
  EXPECT_EQ(tone->data->channels, 2);
  EXPECT_EQ(tone->data->rate, 22050);
  EXPECT_NEAR(static_cast<double>(tone->data->frames()), 11025.0, 64.0);
  EXPECT_TRUE(tone->loop);
  int peak = 0;
  for (auto s : tone->data->pcm) peak = std::max(peak, std::abs(static_cast<int>(s)));
  EXPECT_GT(peak, 8000);  // a half-volume sine

  const std::string ogg = test::ReadFile(kTone);
  EXPECT_EQ(DecodeSound(ogg.substr(0, 60)), nullptr);
  EXPECT_EQ(DecodeSound(Wav(1, 22050, 16, "").substr(0, 30)), nullptr);
  // 44 bytes with an empty data chunk: no samples, and no null buffer copied.
  EXPECT_EQ(DecodeSound(Wav(1, 22050, 16, "")), nullptr);
  EXPECT_EQ(DecodeSound(Wav(1, 22050, 16, "\x01")), nullptr);  // not one whole sample
  // A data chunk that claims 4 GB for the 200 bytes present: the bytes
  // present are read (the sound fuzz target's memory limit guards that no
  // more is allocated).
  std::string claims = Wav(1, 22050, 16, s16);
  claims.replace(40, 4, "\xF0\xFF\xFF\xFF");
  auto cut = DecodeSound(claims);
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(cut->data->frames(), 100u);
  EXPECT_EQ(DecodeSound("RIFF....WAVEjunk"), nullptr);
  EXPECT_EQ(LoadSound("/no/such/sound.ogg"), nullptr);
}

TEST(Audio, ChannelsFollowTheClockUnderTheHarness) {
  Harness h;
  auto tone = LoadSound(kTone);
  ASSERT_NE(tone, nullptr);
  auto channel = CueSound(tone);
  ASSERT_NE(channel, nullptr);
  EXPECT_FALSE(ChannelPlaying(channel)) << "cued paused";
  ResumeChannel(channel);
  for (int i = 0; i < 20; ++i) h.Frame();  // a third of a second
  EXPECT_TRUE(ChannelPlaying(channel));
  PauseChannel(channel);
  for (int i = 0; i < 60; ++i) h.Frame();
  EXPECT_FALSE(ChannelPlaying(channel));
  ResumeChannel(channel);
  for (int i = 0; i < 20; ++i) h.Frame();
  EXPECT_FALSE(ChannelPlaying(channel)) << "ended after half a second of play";

  // A channel let go of plays on to its end; a looping one for ever.
  auto looping = CueSound(LoadSound(kTone, SOUND_LOOP));
  ResumeChannel(looping);
  ResumeChannel(CueSound(tone));
  EXPECT_EQ(VoiceCount(AudioMixer()), 2);
  for (int i = 0; i < 40; ++i) h.Frame();
  EXPECT_EQ(VoiceCount(AudioMixer()), 1);
  EXPECT_TRUE(ChannelPlaying(looping));

  // Reusing a channel stops what it played.
  EXPECT_EQ(CueSound(tone, looping), looping);
  EXPECT_FALSE(ChannelPlaying(looping));
  StopChannel(looping);
  EXPECT_EQ(VoiceCount(AudioMixer()), 0);
  EXPECT_EQ(CueSound(nullptr), nullptr);
}

}  // namespace
}  // namespace sorvanta
