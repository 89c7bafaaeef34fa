#include "platform/image.h"

#include <cmath>

#include "platform/image_frames.h"
#include "platform/video_internal.h"

namespace sorvanta {

namespace {

bool IsFiltered(int flags) { return flags == -1 || (flags & (FILTEREDIMAGE | MIPMAPPEDIMAGE)) != 0; }

std::shared_ptr<TImage> ImageOf(std::shared_ptr<TImageFrames> frames) {
  return frames && frames->count() > 0 ? std::make_shared<TImage>(std::move(frames)) : nullptr;
}

// Frames of pixels no file holds: kept, since nothing could make them again.
std::shared_ptr<TImage> ImageOfPixels(std::vector<std::shared_ptr<TPixmap>> frames, int flags) {
  if (frames.empty()) return nullptr;
  return ImageOf(std::make_shared<TImageFrames>(std::move(frames), IsFiltered(flags)));
}

}  // namespace

TImage::TImage(std::shared_ptr<TImageFrames> frames)
    : frames_(std::move(frames)),
      width_(frames_->width()),
      height_(frames_->height()) {}

TImage::~TImage() = default;

VideoTexture* TImage::texture(int frame) const { return frames_->texture(frame); }

std::shared_ptr<TImage> LoadImage(const std::string& path, int flags) {
  return ImageOf(FileFrames(path, IsFiltered(flags)));
}

std::shared_ptr<TImage> LoadImage(const std::shared_ptr<TPixmap>& pixmap, int flags) {
  if (!pixmap) return nullptr;
  return ImageOfPixels({CopyPixmap(pixmap)}, flags);
}

int ImageWidth(const std::shared_ptr<TImage>& image) { return image ? image->width() : 0; }
int ImageHeight(const std::shared_ptr<TImage>& image) { return image ? image->height() : 0; }

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
  VideoTexture* texture = image->texture(frame);
  if (!texture) return;
  SDL_Rect src{0, 0, image->width(), image->height()};
  DrawTextureQuad(texture, src, x, y, static_cast<float>(image->width()), static_cast<float>(image->height()),
                  image->handleX, image->handleY);
}

void DrawSubImageRect(const std::shared_ptr<TImage>& image, float x, float y, float width, float height, float sx,
                      float sy, float sw, float sh, float hx, float hy, int frame) {
  if (!image) return;
  VideoTexture* texture = image->texture(frame);
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
