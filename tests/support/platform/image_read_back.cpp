// Images of several frames, and images read back through their frames.
#include "platform/image_read_back.h"

#include <cstring>
#include <utility>
#include <vector>

#include "platform/video_internal.h"

namespace sorvanta {

struct ImageReadBack {
  static TImageFrames& Frames(const TImage& image) { return *image.frames_; }

  static std::shared_ptr<TPixmap> Pixels(TImageFrames& frames, int frame) {
    if (frame < 0 || frame >= frames.count()) return nullptr;
    frames.keepPixels_ = true;
    if (!frames.pixels_[frame]) frames.decodeAgain();
    return frames.pixels_[frame];
  }

  static bool Filtered(const TImageFrames& frames) { return frames.filtered_; }

  static long PixelBytes(const TImageFrames& frames) {
    long bytes = 0;
    for (const auto& pixels : frames.pixels_)
      if (pixels) bytes += static_cast<long>(pixels->width()) * pixels->height() * 4;
    return bytes;
  }

  static long TextureBytes(const TImageFrames& frames) {
    if (frames.generation_ != Video().generation) return 0;
    long bytes = 0;
    for (VideoTexture* texture : frames.textures_)
      if (texture) bytes += static_cast<long>(frames.width_) * frames.height_ * 4;
    return bytes;
  }
};

namespace {

std::vector<std::shared_ptr<TPixmap>> CutFrames(const std::shared_ptr<TPixmap>& picture, int cellWidth,
                                                int cellHeight, int first, int count) {
  if (!picture || cellWidth < 1 || cellHeight < 1 || first < 0 || count < 1) return {};
  const int across = picture->width() / cellWidth;
  const int down = picture->height() / cellHeight;
  if (across < 1 || static_cast<long long>(first) + count > static_cast<long long>(across) * down) return {};
  std::vector<std::shared_ptr<TPixmap>> frames;
  for (int cell = first; cell < first + count; ++cell) {
    auto frame = std::make_shared<TPixmap>(cellWidth, cellHeight, TPixmap::Unfilled{});
    const int left = (cell % across) * cellWidth;
    const int top = (cell / across) * cellHeight;
    for (int y = 0; y < cellHeight; ++y)
      std::memcpy(frame->row(y), picture->row(top + y) + left * 4, static_cast<std::size_t>(cellWidth) * 4);
    frames.push_back(frame);
  }
  return frames;
}

}  // namespace

std::shared_ptr<TImage> LoadAnimImage(const std::shared_ptr<TPixmap>& pixmap, int cellWidth, int cellHeight,
                                      int first, int count, int flags) {
  auto frames = CutFrames(pixmap, cellWidth, cellHeight, first, count);
  if (frames.empty()) return nullptr;
  const bool filtered = flags == -1 || (flags & (FILTEREDIMAGE | MIPMAPPEDIMAGE)) != 0;
  return std::make_shared<TImage>(std::make_shared<TImageFrames>(std::move(frames), filtered));
}

std::shared_ptr<TImage> LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first, int count,
                                      int flags) {
  return LoadAnimImage(LoadPixmap(path), cellWidth, cellHeight, first, count, flags);
}

int ImageFrameCount(const TImage& image) { return ImageReadBack::Frames(image).count(); }
bool ImageFiltered(const TImage& image) { return ImageReadBack::Filtered(ImageReadBack::Frames(image)); }
std::shared_ptr<TPixmap> ImageFrame(const TImage& image, int frame) {
  return ImageReadBack::Pixels(ImageReadBack::Frames(image), frame);
}
std::shared_ptr<TPixmap> FramePixels(TImageFrames& frames, int frame) { return ImageReadBack::Pixels(frames, frame); }

long PixelBytes(const TImageFrames& frames) { return ImageReadBack::PixelBytes(frames); }
long TextureBytes(const TImageFrames& frames) { return ImageReadBack::TextureBytes(frames); }

ImageMemory LiveImageMemory() {
  ImageMemory memory;
  for (const TImageFrames* frames : LiveImageFrames()) {
    memory.pixelBytes += PixelBytes(*frames);
    memory.textureBytes += TextureBytes(*frames);
  }
  return memory;
}

}  // namespace sorvanta
