// Headless pictures of the intro at set times of the test clock, for looking
// at: written as PPM files into $SORVANTA_SHOT_DIR (skipped without it).
// Always checked: the frame's bottom beam is dark under the captions and the
// scene shows through the window.
#include <gtest/gtest.h>

#include "core/shell_test_support.h"
#include "story/intro.h"
#include "story_shots.h"

namespace sorvanta {
namespace {

TEST(IntroShots, ScenesUnderTheirFrame) {
  shell_test::ShellWorld world;
  auto in = std::make_shared<TIntro>();
  intro = in;
  TParticle::setup();
  in->setup();
  in->prepare();
  test::ShootStory(world, *in, {{5000, "scene0"}, {21250, "scene2"}, {45000, "scene4"}, {78600, "scene6"}});
}

}  // namespace
}  // namespace sorvanta
