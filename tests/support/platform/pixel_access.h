#pragma once
// Single pixels of a pixmap as 0xAARRGGBB, for tests, benchmarks and fuzz
// targets that make or check pictures pixel by pixel; the game never does.
#include <cstdint>
#include <memory>

#include "platform/pixmap.h"

namespace sorvanta {

// The pixel as 0xAARRGGBB; 0 outside the pixmap or for none.
std::uint32_t ReadPixel(const std::shared_ptr<TPixmap>& pixmap, int x, int y);
// Sets a pixel from 0xAARRGGBB; ignored outside the pixmap or for none.
void WritePixel(const std::shared_ptr<TPixmap>& pixmap, int x, int y, std::uint32_t argb);

}  // namespace sorvanta
