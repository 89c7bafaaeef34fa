// Ogg Vorbis music played from its file, decoded as it plays (see LoadMusic).
#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_internal.h"

namespace sorvanta {

namespace {

class OggFileStream : public SampleStream {
 public:
  ~OggFileStream() override {
    if (open_) ov_clear(&file_);
  }

  bool Open(const std::string& path) {
    if (ov_fopen(path.c_str(), &file_) != 0) return false;
    open_ = true;
    vorbis_info* info = ov_info(&file_, -1);
    if (!info || info->channels < 1 || info->rate < 1 || !ov_seekable(&file_)) return false;
    sourceChannels_ = info->channels;
    channels = std::min(sourceChannels_, 2);
    rate = static_cast<int>(info->rate);
    // With more than two channels keep the front left and right ones.
    right_ = sourceChannels_ == 3 || sourceChannels_ == 5 || sourceChannels_ == 6 ? 2 : 1;
    length = ov_pcm_total(&file_, -1);
    return length > 0;
  }

  long Read(std::int16_t* out, long frames) override {
    constexpr int kHolesAllowed = 64;
    const int bigEndian = SDL_BYTEORDER == SDL_BIG_ENDIAN ? 1 : 0;
    long done = 0;
    int holes = 0;
    while (done < frames) {
      const long want = std::min<long>(frames - done, 4096);
      block_.resize(static_cast<std::size_t>(want) * sourceChannels_);
      int section = 0;
      const long got = ov_read(&file_, reinterpret_cast<char*>(block_.data()),
                               static_cast<int>(want * 2 * sourceChannels_), bigEndian, 2, 1, &section);
      if (got == OV_HOLE && ++holes <= kHolesAllowed) continue;  // a gap in the data: go on after it
      if (got <= 0) break;
      vorbis_info* now = ov_info(&file_, section);
      if (!now || now->channels != sourceChannels_ || now->rate != rate) break;  // a chained stream changes format
      const long n = got / (2 * sourceChannels_);
      for (long f = 0; f < n; ++f) {
        const std::int16_t* in = block_.data() + f * sourceChannels_;
        out[(done + f) * channels] = in[0];
        if (channels == 2) out[(done + f) * 2 + 1] = in[right_];
      }
      done += n;
    }
    return done;
  }

  bool Seek(long long frame) override { return ov_pcm_seek(&file_, frame) == 0; }

 private:
  OggVorbis_File file_{};
  bool open_ = false;
  int sourceChannels_ = 1;
  int right_ = 1;
  std::vector<std::int16_t> block_;
};

}  // namespace

std::unique_ptr<SampleStream> OpenOggStream(const std::string& path) {
  auto stream = std::make_unique<OggFileStream>();
  if (!stream->Open(path)) return nullptr;
  return stream;
}

std::shared_ptr<TSound> LoadMusic(const std::string& path, int flags) {
  if (!OpenOggStream(path)) return LoadSound(path, flags);
  auto sound = std::make_shared<TSound>();
  sound->streamPath = path;
  sound->loop = (flags & SOUND_LOOP) != 0;
  return sound;
}

}  // namespace sorvanta
