// TGA decoding to 8-bit RGBA: colour-mapped, true-colour and grey images,
// plain or run-length coded, in either row and column order. The format has
// no signature, so the header is checked strictly before anything is read.
#include <vector>

#include "platform/pixmap.h"
#include "platform/pixmap_internal.h"

namespace sorvanta {

namespace {

enum : std::uint8_t { kMapped = 1, kTrueColour = 2, kGrey = 3, kRle = 8 };

// A 15- or 16-bit colour: five bits each of red, green and blue.
std::uint32_t From555(std::uint16_t v, bool useAlpha) {
  auto widen = [](int c) { return static_cast<std::uint32_t>((c << 3) | (c >> 2)); };
  std::uint32_t a = !useAlpha || (v & 0x8000) ? 0xffu : 0u;
  return a << 24 | widen((v >> 10) & 31) << 16 | widen((v >> 5) & 31) << 8 | widen(v & 31);
}

// One stored pixel (or colour-map entry) of bits bits as 0xAARRGGBB.
bool ReadColour(ByteReader& in, int bits, bool grey, bool useAlpha, std::uint32_t* out) {
  std::uint8_t b[4] = {0, 0, 0, 0};
  for (int i = 0; i < (bits + 7) / 8; ++i)
    if (!in.U8(&b[i])) return false;
  if (grey) {
    std::uint32_t a = bits == 16 && useAlpha ? b[1] : 0xffu;
    *out = a << 24 | std::uint32_t(b[0]) * 0x010101u;
  } else if (bits <= 16) {
    *out = From555(static_cast<std::uint16_t>(b[0] | b[1] << 8), useAlpha && bits == 16);
  } else {
    std::uint32_t a = bits == 32 && useAlpha ? b[3] : 0xffu;
    *out = a << 24 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[1]) << 8 | b[0];
  }
  return true;
}

}  // namespace

std::shared_ptr<TPixmap> DecodeTga(const std::uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  std::uint8_t idLength = 0, mapType = 0, type = 0, mapBits = 0, bits = 0, descriptor = 0;
  std::uint16_t mapFirst = 0, mapLength = 0, xOrigin = 0, yOrigin = 0, width = 0, height = 0;
  if (!in.U8(&idLength) || !in.U8(&mapType) || !in.U8(&type) || !in.U16(&mapFirst) || !in.U16(&mapLength) ||
      !in.U8(&mapBits) || !in.U16(&xOrigin) || !in.U16(&yOrigin) || !in.U16(&width) || !in.U16(&height) ||
      !in.U8(&bits) || !in.U8(&descriptor))
    return nullptr;
  const bool rle = (type & kRle) != 0;
  const std::uint8_t kind = type & ~kRle;
  const int alphaBits = descriptor & 0x0f;
  if (mapType > 1 || (type & 0xf0) || (descriptor & 0xc0) || width < 1 || height < 1) return nullptr;
  if (width > kMaxImageSide || height > kMaxImageSide) return nullptr;
  bool headerOk = false;
  switch (kind) {
    case kMapped:
      headerOk = mapType == 1 && (bits == 8 || bits == 16) && mapLength > 0 &&
                 (mapBits == 15 || mapBits == 16 || mapBits == 24 || mapBits == 32);
      break;
    case kTrueColour: headerOk = bits == 15 || bits == 16 || bits == 24 || bits == 32; break;
    case kGrey: headerOk = bits == 8 || bits == 16; break;
    default: break;
  }
  if (!headerOk || alphaBits > 8) return nullptr;
  // Attribute bits of 0 in a 32-bit image usually still mean alpha; it is
  // read, and a picture left wholly transparent by it is made opaque.
  const bool useAlpha = alphaBits > 0 || bits == 32;

  // The colour map, if any, follows the image's id; a true-colour image may
  // carry one that it does not use.
  if (!in.Skip(idLength)) return nullptr;
  std::vector<std::uint32_t> map;
  if (mapType == 1) {
    if (mapBits != 15 && mapBits != 16 && mapBits != 24 && mapBits != 32) return nullptr;
    map.resize(mapLength);
    for (std::uint32_t& colour : map)
      if (!ReadColour(in, mapBits, false, alphaBits > 0 || mapBits == 32, &colour)) return nullptr;
  }

  auto pixmap = CreatePixmap(width, height);
  if (!pixmap) return nullptr;
  const bool rightToLeft = (descriptor & 0x10) != 0;
  const bool topDown = (descriptor & 0x20) != 0;
  auto pixel = [&](std::uint32_t* out) {
    if (kind != kMapped) return ReadColour(in, bits, kind == kGrey, useAlpha, out);
    std::uint32_t index = 0;
    std::uint8_t lo = 0, hi = 0;
    if (!in.U8(&lo) || (bits == 16 && !in.U8(&hi))) return false;
    index = (std::uint32_t(hi) << 8 | lo) - mapFirst;
    *out = index < map.size() ? map[index] : 0xff000000u;
    return true;
  };

  const std::size_t total = static_cast<std::size_t>(width) * height;
  std::size_t done = 0;
  std::uint32_t colour = 0;
  bool anyAlpha = false;
  while (done < total) {
    // A packet of count pixels: one repeated, or each stored.
    std::size_t count = 1;
    bool repeat = false;
    if (rle) {
      std::uint8_t header = 0;
      if (!in.U8(&header)) return nullptr;
      count = (header & 0x7f) + 1u;
      repeat = (header & 0x80) != 0;
      if (count > total - done) count = total - done;  // a packet may not run past the image
    }
    for (std::size_t i = 0; i < count; ++i, ++done) {
      if ((i == 0 || !repeat) && !pixel(&colour)) return nullptr;
      std::size_t row = done / width, column = done % width;
      int y = static_cast<int>(topDown ? row : height - 1 - row);
      int x = static_cast<int>(rightToLeft ? width - 1 - column : column);
      StoreArgb(pixmap->row(y) + x * 4, colour);
      anyAlpha = anyAlpha || (colour >> 24) != 0;
    }
  }
  if (!anyAlpha) MakeOpaque(*pixmap);
  return pixmap;
}

}  // namespace sorvanta
