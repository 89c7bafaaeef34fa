// Feeds arbitrary bytes to the sound decoder that every sound and music load
// goes through (WAV by SDL, Ogg Vorbis by vorbisfile, chosen by signature),
// and reads every decoded sample once.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/audio.h"
#include "platform/mixer.h"

using namespace sorvanta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  auto sound = DecodeSound(bytes, size % 2 ? SOUND_LOOP : 0);
  if (!sound) return 0;
  const SampleData& d = *sound->data;
  if (d.channels < 1 || d.channels > 2 || d.rate < 1 || d.frames() == 0 ||
      d.pcm.size() != d.frames() * static_cast<std::size_t>(d.channels))
    __builtin_trap();
  std::uint32_t sum = 0;
  for (std::int16_t s : d.pcm) sum += static_cast<std::uint16_t>(s);
  __asm__ volatile("" : : "g"(sum) : "memory");  // keeps the reads
  return 0;
}
