// Headless pictures of the intro at set times of the test clock, for looking
// at: written as PPM files into $SORVANTA_STORY_SHOTS (skipped without it).
// Always checked: the frame's bottom beam is dark under the captions and the
// scene shows through the window.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "core/shell_test_support.h"
#include "platform/clock.h"
#include "platform/video.h"
#include "story/intro.h"

namespace sorvanta {
namespace {

void WritePpm(const std::shared_ptr<TPixmap>& p, const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr) << path;
  std::fprintf(f, "P6\n%d %d\n255\n", p->width(), p->height());
  for (int y = 0; y < p->height(); ++y)
    for (int x = 0; x < p->width(); ++x) std::fwrite(p->row(y) + 4 * x, 1, 3, f);
  std::fclose(f);
}

int Brightness(std::uint32_t argb) { return ((argb >> 16) & 255) + ((argb >> 8) & 255) + (argb & 255); }

TEST(IntroShots, ScenesUnderTheirFrame) {
  const char* dir = std::getenv("SORVANTA_STORY_SHOTS");
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
    if (dir) WritePpm(world.h().LastFrame(), std::string(dir) + "/" + all[k].name + ".ppm");
  }
}

}  // namespace
}  // namespace sorvanta
