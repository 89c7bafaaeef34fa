#pragma once
// Helpers for tests that draw through the harness and read pixels back.
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/harness.h"
#include "platform/image.h"
#include "platform/pixel_access.h"
#include "platform/pixmap.h"

namespace sorvanta::testing {

inline int Red(std::uint32_t argb) { return (argb >> 16) & 0xff; }
inline int Green(std::uint32_t argb) { return (argb >> 8) & 0xff; }

inline std::string Hex(std::uint32_t argb) {
  std::ostringstream out;
  out << std::hex << argb;
  return out.str();
}

// True when the colour is within tolerance of (r, g, b) in every channel.
inline bool Near(std::uint32_t argb, int r, int g, int b, int tolerance = 2) {
  return std::abs(Red(argb) - r) <= tolerance && std::abs(Green(argb) - g) <= tolerance &&
         std::abs(static_cast<int>(argb & 0xff) - b) <= tolerance;
}

// A point of the last frame in virtual units and the colour (0xRRGGBB)
// expected there.
struct Probe {
  float x, y;
  std::uint32_t rgb;
};

inline void ExpectPixels(const Harness& h, std::initializer_list<Probe> probes, int tolerance = 2) {
  for (const Probe& p : probes) {
    const std::uint32_t got = h.Pixel(p.x, p.y);
    EXPECT_TRUE(Near(got, (p.rgb >> 16) & 0xff, (p.rgb >> 8) & 0xff, p.rgb & 0xff, tolerance))
        << "at " << p.x << "," << p.y << ": " << Hex(got) << " instead of " << Hex(p.rgb);
  }
}

// An unfiltered image (scaled pixels stay exact) whose left half is `left`
// and right half `right`; one colour when both are the same.
inline std::shared_ptr<TImage> SplitImage(int width = 20, int height = 10, std::uint32_t left = 0xffff0000u,
                                          std::uint32_t right = 0xff00ff00u) {
  auto p = CreatePixmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) WritePixel(p, x, y, x < width / 2 ? left : right);
  return LoadImage(p, 0);
}

}  // namespace sorvanta::testing
