// Headless pictures of the outro at set times of the test clock, for looking
// at: written as PPM files into $SORVANTA_SHOT_DIR (skipped without it).
// Always checked: the frame's bottom beam is dark under the captions and the
// scene shows through the window.
#include <gtest/gtest.h>

#include "core/shell_test_support.h"
#include "platform/clock.h"
#include "platform/video.h"
#include "story/outro.h"
#include "support/shot.h"

namespace sorvanta {
namespace {

int Brightness(std::uint32_t argb) { return ((argb >> 16) & 255) + ((argb >> 8) & 255) + (argb & 255); }

TEST(OutroShots, ScenesUnderTheirFrame) {
  const char* dir = test::ShotFolder();
  shell_test::ShellWorld world;
  auto out = std::make_shared<TOutro>();
  outro = out;
  TParticle::setup();
  std::make_shared<TIntro>()->setup();  // the caption font
  out->setup();
  out->fade = 1;
  out->loadStory();
  const int t0 = MilliSecs();
  struct Shot {
    int at;
    const char* name;
  };
  const Shot all[] = {{3000, "outro1"}, {20000, "outro2"}, {40000, "outro3"}, {60000, "outro4"}, {80000, "outro5"}};
  const int count = dir ? 5 : 1;
  world.h().SetFrameCap(6000);
  for (int k = 0; k < count; ++k) {
    while (MilliSecs() - t0 < all[k].at) {
      Cls();
      out->update();
      out->draw();
      world.h().Frame();
    }
    EXPECT_LT(Brightness(world.h().Pixel(30, 760)), 120) << all[k].name << ": the bottom beam";
    EXPECT_GT(Brightness(world.h().Pixel(512, 300)), 40) << all[k].name << ": the picture";
    test::Shot(world.h(), all[k].name);
  }
}

}  // namespace
}  // namespace sorvanta
