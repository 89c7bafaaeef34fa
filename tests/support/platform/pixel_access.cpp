// Single pixels of a pixmap, read and written whatever the byte order.
#include "platform/pixel_access.h"

namespace sorvanta {

std::uint32_t ReadPixel(const std::shared_ptr<TPixmap>& pixmap, int x, int y) {
  if (!pixmap || x < 0 || y < 0 || x >= pixmap->width() || y >= pixmap->height()) return 0;
  const std::uint8_t* p = pixmap->row(y) + x * 4;
  return (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[0]) << 16) | (std::uint32_t(p[1]) << 8) | p[2];
}

void WritePixel(const std::shared_ptr<TPixmap>& pixmap, int x, int y, std::uint32_t argb) {
  if (!pixmap || x < 0 || y < 0 || x >= pixmap->width() || y >= pixmap->height()) return;
  std::uint8_t* p = pixmap->row(y) + x * 4;
  p[0] = (argb >> 16) & 0xff;
  p[1] = (argb >> 8) & 0xff;
  p[2] = argb & 0xff;
  p[3] = argb >> 24;
}

}  // namespace sorvanta
