#include <gtest/gtest.h>

#include <climits>

#include "platform/audio_internal.h"
#include "platform/read_back.h"
#include "sound/sound_fixture.h"
#include "support/stdout_lines.h"

namespace sorvanta::testing {
namespace {

TEST_F(SoundRegistryTest, OverlappingPlaysShareTheEffectsPoolOfSix) {
  setUpStandardRegistry();
  auto longFx = snd->getSoundData("LONG");
  ASSERT_TRUE(longFx && longFx->snd);
  // With two entries of one name the first in the file wins.
  EXPECT_EQ(snd->getSoundData("Good")->url, bDir + "sfx/good1.wav");

  for (int i = 0; i < 6; ++i) snd->playMySound("long");
  for (const auto& slot : longFx->chn) EXPECT_TRUE(ChannelPlaying(slot));
  const int voices = VoiceCount(AudioMixer());
  auto before = longFx->chn;
  snd->playMySound("LONG");  // a seventh copy while all six sound is dropped
  EXPECT_EQ(VoiceCount(AudioMixer()), voices);
  EXPECT_EQ(longFx->chn, before);

  // Once the copies have ended, the first slot is reused at once, even
  // before the per-frame step has emptied the others.
  mixFor(1100);
  soundVol = 0.3f;
  snd->playMySound(longFx);
  EXPECT_NE(longFx->chn[0], before[0]);
  EXPECT_TRUE(ChannelPlaying(longFx->chn[0]));
  EXPECT_FLOAT_EQ(volumeOf(longFx->chn[0]), 0.3f);
  snd->update();
  EXPECT_EQ(usedSlots(longFx), 1);

  snd->playMySound("");
  snd->playMySound("no-such-effect");
  snd->playMySound(std::shared_ptr<TSoundData>());
  EXPECT_EQ(VoiceCount(AudioMixer()), 1);
}

TEST_F(SoundRegistryTest, ClickThrottleAndSilentEffects) {
  setUpStandardRegistry();
  auto clickFx = snd->getSoundData("click");
  now = 1000;
  snd->click();
  now = 1099;
  snd->click();
  EXPECT_EQ(usedSlots(clickFx), 1);
  now = 1100;
  snd->click();
  EXPECT_EQ(usedSlots(clickFx), 2);

  // An effects volume of exactly 0 plays nothing; the throttle moves on.
  soundVol = 0.0f;
  now = 5000;
  snd->click();
  EXPECT_EQ(snd->lastClick, 5000);
  snd->playMySound("long");
  EXPECT_EQ(usedSlots(snd->getSoundData("long")), 0);
  EXPECT_EQ(usedSlots(clickFx), 2);
  soundVol = 0.01f;  // barely audible still plays
  snd->playMySound("long");
  EXPECT_EQ(usedSlots(snd->getSoundData("long")), 1);

  // Across the clock's wrap time goes on: 1 ms later is too soon, 100 ms is not.
  now = INT_MIN;
  snd->lastClick = INT_MAX;
  snd->click();
  EXPECT_EQ(snd->lastClick, INT_MAX);
  now = INT_MIN + 99;
  snd->click();
  EXPECT_EQ(snd->lastClick, INT_MIN + 99);
}

TEST_F(SoundRegistryTest, RequestsBeforeSetupAndBoundVolumes) {
  snd = std::make_shared<TGlobalSnd>();
  snd->playMySound("click");
  snd->click();
  snd->playMyMusic("title");
  snd->playMusicByNumber(1);
  snd->_setupExctMusic(1);
  snd->update();
  EXPECT_EQ(snd->GetMusicNumberForBackground(3), 0);
  EXPECT_EQ(snd->getActMusicN(), 0);
  EXPECT_EQ(VoiceCount(AudioMixer()), 0);

  float live = 0.25f;
  bindVolumeSettings([&] { return live; }, [&] { return live * 2; });
  EXPECT_FLOAT_EQ(soundVolume(), 0.25f);
  EXPECT_FLOAT_EQ(musicVolume(), 0.5f);
  // Unbound: the first-run values.
  bindVolumeSettings({}, {});
  live = 0.125f;
  EXPECT_FLOAT_EQ(soundVolume(), 0.5f);
  EXPECT_FLOAT_EQ(musicVolume(), 0.5f);
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
  snd->getMusicData("title")->url = bDir + "music";  // a folder
  snd->_setupExctMusic(2);
  const std::string out = ::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr();
  auto occurrences = [&](const std::string& text) {
    int n = 0;
    for (auto at = out.find(text); at != std::string::npos; at = out.find(text, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(occurrences("NO FILE: " + bDir + "music/ghost.ogg"), 1) << out;
  EXPECT_EQ(occurrences("NO FILE: " + bDir + "sfx/boom.wav"), 1);
  EXPECT_EQ(occurrences(bDir + "sfx/garbage.wav"), 1);
  EXPECT_EQ(occurrences("NIE UDALO SIE ZALADOWAC: " + bDir + "music FILETYPE : 2"), 1);
  EXPECT_FALSE(snd->getMusicData("ghost")->snd);
  EXPECT_EQ(VoiceCount(AudioMixer()), 0);

  // A file that turns up later is decoded.
  writeWav(dir_ / "music/ghost.ogg", 50);  // WAV data; decoding goes by content
  snd->getMusicData("ghost")->loadMe();
  EXPECT_TRUE(snd->getMusicData("ghost")->snd);
}

// A damaged count reads no further than the numbered entries present, with
// one line; a count within them is read as it stands.
TEST_F(SoundRegistryTest, DamagedCountsStopAtTheEntriesPresent) {
  writeWav(dir_ / "sfx/click.wav", 20);
  struct Row {
    const char* musics;
    const char* sounds;
    std::size_t musicCount, soundCount;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {"2", "1", 2, 1, {}},
      {"-4", "0", 0, 0, {}},
      {"7", "1", 2, 1, {"Napotkano problem : Liczba poza zakresem : globalSnd::musics = 7 (czytam 2)"}},
      {"100000000", "2147483647", 2, 1,
       {"Napotkano problem : Liczba poza zakresem : globalSnd::musics = 100000000 (czytam 2)",
        "Napotkano problem : Liczba poza zakresem : globalSnd::sounds = 2147483647 (czytam 1)"}},
  };
  for (const Row& row : rows) {
    writeRegistry({{"a", "sfx/click.wav", 0}, {"b", "sfx/click.wav", 0}}, {{"click", "sfx/click.wav"}});
    std::string text = test::ReadFile(dir_ / "data/globalSnd.dat");
    text.replace(text.find("musics = 2"), 10, std::string("musics = ") + row.musics);
    text.replace(text.find("sounds = 1"), 10, std::string("sounds = ") + row.sounds);
    test::WriteFile(dir_ / "data/globalSnd.dat", text);
    snd = std::make_shared<TGlobalSnd>();
    EXPECT_EQ(test::StdoutLines([&] { snd->setup(); }), row.lines) << row.musics;
    EXPECT_EQ(snd->musics->size(), row.musicCount) << row.musics;
    EXPECT_EQ(snd->sounds->size(), row.soundCount) << row.sounds;
  }
}

}  // namespace
}  // namespace sorvanta::testing
