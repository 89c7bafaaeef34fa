// Frames of pictures with their textures, shared and made ahead of drawing.
#include "platform/image_frames.h"

#include <algorithm>
#include <cstdio>
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

TImageFrames::TImageFrames(std::vector<std::shared_ptr<TPixmap>> frames, bool filtered, std::string path)
    : path_(std::move(path)),
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
  auto picture = LoadPixmap(path_);
  if (!picture || pixels_.size() != 1 || picture->width() != width_ || picture->height() != height_) {
    // Gone or changed since it was loaded: a picture of another size would
    // not fit the places laid out for it. Asked once, said once.
    std::fprintf(stderr, "Picture %s cannot be read again: it is drawn as nothing\n", path_.c_str());
    std::fflush(stderr);
    path_.clear();
    return false;
  }
  if (!pixels_[0]) pixels_[0] = picture;
  return true;
}

std::shared_ptr<TImageFrames> FileFrames(const std::string& path, bool filtered) {
  auto decode = [&]() -> std::shared_ptr<TImageFrames> {
    auto picture = LoadPixmap(path);
    if (!picture) return nullptr;
    return std::make_shared<TImageFrames>(std::vector{std::move(picture)}, filtered, path);
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
  const std::string key = path + (filtered ? "\nf" : "\nn");
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
