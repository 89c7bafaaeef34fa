#pragma once
// Pixmaps: images in memory, 8-bit RGBA (bytes R, G, B, A in that order),
// rows packed top to bottom. Decoders for PNG, JPEG, BMP and TGA live beside
// this.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sorvanta {

class TPixmap {
 public:
  TPixmap(int width, int height);
  // Pixels left as they come, for a decoder that writes every one of them.
  struct Unfilled {};
  TPixmap(int width, int height, Unfilled);
  TPixmap(const TPixmap& other);
  TPixmap& operator=(const TPixmap&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  // Bytes of row y (width * 4 of them).
  std::uint8_t* row(int y) { return pixels_.get() + static_cast<std::size_t>(y) * width_ * 4; }
  const std::uint8_t* row(int y) const { return pixels_.get() + static_cast<std::size_t>(y) * width_ * 4; }
  std::uint8_t* data() { return pixels_.get(); }
  const std::uint8_t* data() const { return pixels_.get(); }

 private:
  int width_;
  int height_;
  std::size_t bytes() const { return static_cast<std::size_t>(width_) * height_ * 4; }
  std::unique_ptr<std::uint8_t[]> pixels_;
};

// The largest width or height a pixmap may have (screen grabs included).
constexpr int kMaxPixmapSide = 8192;
// The largest width or height of a picture decoded from a file; larger ones
// are refused before their pixels are allocated (an 8192 x 8192 picture of a
// few hundred KB would cost 256 MB). No asset comes near it.
constexpr int kMaxImageSide = 4096;

// A new pixmap of the given size, every pixel 0 (transparent black); none for
// a size below 1 or above kMaxPixmapSide.
std::shared_ptr<TPixmap> CreatePixmap(int width, int height);
// Decodes a PNG, JPEG, BMP or TGA file (or "incbin::name"); none when the
// file is missing, not one of those formats, broken, or wider or taller
// than kMaxImageSide.
std::shared_ptr<TPixmap> LoadPixmap(const std::string& path);
// Decodes image bytes, the format chosen by its signature (TGA, which has
// none, by a strict check of its header); none when broken or too large.
std::shared_ptr<TPixmap> DecodePixmap(const std::uint8_t* data, std::size_t size);
std::shared_ptr<TPixmap> DecodePng(const std::uint8_t* data, std::size_t size);
std::shared_ptr<TPixmap> DecodeJpeg(const std::uint8_t* data, std::size_t size);
std::shared_ptr<TPixmap> DecodeBmp(const std::uint8_t* data, std::size_t size);
std::shared_ptr<TPixmap> DecodeTga(const std::uint8_t* data, std::size_t size);
// A deep copy; none for none.
std::shared_ptr<TPixmap> CopyPixmap(const std::shared_ptr<TPixmap>& pixmap);

}  // namespace sorvanta
