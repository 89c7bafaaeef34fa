// Feeds arbitrary bytes to the image decoders (PNG, JPEG, BMP, TGA, chosen by
// signature as a file load does) and cuts frames out of whatever decodes, so
// every pixel of a decoded picture is read once.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/image.h"
#include "platform/image_read_back.h"
#include "platform/pixel_access.h"
#include "platform/pixmap.h"

using namespace sorvanta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto pixmap = DecodePixmap(data, size);
  // TGA has no signature, so it is tried on its own as well.
  auto tga = DecodeTga(data, size);
  for (const auto& p : {pixmap, tga}) {
    if (!p) continue;
    if (p->width() < 1 || p->height() < 1 || p->width() > kMaxImageSide || p->height() > kMaxImageSide) std::abort();
    // The last column's pixels are read so the sanitizers see every row
    // reach the picture's right edge; the sum only keeps the reads.
    volatile std::uint32_t sum = 0;
    for (int y = 0; y < p->height(); ++y) sum = sum + ReadPixel(p, p->width() - 1, y);
    // Two frames side by side fit any width from 2 on; a 1-pixel-wide
    // picture holds one.
    const int frames = p->width() >= 2 ? 2 : 1;
    auto image = LoadAnimImage(p, p->width() / frames, p->height(), 0, frames);
    if (!image || ImageFrameCount(*image) != frames) std::abort();
  }
  return 0;
}
