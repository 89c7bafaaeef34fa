#pragma once
// Helpers for tests that draw through the harness and read pixels back.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "platform/image.h"
#include "platform/pixmap.h"

namespace sorvanta::testing {

inline int Red(std::uint32_t argb) { return (argb >> 16) & 0xff; }
inline int Green(std::uint32_t argb) { return (argb >> 8) & 0xff; }
inline int Blue(std::uint32_t argb) { return argb & 0xff; }

inline std::string Hex(std::uint32_t argb) {
  std::ostringstream out;
  out << std::hex << argb;
  return out.str();
}

// True when the colour is within tolerance of (r, g, b) in every channel.
inline bool Near(std::uint32_t argb, int r, int g, int b, int tolerance = 2) {
  return std::abs(Red(argb) - r) <= tolerance && std::abs(Green(argb) - g) <= tolerance &&
         std::abs(Blue(argb) - b) <= tolerance;
}

// A width x height image whose left half is red and right half green,
// unfiltered so that scaled pixels stay exact.
inline std::shared_ptr<TImage> SplitImage(int width = 20, int height = 10) {
  auto p = CreatePixmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) WritePixel(p, x, y, x < width / 2 ? 0xffff0000u : 0xff00ff00u);
  return LoadImage(p, 0);
}

// A solid image of one colour.
inline std::shared_ptr<TImage> SolidImage(int width, int height, std::uint32_t argb) {
  auto p = CreatePixmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) WritePixel(p, x, y, argb);
  return LoadImage(p, 0);
}

}  // namespace sorvanta::testing
