#pragma once
// Pictures of a story screen (intro or outro) at set times of the test clock:
// written for looking at with $SORVANTA_SHOT_DIR (only the first without it),
// each checked for a dark bottom beam under the captions and the scene
// showing through the window.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/ekran.h"
#include "core/shell_test_support.h"
#include "platform/clock.h"
#include "platform/video.h"
#include "support/shot.h"

namespace sorvanta::test {

struct StoryShot {
  int at;  // ms after the start
  const char* name;
};

inline int Brightness(std::uint32_t argb) { return ((argb >> 16) & 255) + ((argb >> 8) & 255) + (argb & 255); }

inline void ShootStory(shell_test::ShellWorld& world, TEkran& screen, const std::vector<StoryShot>& shots) {
  const int t0 = MilliSecs();
  const size_t count = ShotFolder() ? shots.size() : 1;
  world.h().SetFrameCap(6000);
  for (size_t k = 0; k < count; ++k) {
    while (MilliSecs() - t0 < shots[k].at) {
      Cls();
      screen.update();
      screen.draw();
      world.h().Frame();
    }
    EXPECT_LT(Brightness(world.h().Pixel(30, 760)), 120) << shots[k].name << ": the bottom beam";
    EXPECT_GT(Brightness(world.h().Pixel(512, 300)), 40) << shots[k].name << ": the picture";
    Shot(world.h(), shots[k].name);
  }
}

}  // namespace sorvanta::test
