// The outro: its timeline, skip and credits, pause, captions after the
// fade-in, the light rays, the banners' depth sort and its content.
#include "core/screen_loop.h"
#include "story/outro.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/frame_bindings.h"
#include "core/shell_test_support.h"
#include "story_shots.h"
#include "platform/clock.h"
#include "story/story_states.h"

namespace sorvanta {
namespace {

// Notes, after each update, the scene, the fade and whether a caption runs.
struct WatchedOutro : TOutro {
  struct Seen {
    int at;
    int part;
    float fade;
    bool caption;
  };
  std::vector<Seen> seen;
  void update() override {
    TOutro::update();
    seen.push_back({MilliSecs(), part, fade, actText != nullptr});
  }
};

struct OutroWorld : ::testing::Test {
  OutroWorld() : world(shell_test::NoCapture()) {}
  void SetUp() override {
    outro = out = std::make_shared<WatchedOutro>();
    intro = std::make_shared<TIntro>();
    intro->setup();  // loads the caption font
    out->setup();
  }
  // The start of a run without its loop, then frames without drawing.
  void Start() {
    out->fade = 1;
    out->dFade = 0;
    out->loadStory();
    out->_prepareDelta();
  }
  void Step() {
    updateScreen(*out);
    world.h().Frame();
  }
  shell_test::ShellWorld world;
  std::shared_ptr<WatchedOutro> out;
};

TEST_F(OutroWorld, ScenesFollowOnTheClockAndTheLastFadesOut) {
  world.h().SetFrameCap(6000);
  Start();
  const int t0 = MilliSecs();
  const int starts[] = {5000, 31000, 45000, 67000};  // scenes 2..5
  for (int k = 0; k < 4; ++k) {
    while (out->part == k + 1) Step();
    EXPECT_EQ(out->part, k + 2);
    EXPECT_GE(MilliSecs() - t0, starts[k]) << "scene " << k + 2;
    EXPECT_LE(MilliSecs() - t0, starts[k] + 17 * (k + 2)) << "scene " << k + 2;
  }
  while (out->dFade == 0) Step();
  EXPECT_NEAR(MilliSecs() - t0, 88000, 17 * 6);
}

TEST_F(OutroWorld, AFirstFramePressFadesOutThenTheCreditsRunOverTheOutro) {
  registerStoryStates();
  world.h().SetFrameCap(60);
  // Pressed as the first frame ends: what comes before the loop is not its own.
  world.h().Wait(1).MoveMouse(300, 300).PressMouse(1).Wait(2).ReleaseMouse(1);
  EXPECT_EQ(runRegisteredState(kStateOutro), kStateMainMenu);
  EXPECT_LT(out->seen.size(), 30u);
  EXPECT_EQ(out->part, 1);
  EXPECT_EQ(world.recCredits->runs, 1);
  EXPECT_EQ(world.recCredits->over, out);
}

TEST_F(OutroWorld, APauseInSceneTwoMovesOnlyTheCaption) {
  world.h().SetFrameCap(3000);
  Start();
  while (out->part != 2) Step();
  for (int f = 0; f < 60; ++f) Step();
  auto caption = out->actText;
  ASSERT_TRUE(caption);
  const int expiry = caption->waitTime, sceneEnd = out->nextTime;
  frameBindings().pause();  // as the pause screen does
  world.h().AdvanceClock(30000);
  frameBindings().resume();
  EXPECT_EQ(out->nextTime, sceneEnd);
  Step();
  EXPECT_EQ(out->part, 3);
  EXPECT_EQ(caption->waitTime, expiry + 30000);
}

TEST_F(OutroWorld, EveryRunShowsItsFirstCaptionOnlyOnceFadedIn) {
  for (int run = 0; run < 2; ++run) {
    out->seen.clear();
    world.h().SetFrameCap(300);
    world.h().Wait(200).MoveMouse(300, 300).PressMouse(1).Wait(2).ReleaseMouse(1);
    EXPECT_EQ(out->mainloop(), kStateMainMenu);
    const auto first = std::find_if(out->seen.begin(), out->seen.end(), [](auto& s) { return s.caption; });
    ASSERT_NE(first, out->seen.end()) << run;
    EXPECT_EQ(first->fade, 0) << run;
    EXPECT_GT(first - out->seen.begin(), 15) << run << ": the fade-in takes 20 frames";
  }
  EXPECT_EQ(world.recCredits->runs, 2);
}

TEST_F(OutroWorld, RaysFanFromFortyThreeToMinusSeventyDegrees) {
  Start();
  EXPECT_EQ(out->stripeRot, (std::array<int, 8>{43, 27, 11, -5, -21, -37, -53, -70}));
  for (int i = 0; i < 8; ++i) {
    EXPECT_TRUE(out->stripeDA[i] == 0 || out->stripeDA[i] == 1) << i;
    EXPECT_GE(out->stripeA[i], 0);
    EXPECT_LT(out->stripeA[i], 1);
    EXPECT_GE(out->stripeSpeed[i], 0.005f);
    EXPECT_LE(out->stripeSpeed[i], 0.01f);
  }
}

TEST_F(OutroWorld, BannersBeforeTheirTimeAreDrawnUnseenButStillSorted) {
  Start();
  delta = 1;
  out->part = 3;
  out->alpha3 = 1;
  out->start_third();
  const int t0 = MilliSecs();
  struct Probe {
    int at;
    std::array<bool, 4> seen;
  };
  const Probe probes[] = {
      {100, {false, false, false, false}}, {3000, {true, false, false, false}}, {7000, {true, true, true, false}}};
  for (const Probe& p : probes) {
    while (MilliSecs() - t0 < p.at) {
      out->_draw_Third();
      world.h().Frame();
    }
    ASSERT_EQ(out->buffer.size(), 4u) << p.at;
    float lastY = -1e9f;
    std::array<bool, 4> seen{};
    for (const auto& o : out->buffer) {
      EXPECT_GE(static_cast<int>(o->y), static_cast<int>(lastY)) << p.at;
      lastY = o->y;
      for (int i = 0; i < 4; ++i)
        if (o->img == out->flag[i]) seen[i] = o->a > 0;
    }
    EXPECT_EQ(seen, p.seen) << p.at;
  }
}

TEST_F(OutroWorld, ContentHasCaptionsFromItsTextFileOfAtMostTwoLines) {
  out->loadStory();
  test::ExpectCaptionsFrom(out->texts, "txt/en/outro.txt", 88000, 3000);
}

}  // namespace
}  // namespace sorvanta
