// Headless pictures of the intro at set times of the test clock, for looking
// at: written as PPM files into $SORVANTA_SHOT_DIR (skipped without it).
// Always checked: the frame's bottom beam is dark under the captions and the
// scene shows through the window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/shell_test_support.h"
#include "platform/clock.h"
#include "platform/video.h"
#include "story/intro.h"
#include "support/shot.h"

namespace sorvanta {
namespace {


int Brightness(std::uint32_t argb) { return ((argb >> 16) & 255) + ((argb >> 8) & 255) + (argb & 255); }

TEST(IntroShots, ScenesUnderTheirFrame) {
  const char* dir = test::ShotFolder();
  shell_test::ShellWorld world;
  auto in = std::make_shared<TIntro>();
  intro = in;
  TParticle::setup();
  in->setup();
  in->prepare();
  const int t0 = MilliSecs();
  struct Shot { int at; const char* name; };
  const Shot all[] = {{5000, "scene0"}, {21250, "scene2"}, {45000, "scene4"}, {78600, "scene6"}};
  const int count = dir ? 4 : 1;
  world.h().SetFrameCap(6000);
  for (int k = 0; k < count; ++k) {
    while (MilliSecs() - t0 < all[k].at) {
      Cls();
      in->update();
      in->draw();
      world.h().Frame();
    }
    EXPECT_LT(Brightness(world.h().Pixel(30, 760)), 120) << all[k].name << ": the bottom beam";
    EXPECT_GT(Brightness(world.h().Pixel(512, 300)), 40) << all[k].name << ": the picture";
    test::Shot(world.h(), all[k].name);
  }
}

}  // namespace
}  // namespace sorvanta
