// Feeds arbitrary bytes to the image decoders (PNG, JPEG, BMP, TGA, chosen by
// signature as a file load does) and cuts frames out of whatever decodes, so
// every pixel of a decoded picture is read once.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/image.h"
#include "platform/pixmap.h"

using namespace sorvanta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto pixmap = DecodePixmap(data, size);
  // TGA has no signature, so it is tried on its own as well.
  auto tga = DecodeTga(data, size);
  for (const auto& p : {pixmap, tga}) {
    if (!p) continue;
    if (p->width() < 1 || p->height() < 1 || p->width() > kMaxImageSide || p->height() > kMaxImageSide) std::abort();
    std::uint32_t sum = 0;
    for (int y = 0; y < p->height(); ++y) sum += ReadPixel(p, p->width() - 1, y);
    auto image = LoadAnimImage(p, (p->width() + 1) / 2, p->height(), 0, 2);
    if (image && (image->frameCount() != 2 || sum == 0xdeadbeef)) std::abort();
  }
  return 0;
}
