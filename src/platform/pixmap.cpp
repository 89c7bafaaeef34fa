#include "platform/pixmap.h"

#include <cstring>

#include "platform/files.h"

namespace sorvanta {

TPixmap::TPixmap(int width, int height) : TPixmap(width, height, Unfilled{}) {
  std::memset(pixels_.get(), 0, bytes());
}

TPixmap::TPixmap(int width, int height, Unfilled)
    : width_(width), height_(height), pixels_(new std::uint8_t[bytes()]) {}

TPixmap::TPixmap(const TPixmap& other) : TPixmap(other.width_, other.height_, Unfilled{}) {
  std::memcpy(pixels_.get(), other.pixels_.get(), bytes());
}

std::shared_ptr<TPixmap> CreatePixmap(int width, int height) {
  if (width < 1 || height < 1 || width > kMaxPixmapSide || height > kMaxPixmapSide) return nullptr;
  return std::make_shared<TPixmap>(width, height);
}

std::shared_ptr<TPixmap> CreateUnfilledPixmap(int width, int height) {
  if (width < 1 || height < 1 || width > kMaxPixmapSide || height > kMaxPixmapSide) return nullptr;
  return std::make_shared<TPixmap>(width, height, TPixmap::Unfilled{});
}

std::shared_ptr<TPixmap> DecodePixmap(const std::uint8_t* data, std::size_t size) {
  static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (!data) return nullptr;
  if (size >= 8 && std::memcmp(data, kPng, 8) == 0) return DecodePng(data, size);
  if (size >= 3 && data[0] == 0xff && data[1] == 0xd8 && data[2] == 0xff) return DecodeJpeg(data, size);
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return DecodeBmp(data, size);
  return DecodeTga(data, size);
}

std::shared_ptr<TPixmap> LoadPixmap(const std::string& path) {
  std::string bytes;
  try {
    bytes = LoadBytes(path);
  } catch (const FileError&) {
    return nullptr;
  }
  return DecodePixmap(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::shared_ptr<TPixmap> CopyPixmap(const std::shared_ptr<TPixmap>& pixmap) {
  if (!pixmap) return nullptr;
  return std::make_shared<TPixmap>(*pixmap);
}

}  // namespace sorvanta
