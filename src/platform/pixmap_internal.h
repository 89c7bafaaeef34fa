#pragma once
// Helpers shared by the image decoders. Not for game code.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/pixmap.h"

namespace sorvanta {

// Little-endian reads from a block of bytes; every read fails, rather than
// reading past the end, when too few bytes are left.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(data ? size : 0) {}
  bool U8(std::uint8_t* out) {
    if (Left() < 1) return false;
    *out = data_[pos_++];
    return true;
  }
  bool U16(std::uint16_t* out) {
    if (Left() < 2) return false;
    *out = static_cast<std::uint16_t>(data_[pos_] | data_[pos_ + 1] << 8);
    pos_ += 2;
    return true;
  }
  bool U32(std::uint32_t* out) {
    if (Left() < 4) return false;
    *out = std::uint32_t(data_[pos_]) | std::uint32_t(data_[pos_ + 1]) << 8 | std::uint32_t(data_[pos_ + 2]) << 16 |
           std::uint32_t(data_[pos_ + 3]) << 24;
    pos_ += 4;
    return true;
  }
  bool Seek(std::size_t at) {
    if (at > size_) return false;
    pos_ = at;
    return true;
  }
  bool Skip(std::size_t n) { return n <= Left() && Seek(pos_ + n); }
  std::size_t Left() const { return size_ - pos_; }
  const std::uint8_t* Here() const { return data_ + pos_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// CreatePixmap without clearing the pixels, for a decoder that writes every
// one of them or fails.
std::shared_ptr<TPixmap> CreateUnfilledPixmap(int width, int height);

// Writes 0xAARRGGBB as the bytes R, G, B, A.
inline void StoreArgb(std::uint8_t* p, std::uint32_t argb) {
  p[0] = static_cast<std::uint8_t>(argb >> 16);
  p[1] = static_cast<std::uint8_t>(argb >> 8);
  p[2] = static_cast<std::uint8_t>(argb);
  p[3] = static_cast<std::uint8_t>(argb >> 24);
}

inline void MakeOpaque(TPixmap& pixmap) {
  std::uint8_t* p = pixmap.data();
  for (std::size_t i = 0, n = static_cast<std::size_t>(pixmap.width()) * pixmap.height(); i < n; ++i) p[i * 4 + 3] = 255;
}

}  // namespace sorvanta
