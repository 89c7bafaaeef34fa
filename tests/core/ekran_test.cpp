#include "core/ekran.h"

#include <gtest/gtest.h>

#include "core/delta_time.h"
#include "core/globals.h"
#include "platform/clock.h"

namespace sorvanta {
namespace {

// Runs both ramps frame by frame until they settle; returns the frames taken.
int FramesToSettle(TEkran& screen, float frameDelta) {
  delta = frameDelta;
  int frames = 0;
  for (; (screen.fade != screen.dFade || screen.alpha != screen.dAlpha) && frames < 1000; ++frames) {
    screen._updateFade();
    screen._updateAlpha();
  }
  return frames;
}

TEST(Ekran, RampsLandExactlyOnTheirTargets) {
  TEkran screen;
  // At 60 frames per second a fade-in takes 20 frames, the alpha ramp 14.
  screen.dFade = 1;
  EXPECT_EQ(FramesToSettle(screen, 1.0f), 20);
  EXPECT_EQ(screen.fade, 1.0f);
  screen.dAlpha = 1;
  EXPECT_EQ(FramesToSettle(screen, 1.0f), 14);
  EXPECT_EQ(screen.alpha, 1.0f);

  // A 100 ms frame (delta 6) takes six-fold steps, clamped at the target.
  screen.dFade = 0.5f;
  screen.dAlpha = 0;
  delta = 6.0f;
  screen._updateFade();
  screen._updateAlpha();
  EXPECT_FLOAT_EQ(screen.fade, 0.7f);
  EXPECT_FLOAT_EQ(screen.alpha, 0.55f);
  EXPECT_EQ(FramesToSettle(screen, 6.0f), 2);
  EXPECT_EQ(screen.fade, 0.5f);
  EXPECT_EQ(screen.alpha, 0.0f);
  screen.fade = 0;
  screen.dFade = 1;
  EXPECT_EQ(FramesToSettle(screen, 6.0f), 4);  // 0.3 per frame upward
  EXPECT_EQ(screen.fade, 1.0f);
}

TEST(DeltaTime, MeasuresFramesAgainstTheTargetRate) {
  int now = 5000;
  SetTestClock([&] { return now; });
  auto timer = TDeltaTime::Create(60.0f);
  timer->Update();  // the first update measures from clock 0
  EXPECT_EQ(timer->ElapsedTime, 5000);
  now += 100;
  timer->Update();
  EXPECT_FLOAT_EQ(timer->CurrDelta(), 6.0f);

  // The clock wraps like a 32-bit counter: the wrap is an ordinary frame.
  now = 2147483647 - 10;
  timer->Update();
  now = -2147483647 - 1 + 6;  // 17 ms later
  timer->Update();
  EXPECT_EQ(timer->ElapsedTime, 17);
  EXPECT_FLOAT_EQ(timer->CurrDelta(), 17.0f / (1000.0f / 60.0f));
  EXPECT_EQ(timer->CheckTime, -2147483647 - 1 + 6 + 1000 - 17);
  int fps = timer->FPS();
  now += 17;
  timer->Update();
  EXPECT_EQ(timer->FPS(), fps);  // still in the same second

  // With no target rate there is no frame length: delta is 0, not infinite.
  TDeltaTime bare;
  now += 16;
  bare.Update();
  EXPECT_EQ(bare.CurrDelta(), 0.0f);
  bare.SetFPS(0);
  EXPECT_EQ(bare.CurrDelta(), 0.0f);

  timer->Destroy();
  for (auto& t : TDeltaTime::DeltaTList()) EXPECT_NE(t, timer);
}

}  // namespace
}  // namespace sorvanta
