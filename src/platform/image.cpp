#include "platform/image.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>

#include "platform/video_internal.h"

namespace sorvanta {

namespace {

bool IsFiltered(int flags) { return flags == -1 || (flags & (FILTEREDIMAGE | MIPMAPPEDIMAGE)) != 0; }

std::shared_ptr<TImage> CutFrames(const std::shared_ptr<TPixmap>& pixmap, int cellWidth, int cellHeight, int first,
                                  int count, int flags) {
  if (!pixmap || cellWidth < 1 || cellHeight < 1 || first < 0 || count < 1) return nullptr;
  int across = pixmap->width() / cellWidth;
  int down = pixmap->height() / cellHeight;
  if (across < 1 || static_cast<long long>(first) + count > static_cast<long long>(across) * down) return nullptr;
  std::vector<std::shared_ptr<TPixmap>> frames;
  for (int cell = first; cell < first + count; ++cell) {
    auto frame = CreatePixmap(cellWidth, cellHeight);
    int left = (cell % across) * cellWidth;
    int top = (cell / across) * cellHeight;
    for (int y = 0; y < cellHeight; ++y)
      std::memcpy(frame->row(y), pixmap->row(top + y) + left * 4, static_cast<std::size_t>(cellWidth) * 4);
    frames.push_back(frame);
  }
  return std::make_shared<TImage>(std::move(frames), flags);
}

// Several tables may name one picture: while an image of a file lives, the
// file is not decoded again (unless it changed on disk since).
std::shared_ptr<TPixmap> SharedPixmap(const std::string& path) {
  struct Entry {
    std::filesystem::file_time_type written;
    std::uintmax_t size = 0;
    std::weak_ptr<TPixmap> pixmap;
  };
  static std::map<std::string, Entry> decoded;
  std::error_code error;
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return LoadPixmap(path);  // embedded, or missing
  const auto size = std::filesystem::file_size(path, error);
  if (error) return LoadPixmap(path);
  Entry& entry = decoded[path];
  if (auto kept = entry.pixmap.lock(); kept && entry.written == written && entry.size == size) return kept;
  auto pixmap = LoadPixmap(path);
  entry = Entry{written, size, pixmap};
  return pixmap;
}

}  // namespace

TImage::TImage(std::vector<std::shared_ptr<TPixmap>> frames, int flags)
    : frames_(std::move(frames)), slots_(frames_.size()), filtered_(IsFiltered(flags)) {
  if (!frames_.empty()) {
    width_ = frames_[0]->width();
    height_ = frames_[0]->height();
  }
}

TImage::~TImage() {
  for (Slot& slot : slots_) FreeTexture(static_cast<SDL_Texture*>(slot.texture), slot.generation);
}

void* TImage::texture(int frame) const {
  if (frame < 0 || frame >= frameCount() || !Video().renderer) return nullptr;
  Slot& slot = slots_[frame];
  if (!slot.texture || slot.generation != Video().generation) {
    slot.texture = MakeTexture(*frames_[frame], filtered_);
    slot.generation = Video().generation;
  }
  return slot.texture;
}

std::shared_ptr<TImage> LoadImage(const std::string& path, int flags) {
  auto pixmap = SharedPixmap(path);
  if (!pixmap) return nullptr;
  return std::make_shared<TImage>(std::vector<std::shared_ptr<TPixmap>>{pixmap}, flags);
}

std::shared_ptr<TImage> LoadImage(const std::shared_ptr<TPixmap>& pixmap, int flags) {
  if (!pixmap) return nullptr;
  return std::make_shared<TImage>(std::vector<std::shared_ptr<TPixmap>>{CopyPixmap(pixmap)}, flags);
}

std::shared_ptr<TImage> LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first, int count,
                                      int flags) {
  return CutFrames(SharedPixmap(path), cellWidth, cellHeight, first, count, flags);
}

std::shared_ptr<TImage> LoadAnimImage(const std::shared_ptr<TPixmap>& pixmap, int cellWidth, int cellHeight,
                                      int first, int count, int flags) {
  return CutFrames(pixmap, cellWidth, cellHeight, first, count, flags);
}

int ImageWidth(const std::shared_ptr<TImage>& image) { return image ? image->width() : 0; }
int ImageHeight(const std::shared_ptr<TImage>& image) { return image ? image->height() : 0; }
int CountFrames(const std::shared_ptr<TImage>& image) { return image ? image->frameCount() : 0; }

void SetImageHandle(const std::shared_ptr<TImage>& image, float x, float y) {
  if (!image) return;
  image->handleX = x;
  image->handleY = y;
}

void MidHandleImage(const std::shared_ptr<TImage>& image) {
  if (!image) return;
  image->handleX = image->width() * 0.5f;
  image->handleY = image->height() * 0.5f;
}

void DrawImage(const std::shared_ptr<TImage>& image, float x, float y, int frame) {
  if (!image) return;
  auto* texture = static_cast<SDL_Texture*>(image->texture(frame));
  if (!texture) return;
  SDL_Rect src{0, 0, image->width(), image->height()};
  DrawTextureQuad(texture, src, x, y, static_cast<float>(image->width()), static_cast<float>(image->height()),
                  image->handleX, image->handleY);
}

void DrawSubImageRect(const std::shared_ptr<TImage>& image, float x, float y, float width, float height, float sx,
                      float sy, float sw, float sh, float hx, float hy, int frame) {
  if (!image) return;
  auto* texture = static_cast<SDL_Texture*>(image->texture(frame));
  if (!texture) return;
  // Keep the source inside the image; the destination shrinks with it.
  float x0 = std::fmax(sx, 0.0f), y0 = std::fmax(sy, 0.0f);
  float x1 = std::fmin(sx + sw, static_cast<float>(image->width()));
  float y1 = std::fmin(sy + sh, static_cast<float>(image->height()));
  if (!(x1 > x0) || !(y1 > y0) || !(sw > 0) || !(sh > 0)) return;
  float fx = width / sw, fy = height / sh;
  SDL_Rect src{static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)), 0, 0};
  src.w = static_cast<int>(std::ceil(x1)) - src.x;
  src.h = static_cast<int>(std::ceil(y1)) - src.y;
  DrawTextureQuad(texture, src, x, y, (x1 - x0) * fx, (y1 - y0) * fy, hx - (x0 - sx) * fx, hy - (y0 - sy) * fy);
}

}  // namespace sorvanta
