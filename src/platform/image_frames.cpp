// Frames of pictures with their textures, shared and made ahead of drawing.
#include "platform/image_frames.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>
#include <unordered_set>

#include "platform/video_internal.h"

namespace sorvanta {

namespace {

// Never destroyed: images may outlive every other static.
std::unordered_set<TImageFrames*>& Live() {
  static auto* live = new std::unordered_set<TImageFrames*>;
  return *live;
}

}  // namespace

const std::unordered_set<TImageFrames*>& LiveImageFrames() { return Live(); }

namespace {

long FrameBytes(int width, int height) { return static_cast<long>(width) * height * 4; }

}  // namespace

std::vector<std::shared_ptr<TPixmap>> CutFrames(const std::shared_ptr<TPixmap>& picture, const FrameCut& cut) {
  if (!picture) return {};
  if (cut.count == 0) return {picture};
  if (cut.cellWidth < 1 || cut.cellHeight < 1 || cut.first < 0 || cut.count < 1) return {};
  const int across = picture->width() / cut.cellWidth;
  const int down = picture->height() / cut.cellHeight;
  if (across < 1 || static_cast<long long>(cut.first) + cut.count > static_cast<long long>(across) * down) return {};
  std::vector<std::shared_ptr<TPixmap>> frames;
  for (int cell = cut.first; cell < cut.first + cut.count; ++cell) {
    auto frame = std::make_shared<TPixmap>(cut.cellWidth, cut.cellHeight, TPixmap::Unfilled{});
    const int left = (cell % across) * cut.cellWidth;
    const int top = (cell / across) * cut.cellHeight;
    for (int y = 0; y < cut.cellHeight; ++y)
      std::memcpy(frame->row(y), picture->row(top + y) + left * 4, static_cast<std::size_t>(cut.cellWidth) * 4);
    frames.push_back(frame);
  }
  return frames;
}

TImageFrames::TImageFrames(std::vector<std::shared_ptr<TPixmap>> frames, bool filtered, std::string path,
                           FrameCut cut)
    : path_(std::move(path)),
      cut_(cut),
      filtered_(filtered),
      keepPixels_(path_.empty()),
      pixels_(std::move(frames)),
      textures_(pixels_.size(), nullptr) {
  if (!pixels_.empty()) {
    width_ = pixels_[0]->width();
    height_ = pixels_[0]->height();
  }
  Live().insert(this);
  makeTextures();
}

TImageFrames::~TImageFrames() {
  Live().erase(this);
  for (VideoTexture* texture : textures_) FreeTexture(texture, generation_);
}

VideoTexture* TImageFrames::texture(int frame) {
  if (frame < 0 || frame >= count() || !Backend()) return nullptr;
  // The first draw under a new back end makes every picture's textures, so
  // that the frames after it make none.
  if (generation_ != Video().generation) MakeMissingTextures();
  if (!textures_[frame]) makeTextures();
  return textures_[frame];
}

std::shared_ptr<TPixmap> TImageFrames::pixels(int frame) {
  if (frame < 0 || frame >= count()) return nullptr;
  keepPixels_ = true;
  if (!pixels_[frame]) decodeAgain();
  return pixels_[frame];
}

void TImageFrames::makeTextures() {
  const VideoState& v = Video();
  if (!Backend()) return;
  if (generation_ != v.generation) {
    // Those of an earlier back end went with it.
    std::fill(textures_.begin(), textures_.end(), nullptr);
    generation_ = v.generation;
  }
  bool complete = true;
  for (std::size_t i = 0; i < textures_.size(); ++i) {
    if (textures_[i]) continue;
    if (!pixels_[i] && !decodeAgain()) return;
    textures_[i] = MakeTexture(*pixels_[i], filtered_);
    complete = complete && textures_[i];
  }
  if (complete && !keepPixels_) std::fill(pixels_.begin(), pixels_.end(), nullptr);
}

bool TImageFrames::decodeAgain() {
  if (path_.empty()) return false;
  auto frames = CutFrames(LoadPixmap(path_), cut_);
  if (frames.size() != pixels_.size() || frames[0]->width() != width_ || frames[0]->height() != height_) {
    // Gone or changed since it was loaded: a picture of another size would
    // not fit the places laid out for it. Asked once, said once.
    std::fprintf(stderr, "Picture %s cannot be read again: it is drawn as nothing\n", path_.c_str());
    std::fflush(stderr);
    path_.clear();
    return false;
  }
  for (std::size_t i = 0; i < frames.size(); ++i)
    if (!pixels_[i]) pixels_[i] = frames[i];
  return true;
}

long TImageFrames::pixelBytes() const {
  long bytes = 0;
  for (const auto& pixels : pixels_)
    if (pixels) bytes += FrameBytes(pixels->width(), pixels->height());
  return bytes;
}

long TImageFrames::textureBytes() const {
  long bytes = 0;
  if (generation_ != Video().generation) return 0;
  for (VideoTexture* texture : textures_)
    if (texture) bytes += FrameBytes(width_, height_);
  return bytes;
}

std::shared_ptr<TImageFrames> FileFrames(const std::string& path, const FrameCut& cut, bool filtered) {
  auto decode = [&]() -> std::shared_ptr<TImageFrames> {
    auto frames = CutFrames(LoadPixmap(path), cut);
    if (frames.empty()) return nullptr;
    return std::make_shared<TImageFrames>(std::move(frames), filtered, path, cut);
  };
  std::error_code error;
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return decode();  // embedded, or missing
  const auto size = std::filesystem::file_size(path, error);
  if (error) return decode();
  struct Entry {
    std::filesystem::file_time_type written;
    std::uintmax_t size = 0;
    std::weak_ptr<TImageFrames> frames;
  };
  // Several tables may name one picture: one decode and one texture serve them all.
  static auto* shared = new std::map<std::string, Entry>;
  const std::string key = path + '\n' + std::to_string(cut.cellWidth) + ' ' + std::to_string(cut.cellHeight) + ' ' +
                          std::to_string(cut.first) + ' ' + std::to_string(cut.count) + (filtered ? " f" : " n");
  Entry& entry = (*shared)[key];
  if (auto kept = entry.frames.lock(); kept && entry.written == written && entry.size == size) return kept;
  auto frames = decode();
  entry = Entry{written, size, frames};
  return frames;
}

void MakeMissingTextures() {
  if (!Backend()) return;
  for (TImageFrames* frames : LiveImageFrames()) frames->makeTextures();
  MakeMissingFontTextures();
}

}  // namespace sorvanta
