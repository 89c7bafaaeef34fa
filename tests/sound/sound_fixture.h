#pragma once
// A sound registry over a registry file and WAV files made in a temporary
// folder, with the mixer advanced by hand (no device) and a test clock.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/globals.h"
#include "formats/rcm_file.h"
#include "platform/audio.h"
#include "platform/audio_internal.h"
#include "platform/clock.h"
#include "sound/global_snd.h"
#include "sound/volume_settings.h"
#include "support/temp_folder.h"

namespace sorvanta::testing {

struct RegistryEntry {
  std::string id;
  std::string url;
  int loop = 0;
};

// Writes a mono 16-bit WAV of the given length at 22050 Hz (a square wave).
inline void writeWav(const std::string& path, int ms) {
  const std::uint32_t rate = 22050;
  const std::uint32_t frames = rate * static_cast<std::uint32_t>(ms) / 1000;
  std::string pcm;
  for (std::uint32_t i = 0; i < frames; ++i) {
    const std::int16_t sample = (i / 25) % 2 ? 8000 : -8000;
    pcm.append(reinterpret_cast<const char*>(&sample), 2);
  }
  auto u32 = [](std::uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [](std::uint16_t v) { return std::string(reinterpret_cast<const char*>(&v), 2); };
  std::string wav = "RIFF" + u32(36 + static_cast<std::uint32_t>(pcm.size())) + "WAVE";
  wav += "fmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate * 2) + u16(2) + u16(16);
  wav += "data" + u32(static_cast<std::uint32_t>(pcm.size())) + pcm;
  test::WriteFile(path, wav);
}

class SoundRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_ / "data");
    savedBDir_ = bDir;
    savedDelta_ = delta;
    bDir = dir_.path() + "/";
    delta = 1.0f;
    setSoundVolume(0.5f);
    setMusicVolume(0.5f);
    SetAudioClockDriven(true);
    SetTestClock([this] { return now; });
  }

  void TearDown() override {
    snd.reset();
    SetAudioClockDriven(false);
    ResetClock();
    setSoundVolume(0.5f);
    setMusicVolume(0.5f);
    bDir = savedBDir_;
    delta = savedDelta_;
  }

  void writeRegistry(const std::vector<RegistryEntry>& musics, const std::vector<RegistryEntry>& sounds) {
    auto file = createRCMFile();
    file->setFloat("globalSnd::musics", static_cast<float>(musics.size()));
    for (std::size_t i = 0; i < musics.size(); ++i) {
      const std::string key = "globalSnd::music" + std::to_string(i + 1);
      file->setString(key + "::id", musics[i].id);
      file->setFloat(key + "::loop", static_cast<float>(musics[i].loop));
      file->setString(key + "::url", musics[i].url);
    }
    file->setFloat("globalSnd::sounds", static_cast<float>(sounds.size()));
    for (std::size_t i = 0; i < sounds.size(); ++i) {
      const std::string key = "globalSnd::snd" + std::to_string(i + 1);
      file->setString(key + "::id", sounds[i].id);
      file->setString(key + "::url", sounds[i].url);
    }
    file->save(dir_ / "data/globalSnd.dat");
  }

  // The registry most tests use: looping tracks, one that plays once, and
  // effects of different lengths.
  void setUpStandardRegistry() {
    for (const char* name : {"title", "intro", "bg3a", "bg3b"}) {
      writeWav(dir_ / ("music/" + std::string(name) + ".wav"), 200);
    }
    writeWav(dir_ / "music/outro.wav", 20);
    writeWav(dir_ / "sfx/click.wav", 30);
    writeWav(dir_ / "sfx/long.wav", 1000);
    writeWav(dir_ / "sfx/good1.wav", 20);
    writeWav(dir_ / "sfx/good2.wav", 40);
    writeRegistry({{"title", "music/title.wav", 1},
                   {"intro", "music/intro.wav", 1},
                   {"outro", "music/outro.wav", 0},
                   {"background-3_0", "music/bg3a.wav", 1},
                   {"background-3_1", "music/bg3b.wav", 1}},
                  {{"click", "sfx/click.wav"},
                   {"Long", "sfx/long.wav"},
                   {"good", "sfx/good1.wav"},
                   {"GOOD", "sfx/good2.wav"}});
    snd = std::make_shared<TGlobalSnd>();
    snd->setup();
  }

  // Moves every sounding channel on by ms milliseconds.
  static void mixFor(int ms) { AudioMixer().Mix(nullptr, AudioMixer().outputRate() * ms / 1000); }

  static float volumeOf(const std::shared_ptr<TChannel>& channel) { return channel->voice->volume; }

  static int usedSlots(const std::shared_ptr<TSoundData>& sound) {
    int used = 0;
    for (const auto& slot : sound->chn) used += slot ? 1 : 0;
    return used;
  }

  test::TempFolder dir_;
  std::shared_ptr<TGlobalSnd> snd;
  int now = 0;

 private:
  std::string savedBDir_;
  float savedDelta_ = 0.0f;
};

}  // namespace sorvanta::testing
