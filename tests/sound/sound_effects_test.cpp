#include <gtest/gtest.h>

#include "sound/sound_fixture.h"

namespace sorvanta::testing {
namespace {

TEST_F(SoundRegistryTest, OverlappingPlaysShareTheEffectsPoolOfSix) {
  setUpStandardRegistry();
  auto longFx = snd->getSoundData("long");
  ASSERT_TRUE(longFx);
  ASSERT_TRUE(longFx->snd);
  EXPECT_EQ(longFx, snd->getSoundData("LONG"));
  EXPECT_EQ(longFx, snd->getSoundData("Long"));
  // With two entries of one name the first in the file wins.
  EXPECT_EQ(snd->getSoundData("Good")->url, bDir + "sfx/good1.wav");

  for (int i = 0; i < 6; ++i) snd->playMySound("long");
  EXPECT_EQ(usedSlots(longFx), 6);
  for (const auto& slot : longFx->chn) EXPECT_TRUE(ChannelPlaying(slot));
  const int voices = AudioMixer().VoiceCount();
  auto before = longFx->chn;
  snd->playMySound("LONG");  // a seventh copy while all six sound is dropped
  EXPECT_EQ(AudioMixer().VoiceCount(), voices);
  EXPECT_EQ(longFx->chn, before);

  // Once the copies have ended, the first slot is reused at once, even
  // before the per-frame step has emptied the others.
  mixFor(1100);
  for (const auto& slot : longFx->chn) EXPECT_FALSE(ChannelPlaying(slot));
  setSoundVolume(0.3f);
  snd->playMySound(longFx);
  EXPECT_NE(longFx->chn[0], before[0]);
  EXPECT_TRUE(ChannelPlaying(longFx->chn[0]));
  EXPECT_FLOAT_EQ(volumeOf(longFx->chn[0]), 0.3f);
  EXPECT_EQ(longFx->chn[1], before[1]);
  snd->update();
  EXPECT_EQ(usedSlots(longFx), 1);

  // A copy keeps the volume it started with; the next takes the new one.
  setSoundVolume(0.8f);
  snd->playMySound("long");
  EXPECT_FLOAT_EQ(volumeOf(longFx->chn[0]), 0.3f);
  EXPECT_FLOAT_EQ(volumeOf(longFx->chn[1]), 0.8f);

  // Empty and unknown names play nothing.
  const int count = AudioMixer().VoiceCount();
  snd->playMySound("");
  snd->playMySound("no-such-effect");
  snd->playMySound(std::shared_ptr<TSoundData>());
  EXPECT_EQ(AudioMixer().VoiceCount(), count);
}

TEST_F(SoundRegistryTest, ClickIsThrottledToOnePer100Ms) {
  setUpStandardRegistry();
  auto clickFx = snd->getSoundData("click");
  now = 1000;
  snd->click();
  EXPECT_EQ(usedSlots(clickFx), 1);
  now = 1099;
  snd->click();
  EXPECT_EQ(usedSlots(clickFx), 1);
  EXPECT_EQ(snd->lastClick, 1000);
  now = 1100;
  snd->click();
  EXPECT_EQ(usedSlots(clickFx), 2);
  EXPECT_EQ(snd->lastClick, 1100);
  // A stream of clicks 60 ms apart: one sound every 120 ms.
  for (now = 1160; now <= 1400; now += 60) snd->click();
  EXPECT_EQ(usedSlots(clickFx), 4);
  EXPECT_EQ(snd->lastClick, 1340);
}

TEST_F(SoundRegistryTest, EffectsVolumeOfZeroSilencesEffects) {
  setUpStandardRegistry();
  auto clickFx = snd->getSoundData("click");
  auto longFx = snd->getSoundData("long");
  setSoundVolume(0.0f);
  now = 5000;
  snd->click();
  EXPECT_EQ(snd->lastClick, 5000);  // the throttle still moves on
  snd->playMySound("long");
  snd->playMySound(longFx);
  EXPECT_EQ(usedSlots(clickFx), 0);
  EXPECT_EQ(usedSlots(longFx), 0);
  EXPECT_EQ(AudioMixer().VoiceCount(), 0);

  // A barely audible volume still plays.
  setSoundVolume(0.01f);
  snd->playMySound("long");
  EXPECT_EQ(usedSlots(longFx), 1);
}

TEST_F(SoundRegistryTest, RequestsBeforeSetupDoNothing) {
  snd = std::make_shared<TGlobalSnd>();
  snd->playMySound("click");
  snd->click();
  snd->playMyMusic("title");
  snd->playMusicByNumber(1);
  snd->_setupExctMusic(1);
  snd->update();
  EXPECT_EQ(snd->GetMusicNumberForBackground(3), 0);
  EXPECT_FALSE(snd->getSoundData("click"));
  EXPECT_FALSE(snd->getMusicData("title"));
  EXPECT_EQ(snd->getActMusicN(), 0);
  EXPECT_EQ(AudioMixer().VoiceCount(), 0);
}

TEST_F(SoundRegistryTest, VolumesFollowABoundSource) {
  float live = 0.25f;
  bindVolumeSettings([&] { return live; }, [&] { return live * 2; });
  setSoundVolume(0.9f);  // ignored while bound
  EXPECT_FLOAT_EQ(soundVolume(), 0.25f);
  EXPECT_FLOAT_EQ(musicVolume(), 0.5f);
  live = 0.0f;
  EXPECT_FLOAT_EQ(soundVolume(), 0.0f);
  bindVolumeSettings({}, {});
  EXPECT_FLOAT_EQ(soundVolume(), 0.9f);
}

TEST_F(SoundRegistryTest, MissingFilesAreReportedOnceThenSilent) {
  writeWav(dir_ / "music/title.wav", 50);
  test::WriteFile(dir_ / "sfx/garbage.wav", "not a sound at all");
  writeRegistry({{"ghost", "music/ghost.ogg", 1}, {"title", "music/title.wav", 1}},
                {{"boom", "sfx/boom.wav"}, {"garbage", "sfx/garbage.wav"}});
  snd = std::make_shared<TGlobalSnd>();

  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  snd->setup();
  for (int i = 0; i < 3; ++i) {
    snd->playMyMusic("ghost");
    snd->playMusicByNumber(1);
    snd->playMySound("boom");
    snd->playMySound("garbage");
    snd->update();
  }
  const std::string out = ::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr();
  auto occurrences = [&](const std::string& text) {
    int n = 0;
    for (auto at = out.find(text); at != std::string::npos; at = out.find(text, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(occurrences("NO FILE: " + bDir + "music/ghost.ogg"), 1);
  EXPECT_EQ(occurrences("NO FILE: " + bDir + "sfx/boom.wav"), 1);
  EXPECT_EQ(occurrences(bDir + "sfx/garbage.wav"), 1);
  EXPECT_EQ(occurrences("title.wav"), 0);

  // The entries stay with their numbers; nothing sounds for them.
  EXPECT_EQ(snd->getMusicData("ghost")->numer, 1);
  EXPECT_FALSE(snd->getMusicData("ghost")->snd);
  EXPECT_FALSE(snd->newMusicCHN);
  EXPECT_EQ(snd->getActMusicN(), 0);
  EXPECT_EQ(AudioMixer().VoiceCount(), 0);

  // Other names still play, and a file that turns up later is decoded.
  snd->playMyMusic("title");
  EXPECT_EQ(snd->getActMusicN(), 2);
  writeWav(dir_ / "music/ghost.ogg", 50);  // WAV data; decoding goes by content
  snd->getMusicData("ghost")->loadMe();
  EXPECT_TRUE(snd->getMusicData("ghost")->snd);
}

TEST_F(SoundRegistryTest, PreloadOfTheLastTrackDecodesOrReports) {
  setUpStandardRegistry();
  snd->_setupExctMusic(2);
  EXPECT_TRUE(snd->getMusicData("intro")->snd);
  EXPECT_FALSE(snd->getMusicData("title")->snd);  // others wait for their first play
  snd->getMusicData("title")->url = bDir + "music";  // a folder
  ::testing::internal::CaptureStderr();
  snd->_setupExctMusic(1);
  snd->_setupExctMusic(0);
  snd->_setupExctMusic(99);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("NIE UDALO SIE ZALADOWAC: " + bDir + "music FILETYPE : 2"), std::string::npos) << err;
}

}  // namespace
}  // namespace sorvanta::testing
