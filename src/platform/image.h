#pragma once
// Images: pictures (one or more frames) drawn as textures of the current
// graphics mode. An image loaded while a mode is open has its textures at
// once; one loaded before gets them under the first mode. A file's decoded
// pixels go once its textures exist, and the file is decoded again when a
// new mode needs them.
#include <memory>
#include <string>
#include <vector>

#include "platform/pixmap.h"

namespace sorvanta {

// Load flags. -1 asks for the default, FILTEREDIMAGE | MIPMAPPEDIMAGE.
// Without either flag an image is scaled by its nearest pixels; with one it
// is filtered.
constexpr int FILTEREDIMAGE = 2;
constexpr int MIPMAPPEDIMAGE = 4;

class TImageFrames;
class VideoTexture;

class TImage {
 public:
  explicit TImage(std::shared_ptr<TImageFrames> frames);
  ~TImage();
  TImage(const TImage&) = delete;
  TImage& operator=(const TImage&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  float handleX = 0;  // the point of the image placed at the drawing position
  float handleY = 0;

  // The texture of a frame for the current back end; null without a mode
  // or for a frame out of range.
  VideoTexture* texture(int frame) const;

 private:
  // Tests read back its frames and filtering.
  friend struct ImageReadBack;

  // Shared with every image of the same file and filtering.
  std::shared_ptr<TImageFrames> frames_;
  int width_ = 0;
  int height_ = 0;
};

// A one-frame image of a PNG, JPEG, BMP or TGA file ("incbin::name" too); none when the
// file is missing or cannot be decoded.
std::shared_ptr<TImage> LoadImage(const std::string& path, int flags = -1);
// A one-frame image of a copy of the pixmap; none for none.
std::shared_ptr<TImage> LoadImage(const std::shared_ptr<TPixmap>& pixmap, int flags = -1);

int ImageWidth(const std::shared_ptr<TImage>& image);
int ImageHeight(const std::shared_ptr<TImage>& image);
void SetImageHandle(const std::shared_ptr<TImage>& image, float x, float y);
// Handle at the centre: half the width and height.
void MidHandleImage(const std::shared_ptr<TImage>& image);

// Draws a frame with its handle at (x, y), with the current colour, alpha,
// blend, scale (about the handle) and rotation (about the handle).
void DrawImage(const std::shared_ptr<TImage>& image, float x, float y, int frame = 0);
// Draws the source rectangle (sx, sy, sw, sh) of a frame stretched to
// width x height, the point (hx, hy) of that rectangle's drawing placed at
// (x, y), with the current drawing state.
void DrawSubImageRect(const std::shared_ptr<TImage>& image, float x, float y, float width, float height, float sx,
                      float sy, float sw, float sh, float hx = 0, float hy = 0, int frame = 0);

}  // namespace sorvanta
