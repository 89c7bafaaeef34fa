#pragma once
// A sound registry over a registry file and WAV files made in a temporary
// folder, with the mixer advanced by hand (no device) and a test clock.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/globals.h"
#include "platform/audio.h"
#include "platform/audio_internal.h"
#include "platform/clock.h"
#include "platform/read_back.h"
#include "sound/global_snd.h"
#include "sound/volume_settings.h"
#include "support/temp_folder.h"

namespace sorvanta::testing {

struct RegistryEntry {
  std::string id, url;
  int loop = 0;
};

// Writes a mono 16-bit WAV of the given length at 22050 Hz (a square wave).
inline void writeWav(const std::string& path, int ms) {
  const std::uint32_t rate = 22050, bytes = rate * static_cast<std::uint32_t>(ms) / 1000 * 2;
  // Little-endian, as WAV is, whatever the machine's byte order.
  auto bytes_of = [](std::uint32_t v, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += static_cast<char>(v >> (8 * i) & 0xFF);
    return out;
  };
  auto u32 = [&](std::uint32_t v) { return bytes_of(v, 4); };
  auto u16 = [&](std::uint16_t v) { return bytes_of(v, 2); };
  std::string wav = "RIFF" + u32(36 + bytes) + "WAVE";
  wav += "fmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate * 2) + u16(2) + u16(16);
  wav += "data" + u32(bytes);
  for (std::uint32_t i = 0; i < bytes / 2; ++i) wav += u16((i / 25) % 2 ? 8000 : 0x10000 - 8000);
  test::WriteFile(path, wav);
}

class SoundRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bDir = dir_.path() + "/";
    delta = 1.0f;
    // The settings' volumes, as the shell binds them.
    bindVolumeSettings([this] { return soundVol; }, [this] { return musicVol; });
    SetAudioClockDriven(true);
    SetTestClock([this] { return now; });
  }

  // Writes "data/globalSnd.dat": musics by id, url and loop; effects by id and url.
  void writeRegistry(const std::vector<RegistryEntry>& musics, const std::vector<RegistryEntry>& sounds) {
    std::string text = "globalSnd {\n\tmusics = " + std::to_string(musics.size()) +
                       "\n\tsounds = " + std::to_string(sounds.size()) + "\n";
    for (std::size_t i = 0; i < musics.size(); ++i)
      text += "\tmusic" + std::to_string(i + 1) + " {\n\t\tid = \"" + musics[i].id + "\"\n\t\tloop = " +
              std::to_string(musics[i].loop) + "\n\t\turl = \"" + musics[i].url + "\"\n\t}\n";
    for (std::size_t i = 0; i < sounds.size(); ++i)
      text += "\tsnd" + std::to_string(i + 1) + " {\n\t\tid = \"" + sounds[i].id + "\"\n\t\turl = \"" +
              sounds[i].url + "\"\n\t}\n";
    test::WriteFile(dir_ / "data/globalSnd.dat", text + "}\n");
  }

  // Looping tracks, one that plays once, and effects of different lengths.
  void setUpStandardRegistry() {
    for (const char* name : {"title", "intro", "bg3a", "bg3b"}) writeWav(dir_ / "music/" + name + ".wav", 200);
    writeWav(dir_ / "music/outro.wav", 20);
    writeWav(dir_ / "sfx/click.wav", 30);
    writeWav(dir_ / "sfx/long.wav", 1000);
    writeWav(dir_ / "sfx/good1.wav", 20);
    writeRegistry({{"title", "music/title.wav", 1}, {"intro", "music/intro.wav", 1},
                   {"outro", "music/outro.wav", 0}, {"background-3_0", "music/bg3a.wav", 1},
                   {"background-3_1", "music/bg3b.wav", 1}},
                  {{"click", "sfx/click.wav"}, {"Long", "sfx/long.wav"},
                   {"good", "sfx/good1.wav"}, {"GOOD", "sfx/click.wav"}});
    // Every test below plays these: a fixture that does not decode says so.
    EXPECT_TRUE(DecodeSound(test::ReadFile(dir_ / "sfx/click.wav"))) << "the fixture WAV does not decode";
    snd = std::make_shared<TGlobalSnd>();
    snd->setup();
  }

  // Moves every sounding channel on by ms milliseconds.
  static void mixFor(int ms) { AudioMixer().Mix(nullptr, MixerRate(AudioMixer()) * ms / 1000); }

  static float volumeOf(const std::shared_ptr<TChannel>& channel) { return channel->voice->volume; }

  static int usedSlots(const std::shared_ptr<TSoundData>& sound) {
    int used = 0;
    for (const auto& slot : sound->chn) used += slot ? 1 : 0;
    return used;
  }

  test::TempFolder dir_;
  std::shared_ptr<TGlobalSnd> snd;
  int now = 0;
  float soundVol = 0.5f, musicVol = 0.5f;
};

}  // namespace sorvanta::testing
