#include <gtest/gtest.h>

#include <algorithm>

#include "platform/audio_internal.h"
#include "platform/random.h"
#include "platform/read_back.h"
#include "sound/sound_fixture.h"

namespace sorvanta::testing {
namespace {

// The fade level after k frames at delta 1, stepped in single precision.
// Volatile: each step rounded to a float, as the game's stored level is,
// even where the x87 unit would keep the sum wider between steps.
float levelAfter(int frames) {
  volatile float level = 0.0f;
  for (int i = 0; i < frames; ++i) level = std::min(1.0f, level + 0.03f);
  return level;
}

TEST_F(SoundRegistryTest, CrossfadeLevelsFrameByFrame) {
  setUpStandardRegistry();
  // From silence: the track fades in, with no outgoing channel.
  snd->playMyMusic("title");
  auto title = snd->newMusicCHN;
  ASSERT_TRUE(title);
  EXPECT_FLOAT_EQ(volumeOf(title), 0.0f);
  EXPECT_FALSE(snd->oldMusicCHN);
  for (int frame = 1; frame <= 34; ++frame) {
    snd->update();
    EXPECT_FLOAT_EQ(volumeOf(title), 0.5f * levelAfter(frame) * 0.5f) << frame;
  }
  EXPECT_LT(levelAfter(33), 1.0f);

  // A switch: the running track fades out from full while the new one fades
  // in; after 34 frames the old channel is stopped.
  snd->playMyMusic("intro");
  auto intro = snd->newMusicCHN;
  EXPECT_EQ(snd->oldMusicCHN, title);
  EXPECT_FLOAT_EQ(volumeOf(title), 0.25f);
  for (int frame = 1; frame <= 33; ++frame) {
    snd->update();
    EXPECT_FLOAT_EQ(volumeOf(intro), 0.5f * levelAfter(frame) * 0.5f) << frame;
    EXPECT_NEAR(volumeOf(title), 0.5f * (1.0f - levelAfter(frame)) * 0.5f, 1e-6) << frame;
    EXPECT_TRUE(ChannelPlaying(title)) << frame;
  }
  snd->update();
  EXPECT_FALSE(snd->oldMusicCHN);
  EXPECT_FALSE(ChannelPlaying(title));

  // The same track again restarts it as a new copy; at delta 2.0 the fade
  // takes 17 frames.
  delta = 2.0f;
  snd->playMyMusic("INTRO");
  EXPECT_EQ(snd->oldMusicCHN, intro);
  for (int frame = 1; frame <= 16; ++frame) snd->update();
  EXPECT_TRUE(snd->oldMusicCHN);
  snd->update();
  EXPECT_FALSE(snd->oldMusicCHN);

  // The settings' music volume is read at every frame.
  musicVol = 0.8f;
  snd->update();
  EXPECT_FLOAT_EQ(volumeOf(snd->newMusicCHN), 0.4f);
}

TEST_F(SoundRegistryTest, MusicVolumeZeroStopsAndLeavingItRestarts) {
  setUpStandardRegistry();
  snd->setMusicVol(0.5f);  // nothing played yet: nothing to restart
  EXPECT_FALSE(snd->newMusicCHN);
  snd->playMyMusic("title");
  for (int i = 0; i < 40; ++i) snd->update();
  auto first = snd->newMusicCHN;
  ASSERT_TRUE(first);
  snd->setMusicVol(0.2f);
  EXPECT_FLOAT_EQ(volumeOf(first), 0.2f * 0.5f);
  snd->setMusicVol(0.0f);
  EXPECT_FALSE(ChannelPlaying(first));
  EXPECT_FALSE(snd->newMusicCHN);
  EXPECT_EQ(snd->getActMusicN(), 1);
  snd->setMusicVol(0.3f);  // from the beginning, fading in
  ASSERT_TRUE(snd->newMusicCHN && snd->newMusicCHN != first);
  EXPECT_TRUE(ChannelPlaying(snd->newMusicCHN));
  EXPECT_FLOAT_EQ(snd->newPer, 0.0f);
}

TEST_F(SoundRegistryTest, PlayByNumberByNameAndNumberZero) {
  setUpStandardRegistry();
  snd->playMusicByNumber(2);
  ASSERT_TRUE(snd->newMusicData);
  EXPECT_EQ(snd->newMusicData->id, "intro");
  EXPECT_EQ(snd->getActMusicN(), 2);
  auto channel = snd->newMusicCHN;
  EXPECT_TRUE(ChannelPlaying(channel));

  snd->playMusicByNumber(0);
  snd->playMusicByNumber(99);
  snd->playMyMusic("no-such-track");
  snd->playMyMusic(std::shared_ptr<TMusicData>());
  EXPECT_EQ(snd->newMusicCHN, channel);
  EXPECT_EQ(snd->getActMusicN(), 2);

  snd->playMyMusic("Title");
  EXPECT_EQ(snd->getActMusicN(), 1);
  EXPECT_EQ(snd->oldMusicCHN, channel);
}

TEST_F(SoundRegistryTest, BackgroundTracksAreDrawnWithoutRepeats) {
  setUpStandardRegistry();
  ResetRandomForTests();
  int previous = snd->GetMusicNumberForBackground(3);
  for (int i = 0; i < 20; ++i) {
    const int number = snd->GetMusicNumberForBackground(3);
    EXPECT_TRUE(number == 4 || number == 5) << number;
    EXPECT_NE(number, previous);
    previous = number;
  }
  for (int background : {5, 0, 11}) EXPECT_EQ(snd->GetMusicNumberForBackground(background), 0);
  snd->PlayMusicByBackground(3);
  EXPECT_TRUE(snd->getActMusicN() == 4 || snd->getActMusicN() == 5);
}

TEST_F(SoundRegistryTest, PauseStopsOnlyTheMusicChannels) {
  setUpStandardRegistry();
  snd->playMyMusic("title");
  for (int i = 0; i < 40; ++i) snd->update();
  snd->playMyMusic("intro");  // a crossfade under way: two music channels
  snd->update();
  auto incoming = snd->newMusicCHN;
  auto outgoing = snd->oldMusicCHN;
  snd->playMySound("long");
  auto sound = snd->getSoundData("long");
  ASSERT_TRUE(incoming && outgoing && sound && sound->chn[0]);
  auto effect = sound->chn[0];

  snd->pauseSounds();
  EXPECT_FALSE(ChannelPlaying(incoming));
  EXPECT_FALSE(ChannelPlaying(outgoing));
  const double incomingAt = incoming->voice->position;
  const double effectAt = effect->voice->position;
  mixFor(100);
  EXPECT_EQ(incoming->voice->position, incomingAt);
  EXPECT_GT(effect->voice->position, effectAt);

  snd->resumeSounds();
  EXPECT_TRUE(ChannelPlaying(incoming));
  EXPECT_TRUE(ChannelPlaying(outgoing));
  mixFor(10);
  EXPECT_GT(incoming->voice->position, incomingAt);
}

TEST_F(SoundRegistryTest, HiddenAndDisplacedChannelsAreStopped) {
  setUpStandardRegistry();
  // hideMusic while steady: the track stops at the next frame, its number stays.
  snd->playMyMusic("title");
  for (int i = 0; i < 40; ++i) snd->update();
  auto title = snd->newMusicCHN;
  snd->hideMusic();
  EXPECT_FALSE(snd->newMusicCHN);
  EXPECT_EQ(snd->oldMusicCHN, title);
  EXPECT_EQ(snd->getActMusicN(), 1);
  snd->update();
  EXPECT_FALSE(ChannelPlaying(title));
  EXPECT_FALSE(snd->oldMusicCHN);

  // A switch during a crossfade pushes the outgoing looping track out of
  // its slot: it is stopped, not left to loop for ever.
  snd->playMyMusic("title");
  for (int i = 0; i < 40; ++i) snd->update();
  auto first = snd->newMusicCHN;
  snd->playMyMusic("intro");
  for (int i = 0; i < 5; ++i) snd->update();
  auto second = snd->newMusicCHN;
  snd->playMyMusic("background-3_0");
  EXPECT_FALSE(ChannelPlaying(first));
  EXPECT_EQ(snd->oldMusicCHN, second);

  // hideMusic during a crossfade fades the current track from the
  // outgoing level; a second hide pushes it out and stops it.
  auto third = snd->newMusicCHN;
  snd->hideMusic();
  EXPECT_FALSE(ChannelPlaying(second));
  EXPECT_EQ(snd->oldMusicCHN, third);
  snd->hideMusic();
  EXPECT_FALSE(ChannelPlaying(third));
  EXPECT_FALSE(snd->oldMusicCHN);

  // However often the music switches, the mixer keeps at most two tracks.
  for (int i = 0; i < 10; ++i) {
    snd->playMyMusic(i % 2 ? "title" : "intro");
    snd->update();
  }
  mixFor(1);
  EXPECT_LE(VoiceCount(AudioMixer()), 2);
}

}  // namespace
}  // namespace sorvanta::testing
