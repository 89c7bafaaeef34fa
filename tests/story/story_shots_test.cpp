// Headless pictures of the intro and the outro at set times of the test
// clock, for looking at: written as PPM files into $SORVANTA_SHOT_DIR
// (skipped without it). Always checked: the frame's bottom beam is dark under
// the captions and the scene shows through the window.
#include <gtest/gtest.h>

#include "story/intro.h"
#include "story/outro.h"
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

TEST(OutroShots, ScenesUnderTheirFrame) {
  shell_test::ShellWorld world;
  auto out = std::make_shared<TOutro>();
  outro = out;
  TParticle::setup();
  std::make_shared<TIntro>()->setup();  // the caption font
  out->setup();
  out->fade = 1;
  out->loadStory();
  test::ShootStory(world, *out, {{3000, "outro1"}, {20000, "outro2"}, {40000, "outro3"}, {60000, "outro4"}, {80000, "outro5"}});
}

}  // namespace
}  // namespace sorvanta
