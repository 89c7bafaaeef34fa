// Full screen at a size other than the desktop's: a display mode of that size
// where there is one, else that frame stretched over the whole screen.
#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "platform/harness.h"
#include "platform/input.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "platform/video_internal.h"

namespace sorvanta {
namespace {

TEST(FullScreen, TheDesktopsSizeKeepsItsModeAnotherSizeGetsItsModeOrIsScaled) {
  using K = FullScreenKind;
  struct Case {
    int w, h, desktopW, desktopH;
    bool hasMode;
    K kind;
  };
  const Case cases[] = {
      {1920, 1080, 1920, 1080, true, K::kDesktop},   {1024, 768, 1920, 1080, true, K::kDisplayMode},
      {1024, 768, 1920, 1080, false, K::kScaled},    {800, 600, 1024, 768, false, K::kScaled},
      {1024, 768, 0, 0, false, K::kDesktop},  // desktop unknown: take what it has
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseFullScreen(c.w, c.h, c.desktopW, c.desktopH, c.hasMode), c.kind)
        << c.w << "x" << c.h << " on " << c.desktopW << "x" << c.desktopH;
}

TEST(FullScreen, AScaledFrameFillsTheScreenAndThePointerFollowsIt) {
  Harness h;  // the dummy display's desktop is 1024 x 768 and has no other mode
  ASSERT_NE(Graphics(800, 600, 32), nullptr);
  EXPECT_TRUE(GraphicsFullScreen());
  EXPECT_EQ(GraphicsWidth(), 800);
  EXPECT_EQ(GraphicsHeight(), 600);
  EXPECT_EQ(VirtualResolutionWidth(), 800);
  SetColor(255, 0, 0);
  DrawRect(0, 0, 800, 600);
  SetColor(0, 0, 255);
  DrawRect(790, 590, 10, 10);
  h.Frame();
  // Every pixel of the screen shows the frame: its far corner lands in the screen's.
  EXPECT_EQ(h.LastFrame()->width(), DesktopWidth());
  EXPECT_EQ(h.PixelAt(0, 0), 0xffff0000u);
  EXPECT_EQ(h.PixelAt(DesktopWidth() - 3, DesktopHeight() - 3), 0xff0000ffu);
  h.MoveMouseToPixel(DesktopWidth() / 2, DesktopHeight() / 2);
  PollSystem();
  EXPECT_FLOAT_EQ(VirtualMouseX(), 400);
  EXPECT_FLOAT_EQ(VirtualMouseY(), 300);
}

}  // namespace
}  // namespace sorvanta
