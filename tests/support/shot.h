#pragma once
// Frames written as pictures for a person to look at: with SORVANTA_SHOT_DIR
// naming a folder, ShotFolder() gives it and Shot() writes a PPM file there.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "platform/harness.h"
#include "platform/pixel_access.h"
#include "platform/pixmap.h"

namespace sorvanta::test {

// The folder for pictures; none when unset.
inline const char* ShotFolder() { return std::getenv("SORVANTA_SHOT_DIR"); }

inline void WriteShot(const std::shared_ptr<TPixmap>& frame, const std::string& name) {
  const char* dir = ShotFolder();
  if (!dir || !frame) return;
  std::ofstream out(std::string(dir) + "/" + name + ".ppm", std::ios::binary);
  ASSERT_TRUE(out) << dir << "/" << name;
  out << "P6\n" << frame->width() << " " << frame->height() << "\n255\n";
  for (int y = 0; y < frame->height(); ++y)
    for (int x = 0; x < frame->width(); ++x) {
      const std::uint32_t p = ReadPixel(frame, x, y);
      out.put(static_cast<char>(p >> 16)).put(static_cast<char>(p >> 8)).put(static_cast<char>(p));
    }
}

// The harness's last frame as a picture.
inline void Shot(const Harness& h, const std::string& name) { WriteShot(h.LastFrame(), name); }

}  // namespace sorvanta::test
