// The intro: its timeline, skip, pause, figures, flags, lightning and content.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "core/frame_bindings.h"
#include "core/screen_loop.h"
#include "core/shell_test_support.h"
#include "story_shots.h"
#include "platform/clock.h"
#include "story/intro.h"

namespace sorvanta {
namespace {

struct SoundLog : TGlobalSnd {
  std::vector<std::pair<int, std::string>> played;  // (clock, name)
  void playMySound(const std::string& name) override { played.emplace_back(MilliSecs(), name); }
  void playMyMusic(const std::string&) override {}
  void update() override {}
};

struct IntroWorld : ::testing::Test {
  explicit IntroWorld(bool capture = false)
      : world(capture ? HarnessOptions{} : shell_test::NoCapture()) {}
  void SetUp() override {
    intro = in = std::make_shared<TIntro>();
    globalSnd = snd = std::make_shared<SoundLog>();
    in->setup();
  }
  // One frame of the loop without its drawing.
  void Step() {
    updateScreen(*in);
    world.h().Frame();
  }
  shell_test::ShellWorld world;
  std::shared_ptr<TIntro> in;
  std::shared_ptr<SoundLog> snd;
};

TEST_F(IntroWorld, ScenesChangeOnTheirTimesAndTheEndFadesOut) {
  world.h().SetFrameCap(7000);
  in->prepare();
  const int t0 = MilliSecs();
  const int ends[] = {10000, 18000, 30000, 39000, 50000, 59000};
  for (int k = 0; k < 6; ++k) {
    while (in->part == k) Step();
    const int at = MilliSecs() - t0;
    EXPECT_GE(at, ends[k]) << "scene " << k;
    EXPECT_LE(at, ends[k] + 17 * (k + 2)) << "scene " << k;  // read a frame after
    if (k == 5) {
      ASSERT_EQ(in->listaDruidow.size(), 10u);
      EXPECT_NEAR(in->listaDruidow.front()->time, MilliSecs(), 17);  // the departures start
    }
  }
  while (in->dFade == 0) Step();
  EXPECT_NEAR(MilliSecs() - t0, 95000, 17 * 8);
  EXPECT_EQ(in->listaDruidow.size(), 1u) << "only the walker stays";
  EXPECT_EQ(in->listaDruidow.back()->x, 529);
}

TEST_F(IntroWorld, WithoutACaptionNothingAdvances) {
  in->prepare();
  in->texts.clear();
  for (int f = 0; f < 700; ++f) Step();
  EXPECT_EQ(in->part, 0);
  EXPECT_TRUE(in->firstList.empty());
}

TEST_F(IntroWorld, ABackgroundStayInSceneTwoEndsItAndMovesOnlyTheCaption) {
  world.h().SetFrameCap(3000);
  in->prepare();
  while (in->part != 2) Step();
  for (int f = 0; f < 60; ++f) Step();
  auto caption = in->actText;
  const int expiry = caption->waitTime;
  frameBindings().pause();  // as the pause screen does
  world.h().AdvanceClock(30000);
  frameBindings().resume();
  Step();
  EXPECT_EQ(in->part, 3);
  EXPECT_EQ(caption->waitTime, expiry + 30000);
  EXPECT_EQ(in->actText, caption);
}

TEST_F(IntroWorld, ALeftPressSkipsToMainGameAndASecondRunStartsAgain) {
  for (int pressAt : {5, 400}) {  // during the fade-in, during scene 0
    world.h().SetFrameCap(pressAt + 40);
    world.ClickAt(300, 300, pressAt);
    EXPECT_EQ(in->mainloop(), kStateMainGame) << pressAt;
    EXPECT_EQ(in->fade, 1);
  }
  in->rot = 123;
  in->part = 6;
  in->prepare();  // its one unshown drawing of the last scene turns the circle a step
  EXPECT_EQ(in->part, 0);
  EXPECT_NEAR(in->rot, 123, 0.5f) << "the flags' circle goes on where it stopped";
  EXPECT_EQ(in->listaDruidow.size(), 10u);
  EXPECT_EQ(in->scrollTime, 0);
}

TEST_F(IntroWorld, FiguresLeaveInTurnAndTheLastWalksToTheScrollOnce) {
  in->prepare();
  delta = 1;  // the frames below run without the system step
  const int t0 = MilliSecs();
  in->ResetDruids();
  std::vector<TDruid*> order;
  for (auto& d : in->listaDruidow) order.push_back(d.get());
  EXPECT_EQ(order.back()->time, t0 + 1700 * 9 - 2000);
  std::vector<int> fadeStart(10, -1);
  int scrollTime = 0, walkEnd = -1;
  for (int f = 0; f < 60 * 22; ++f) {
    for (int k = 0; k < 9; ++k)
      if (fadeStart[k] < 0 && order[k]->a < 1) fadeStart[k] = MilliSecs() - t0;
    const int now = MilliSecs();
    in->_updateSix();
    world.h().Frame();
    if (in->scrollTime && !scrollTime) scrollTime = in->scrollTime, walkEnd = now;
  }
  for (int k = 0; k < 9; ++k) EXPECT_NEAR(fadeStart[k], 1700 * k, 34) << k;
  ASSERT_EQ(in->listaDruidow.size(), 1u);
  EXPECT_EQ(in->listaDruidow.front().get(), order.back());
  EXPECT_EQ(order.back()->x, 529);
  EXPECT_EQ(scrollTime, walkEnd + 200);
  EXPECT_EQ(in->scrollTime, scrollTime) << "set once";
  EXPECT_EQ(in->flyScroll[3], walkEnd + 8000);
  EXPECT_EQ(in->scrollA, 1);
}

TEST(StoryDepth, ScalesByHeightAndKeepsTheOrderOfSpritesUnderAPixelApart) {
  EXPECT_NEAR(TBO::depthScale(140), 0.488f, 1e-5);
  EXPECT_NEAR(TBO::depthScale(240), 0.608f, 1e-5);
  TBOList buffer;
  for (float y : {100.9f, 100.2f, 50.0f}) {
    buffer.push_back(std::make_shared<TBO>());
    buffer.back()->y = y;
  }
  sortByDepth(buffer);
  std::vector<float> ys;
  for (auto& o : buffer) ys.push_back(o->y);
  EXPECT_EQ(ys, (std::vector<float>{50.0f, 100.9f, 100.2f}));
}

TEST_F(IntroWorld, FlagsDimAndFlyOnTheirTimesAndAFlownFlagIsGone) {
  in->prepare();
  delta = 1;
  const int t0 = MilliSecs();
  in->part = 6;
  in->sixA = 1;
  for (int i = 0; i < 4; ++i) in->tapTime[i] = t0 + 1000 * (i + 1);
  in->scrollTime = t0 + 100;
  in->flyScroll = {t0 + 3000, t0 + 100000, t0 + 100000, t0 + 100000};
  struct Probe { int at; float tapA0, tapA3; float fly0; size_t drawn; };
  const Probe probes[] = {
      {900, 1, 1, 0, 4},        // nothing yet
      {2800, 0.5f, 1, 0, 4},    // flag 0 dimmed to half (about 1.7 s)
      {3500, 0.5f, 1, -1, 4},   // flag 0 in flight
      {5000, 0.5f, 0.7f, 1, 3}  // its flight over: no longer drawn
  };
  for (const Probe& p : probes) {
    while (MilliSecs() - t0 < p.at) {
      in->_drawSix();
      world.h().Frame();
    }
    EXPECT_NEAR(in->tapA[0], p.tapA0, 0.01f) << p.at;
    EXPECT_NEAR(in->tapA[3], p.tapA3, 0.03f) << p.at;
    if (p.fly0 >= 0) EXPECT_EQ(in->tapFlyP[0], p.fly0) << p.at;
    else EXPECT_GT(in->tapFlyP[0], 0) << p.at;
    EXPECT_EQ(in->buffer.size(), p.drawn) << p.at;
  }
}

TEST_F(IntroWorld, LightningFlashesThreeSevenAndElevenSecondsIntoSceneTwo) {
  in->prepare();
  delta = 1;
  in->part = 1;
  in->nextPart = MilliSecs() - 1;
  in->_updateFirstA();
  ASSERT_EQ(in->part, 2);
  const int t0 = MilliSecs();
  float peak = 0;
  while (MilliSecs() - t0 < 11500) {
    in->_updateSecond();
    peak = std::max(peak, in->lightA);
    world.h().Frame();
  }
  ASSERT_EQ(snd->played.size(), 3u);
  const int at[] = {3000, 7000, 11000};
  for (int k = 0; k < 3; ++k) {
    EXPECT_GE(snd->played[k].first - t0, at[k]) << k;
    EXPECT_LE(snd->played[k].first - t0, at[k] + 17 * (k + 1)) << k;
    EXPECT_TRUE(snd->played[k].second == "piorun0" || snd->played[k].second == "piorun1");
  }
  EXPECT_EQ(peak, 1);
  EXPECT_FALSE(in->secondList.empty()) << "smoke";
}

TEST_F(IntroWorld, ContentHasCaptionsFromItsTextFileOfAtMostTwoLines) {
  in->loadStory();
  test::ExpectCaptionsFrom(in->texts, "txt/en/intro.txt", 95000, 5000);
}

}  // namespace
}  // namespace sorvanta
