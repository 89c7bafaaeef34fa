// Memory while the sound registry plays every music entry of the game's
// registry in turn, a few seconds each with the crossfade running, mixed as
// a sound device would mix them. Prints the resident and peak memory after
// each track and the peak after all of them. Not a timing benchmark.
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/globals.h"
#include "platform/audio.h"
#include "platform/audio_internal.h"
#include "sound/global_snd.h"
#include "sound/volume_settings.h"

namespace {

using namespace sorvanta;

// Resident memory now, in MB.
double ResidentMb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

double PeakMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  delta = 1.0f;
  bindVolumeSettings(nullptr, [] { return 1.0f; });
  SetAudioClockDriven(true);  // no device: this program mixes, as the device's thread would
  auto registry = std::make_shared<TGlobalSnd>();
  registry->_setupMusic();
  if (!registry->musics || registry->musics->empty()) {
    std::fprintf(stderr, "no music entries under %s\n", bDir.c_str());
    return 1;
  }
  std::printf("before any music: resident %.1f MB, peak %.1f MB\n", ResidentMb(), PeakMb());
  constexpr int kFramesPerTick = 44100 / 60;
  std::vector<float> out(kFramesPerTick * 2);
  for (const auto& music : *registry->musics) {
    registry->playMusicByNumber(music->numer);
    for (int tick = 0; tick < seconds * 60; ++tick) {
      registry->update();
      AudioMixer().Mix(out.data(), kFramesPerTick);
    }
    std::printf("track %2d %-16s resident %7.1f MB, peak %7.1f MB\n", music->numer, music->id.c_str(),
                ResidentMb(), PeakMb());
  }
  std::printf("peak memory after playing every track: %.1f MB\n", PeakMb());
  registry.reset();
  SetAudioClockDriven(false);
  return 0;
}
