// WAV (through SDL) and Ogg Vorbis (through vorbisfile) decoding into 16-bit
// samples of one or two channels at the file's own rate.
#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/audio.h"

namespace sorvanta {

namespace {

// SDL allocates what a chunk header claims before reading it, so a damaged
// size (4 GB for a few bytes) would cost that much memory: every chunk size
// is cut to the bytes that follow it. A cut chunk reads as a short one.
std::string WithChunkSizesCut(std::string bytes) {
  auto put = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
  };
  auto get = [&](std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
  };
  put(4, static_cast<std::uint32_t>(std::min<std::size_t>(get(4), bytes.size() - 8)));
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::size_t left = bytes.size() - at - 8;
    const std::uint32_t size = get(at + 4);
    if (size > left) {
      put(at + 4, static_cast<std::uint32_t>(left));
      break;
    }
    at += 8 + size + (size & 1);  // chunks are padded to even sizes
  }
  return bytes;
}

std::shared_ptr<SampleData> DecodeWav(const std::string& original) {
  const std::string bytes = WithChunkSizesCut(original);
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!rw) return nullptr;
  SDL_AudioSpec spec;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV_RW(rw, 1, &spec, &buffer, &length)) return nullptr;
  // An empty data chunk has no samples, and SDL may give no buffer for it.
  if (length == 0 || buffer == nullptr) {
    SDL_FreeWAV(buffer);
    return nullptr;
  }
  auto data = std::make_shared<SampleData>();
  data->channels = std::min<int>(spec.channels, 2);
  data->rate = spec.freq;
  SDL_AudioCVT cvt;
  int built = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                                static_cast<Uint8>(data->channels), spec.freq);
  bool ok = built >= 0 && data->channels > 0 && spec.freq > 0;
  if (ok) {
    std::vector<Uint8> work(static_cast<std::size_t>(length) * std::max(1, cvt.len_mult));
    std::memcpy(work.data(), buffer, length);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(length);
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) ok = false;
    int outLength = cvt.needed ? cvt.len_cvt : static_cast<int>(length);
    if (ok && outLength >= static_cast<int>(sizeof(std::int16_t))) {
      data->pcm.resize(static_cast<std::size_t>(outLength) / sizeof(std::int16_t));
      std::memcpy(data->pcm.data(), work.data(), data->pcm.size() * sizeof(std::int16_t));
      data->pcm.resize(data->frames() * data->channels);  // whole frames only
    }
  }
  SDL_FreeWAV(buffer);
  return ok ? data : nullptr;
}

struct OggReader {
  const std::string* bytes;
  std::size_t pos;
};

size_t OggRead(void* out, size_t size, size_t count, void* source) {
  auto* r = static_cast<OggReader*>(source);
  if (size == 0) return 0;
  size_t items = std::min(count, (r->bytes->size() - r->pos) / size);
  std::memcpy(out, r->bytes->data() + r->pos, items * size);
  r->pos += items * size;
  return items;
}

int OggSeek(void* source, ogg_int64_t offset, int whence) {
  auto* r = static_cast<OggReader*>(source);
  long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<long long>(r->pos)
                                                                : static_cast<long long>(r->bytes->size());
  long long target = base + offset;
  if (target < 0 || target > static_cast<long long>(r->bytes->size())) return -1;
  r->pos = static_cast<std::size_t>(target);
  return 0;
}

long OggTell(void* source) { return static_cast<long>(static_cast<OggReader*>(source)->pos); }

std::shared_ptr<SampleData> DecodeOgg(const std::string& bytes) {
  OggReader reader{&bytes, 0};
  OggVorbis_File file;
  ov_callbacks callbacks{OggRead, OggSeek, nullptr, OggTell};
  if (ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) != 0) return nullptr;
  vorbis_info* info = ov_info(&file, -1);
  if (!info || info->channels < 1 || info->rate < 1) {
    ov_clear(&file);
    return nullptr;
  }
  const int sourceChannels = info->channels;
  const long rate = info->rate;
  auto data = std::make_shared<SampleData>();
  data->channels = std::min(sourceChannels, 2);
  data->rate = static_cast<int>(rate);
  // With more than two channels keep the front left and right ones.
  const int right = sourceChannels == 3 || sourceChannels == 5 || sourceChannels == 6 ? 2 : 1;
  std::vector<std::int16_t> block(4096 * sourceChannels);
  const int bigEndian = SDL_BYTEORDER == SDL_BIG_ENDIAN ? 1 : 0;
  bool ok = true;
  for (;;) {
    int section = 0;
    long got = ov_read(&file, reinterpret_cast<char*>(block.data()), static_cast<int>(block.size() * 2), bigEndian,
                       2, 1, &section);
    if (got == 0) break;
    if (got == OV_HOLE) continue;  // a gap in the data: go on after it
    if (got < 0) {
      ok = !data->pcm.empty();  // a broken tail keeps what decoded before it
      break;
    }
    vorbis_info* now = ov_info(&file, section);
    if (!now || now->channels != sourceChannels || now->rate != rate) break;  // a chained stream changes format
    long frames = got / (2 * sourceChannels);
    for (long f = 0; f < frames; ++f) {
      const std::int16_t* in = block.data() + f * sourceChannels;
      data->pcm.push_back(in[0]);
      if (sourceChannels > 1) data->pcm.push_back(in[right]);
    }
  }
  ov_clear(&file);
  if (!ok || data->pcm.empty()) return nullptr;
  return data;
}

}  // namespace

std::shared_ptr<TSound> DecodeSound(const std::string& bytes, int flags) {
  std::shared_ptr<SampleData> data;
  if (bytes.size() >= 12 && bytes.compare(0, 4, "RIFF") == 0 && bytes.compare(8, 4, "WAVE") == 0)
    data = DecodeWav(bytes);
  else if (bytes.size() >= 4 && bytes.compare(0, 4, "OggS") == 0)
    data = DecodeOgg(bytes);
  if (!data || data->frames() == 0) return nullptr;
  auto sound = std::make_shared<TSound>();
  sound->data = data;
  sound->loop = (flags & SOUND_LOOP) != 0;
  return sound;
}

}  // namespace sorvanta
