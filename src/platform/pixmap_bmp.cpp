// BMP decoding to 8-bit RGBA: the OS/2 core header and the Windows headers
// (versions 3 to 5); 1, 4 and 8 bits through a palette (8 and 4 also
// run-length coded), 16, 24 and 32 bits direct, with channel masks where the
// file gives them. Every read is checked against the end of the data.
#include <cstring>

#include "platform/pixmap.h"
#include "platform/pixmap_internal.h"

namespace sorvanta {

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

// One channel of a direct-colour pixel: where it sits and how wide it is.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;  // largest value after the shift

  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (!m) return;
    while (!(m & 1)) m >>= 1, ++shift;
    max = m;  // gaps in a mask only make colours coarser, never out of range
  }
  // 0..255; fallback when the file gives no bits for the channel.
  std::uint8_t Get(std::uint32_t pixel, std::uint8_t fallback) const {
    if (!max) return fallback;
    std::uint64_t v = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>(v * 255 / max);
  }
};

// Run-length coded rows of palette indices into pixmap rows; pixels the data
// skips stay transparent. False when the data is broken.
bool DecodeRle(ByteReader& in, int bits, const std::uint32_t* palette, int paletteSize, TPixmap& out,
               bool bottomUp) {
  const int w = out.width(), h = out.height();
  int x = 0, y = 0;
  auto put = [&](int index) {
    if (x < w && y < h) {
      std::uint8_t* p = out.row(bottomUp ? h - 1 - y : y) + x * 4;
      StoreArgb(p, index < paletteSize ? palette[index] : 0xff000000u);
    }
    ++x;
  };
  for (;;) {
    std::uint8_t count = 0, value = 0;
    // Data that ends once every row is done lacks only its end mark.
    if (!in.U8(&count) || !in.U8(&value)) return y >= h;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(bits == 8 ? value : (i & 1 ? value & 0x0f : value >> 4));
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      if (++y > h) return false;
    } else if (value == 1) {  // end of bitmap
      return true;
    } else if (value == 2) {  // move on
      std::uint8_t dx = 0, dy = 0;
      if (!in.U8(&dx) || !in.U8(&dy)) return false;
      x += dx;
      y += dy;
      if (y > h) return false;
    } else {  // value literal indices, padded to a whole 16-bit word
      int bytes = bits == 8 ? value : (value + 1) / 2;
      std::uint8_t b = 0;
      for (int i = 0; i < value; ++i) {
        if (bits == 8 || !(i & 1)) {
          if (!in.U8(&b)) return false;
        }
        put(bits == 8 ? b : (i & 1 ? b & 0x0f : b >> 4));
      }
      if ((bytes & 1) && !in.Skip(1)) return false;
    }
    if (x > w + 255) return false;  // runs far past the row end: broken
  }
}

}  // namespace

std::shared_ptr<TPixmap> DecodeBmp(const std::uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  std::uint16_t magic = 0;
  std::uint32_t pixelOffset = 0, headerSize = 0;
  if (!in.U16(&magic) || magic != 0x4d42 || !in.Seek(10) || !in.U32(&pixelOffset) || !in.U32(&headerSize))
    return nullptr;

  std::int32_t width = 0, height = 0;
  std::uint16_t planes = 0, bits = 0;
  std::uint32_t compression = kRgb, colorsUsed = 0;
  std::uint32_t masks[4] = {0, 0, 0, 0};
  bool core = headerSize == 12;
  if (core) {
    std::uint16_t w = 0, h = 0;
    if (!in.U16(&w) || !in.U16(&h) || !in.U16(&planes) || !in.U16(&bits)) return nullptr;
    width = w;
    height = h;
  } else {
    if (headerSize < 40 || headerSize > size) return nullptr;
    std::uint32_t w = 0, h = 0;
    if (!in.U32(&w) || !in.U32(&h) || !in.U16(&planes) || !in.U16(&bits) || !in.U32(&compression) ||
        !in.Seek(14 + 32) || !in.U32(&colorsUsed))
      return nullptr;
    width = static_cast<std::int32_t>(w);
    height = static_cast<std::int32_t>(h);
    // Masks sit inside a longer header, or right after the short one.
    if (compression == kBitFields || compression == kAlphaBitFields || headerSize >= 52) {
      int count = compression == kAlphaBitFields || headerSize >= 56 ? 4 : 3;
      if (!in.Seek(14 + 40)) return nullptr;
      for (int i = 0; i < count; ++i)
        if (!in.U32(&masks[i])) return nullptr;
    }
  }
  const bool bottomUp = height > 0;
  if (height == INT32_MIN || width < 1 || height == 0) return nullptr;
  if (!bottomUp) height = -height;
  if (width > kMaxImageSide || height > kMaxImageSide) return nullptr;
  auto pixmap = CreatePixmap(width, height);
  if (!pixmap || planes != 1) return nullptr;

  // The palette follows the header (and the masks after a short header).
  std::uint32_t palette[256];
  int paletteSize = 0;
  if (bits <= 8) {
    if (bits != 1 && bits != 4 && bits != 8) return nullptr;
    std::size_t at = 14 + headerSize;
    if (!core && headerSize == 40 && (compression == kBitFields || compression == kAlphaBitFields))
      at += compression == kAlphaBitFields ? 16 : 12;
    paletteSize = colorsUsed == 0 || colorsUsed > (1u << bits) ? 1 << bits : static_cast<int>(colorsUsed);
    // Some writers store fewer entries: the palette ends where the pixels begin.
    const std::size_t entry = core ? 3 : 4;
    const std::size_t room = pixelOffset > at ? (pixelOffset - at) / entry : 0;
    if (room < static_cast<std::size_t>(paletteSize)) paletteSize = static_cast<int>(room);
    if (!in.Seek(at)) return nullptr;
    for (int i = 0; i < paletteSize; ++i) {
      std::uint8_t b = 0, g = 0, r = 0;
      if (!in.U8(&b) || !in.U8(&g) || !in.U8(&r) || (!core && !in.Skip(1))) return nullptr;
      palette[i] = 0xff000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
    }
  }
  if (!in.Seek(pixelOffset)) return nullptr;

  if (compression == kRle8 || compression == kRle4) {
    if (bits != (compression == kRle8 ? 8 : 4) || !bottomUp) return nullptr;
    return DecodeRle(in, bits, palette, paletteSize, *pixmap, bottomUp) ? pixmap : nullptr;
  }
  if (compression != kRgb && compression != kBitFields && compression != kAlphaBitFields) return nullptr;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return nullptr;
  if (compression != kRgb && bits != 16 && bits != 32) return nullptr;
  if (compression == kRgb) {
    if (bits == 16) masks[0] = 0x7c00, masks[1] = 0x03e0, masks[2] = 0x001f, masks[3] = 0;
    // A plain 32-bit file may or may not use its fourth byte; see below.
    if (bits == 32) masks[0] = 0xff0000, masks[1] = 0xff00, masks[2] = 0xff, masks[3] = 0xff000000u;
  }
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);

  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  if (stride * static_cast<std::size_t>(height) > in.Left()) return nullptr;
  const std::uint8_t* rows = in.Here();
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* src = rows + stride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
    std::uint8_t* dst = pixmap->row(y);
    for (int x = 0; x < width; ++x, dst += 4) {
      if (bits <= 8) {
        int shift = 8 - bits - (x * bits) % 8;
        int index = (src[x * bits / 8] >> shift) & ((1 << bits) - 1);
        StoreArgb(dst, index < paletteSize ? palette[index] : 0xff000000u);
        continue;
      }
      std::uint32_t pixel = 0;
      const std::uint8_t* p = src + static_cast<std::size_t>(x) * (bits / 8);
      for (int i = bits / 8 - 1; i >= 0; --i) pixel = (pixel << 8) | p[i];
      if (bits == 24) {
        dst[0] = p[2], dst[1] = p[1], dst[2] = p[0], dst[3] = 255;
        continue;
      }
      dst[0] = red.Get(pixel, 0);
      dst[1] = green.Get(pixel, 0);
      dst[2] = blue.Get(pixel, 0);
      dst[3] = alpha.Get(pixel, 255);
      anyAlpha = anyAlpha || dst[3] != 0;
    }
  }
  // Writers that leave the fourth byte at zero mean an opaque picture.
  if (bits == 32 && !anyAlpha) MakeOpaque(*pixmap);
  return pixmap;
}

}  // namespace sorvanta
