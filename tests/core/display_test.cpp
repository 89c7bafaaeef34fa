#include "core/display.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/shell_test_support.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

// A display without a screen: it accepts or refuses modes, records every
// call the letterbox makes, and keeps the drawing state those calls set.
class FakeDisplay : public TDisplayDriver {
 public:
  std::function<bool(int w, int h, int depth)> accept = [](int, int, int) { return true; };
  std::vector<std::string> modes;    // "WxH/depth" of every graphics call
  std::vector<std::string> failures;
  int gw = 0, gh = 0;
  float vw = 0, vh = 0;
  int vx = 0, vy = 0, vpw = 0, vph = 0;
  float ox = 0, oy = 0;
  int cr = 0, cg = 0, cb = 0;
  float mx = 0, my = 0;

  bool graphics(int w, int h, int depth, int hertz, int flags) override {
    EXPECT_EQ(hertz, 60);
    EXPECT_EQ(flags, 0);
    modes.push_back(std::to_string(w) + "x" + std::to_string(h) + "/" + std::to_string(depth));
    if (!accept(w, h, depth)) return false;
    gw = w;
    gh = h;
    return true;
  }
  int graphicsWidth() override { return gw; }
  int graphicsHeight() override { return gh; }
  void setVirtualResolution(float w, float h) override { vw = w, vh = h; }
  float virtualResolutionWidth() override { return vw; }
  float virtualResolutionHeight() override { return vh; }
  void setViewport(int x, int y, int w, int h) override { vx = x, vy = y, vpw = w, vph = h; }
  void getViewport(int& x, int& y, int& w, int& h) override { x = vx, y = vy, w = vpw, h = vph; }
  void setOrigin(float x, float y) override { ox = x, oy = y; }
  void getOrigin(float& x, float& y) override { x = ox, y = oy; }
  void setClsColor(int r, int g, int b) override { cr = r, cg = g, cb = b; }
  void getClsColor(int& r, int& g, int& b) override { r = cr, g = cg, b = cb; }
  void cls() override {}
  float virtualMouseX() override { return mx; }
  float virtualMouseY() override { return my; }
  void moveVirtualMouse(float x, float y) override { mx = x, my = y; }
  void fail(const char* message) override { failures.push_back(message); }
};

class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = std::make_shared<FakeDisplay>();
    SetDisplayDriver(fake);
  }
  void desktop(int w, int h) {
    START_DESKTOP_WIDTH_ = w;
    START_DESKTOP_HEIGHT_ = h;
  }
  // Letterboxes the design area into a gw x gh mode.
  void letterboxInto(int gw, int gh, int mode = 3) {
    fake->gw = gw;
    fake->gh = gh;
    SetAspectResolution(1024, 768, mode);
  }

  std::shared_ptr<FakeDisplay> fake;
};

using Modes = std::vector<std::string>;

TEST_F(DisplayTest, LetterboxScalesAndCentresTheDesignArea) {
  // Virtual size and origin of the design area for a gw x gh mode.
  auto box = [&](int gw, int gh, int mode, float vw, float vh, float ox, float oy) {
    SCOPED_TRACE(std::to_string(gw) + "x" + std::to_string(gh) + " mode " + std::to_string(mode));
    letterboxInto(gw, gh, mode);
    EXPECT_NEAR(fake->vw, vw, 1e-2);
    EXPECT_NEAR(fake->vh, vh, 1e-2);
    EXPECT_NEAR(aspectOriginX, ox, 1e-2);
    EXPECT_NEAR(aspectOriginY, oy, 1e-2);
    EXPECT_FLOAT_EQ(fake->ox, aspectOriginX);
  };
  // No mode yet: the design size, not a division by zero.
  box(0, 0, 3, 1024, 768, 0, 0);
  box(1024, 768, 3, 1024, 768, 0, 0);
  box(1920, 1080, 3, 1365.33f, 768, 170.67f, 0);
  box(819, 614, 3, 1024.42f, 768, 0.21f, 0);
  box(800, 800, 3, 1024, 1024, 0, 128);  // taller than 4:3: bars above and below
  EXPECT_EQ(fake->vy, 128);
  box(1281, 801, 7, 1281, 801, 128, 16);  // whole-number scales only (bit 4)
  box(1280, 800, 0, 1024, 768, 0, 0);     // mode 0: no letterbox
  EXPECT_EQ(fake->vpw, 1024);
  letterboxInto(1280, 800, 1);  // mode 1 keeps the stored mode
  EXPECT_EQ(aspectMode, 0);

  // Wider than 4:3: bars left and right, the viewport clipped to the design area.
  box(1280, 800, 3, 1228.8f, 768, 102.4f, 0);
  EXPECT_EQ(fake->vx, 102);
  EXPECT_EQ(fake->vpw, 1024);
  EXPECT_EQ(fake->vph, 768);
}

TEST_F(DisplayTest, MouseOriginAndViewportAreInDesignCoordinates) {
  letterboxInto(1280, 800);
  MoveAspectMouse(5, 6);
  EXPECT_FLOAT_EQ(fake->mx, aspectOriginX + 5);
  EXPECT_FLOAT_EQ(AspectMouseX(), 5);
  SetAspectOrigin(10, 20);
  EXPECT_NEAR(fake->ox, 112.4, 1e-3);
  float x = 0, y = 0;
  GetAspectOrigin(x, y);
  EXPECT_NEAR(x, 10, 1e-4);
  EXPECT_FLOAT_EQ(y, 20);

  // Viewports are clipped to the design area, also where an int sum would overflow.
  SetAspectViewport(0, 0, 5000, 5000);
  EXPECT_EQ(fake->vx, 102);
  EXPECT_EQ(fake->vpw, 1024);
  SetAspectViewport(200, 100, 2147483647, 2147483647);
  EXPECT_EQ(fake->vx, 200);
  EXPECT_EQ(fake->vpw, 926);
  EXPECT_EQ(fake->vph, 668);
  SetAspectViewport(200, 100, 50, 40);
  int vx = 0, vy = 0, vw = 0, vh = 0;
  GetAspectViewport(vx, vy, vw, vh);
  EXPECT_EQ(vx, 97);
  EXPECT_EQ(vy, 100);
  EXPECT_EQ(vw, 50);
}

TEST_F(DisplayTest, WindowSizeFollowsTheDesktopHeight) {
  for (const auto& [height, mode] : std::vector<std::pair<int, std::string>>{
           {769, "1024x768/0"}, {768, "819x614/0"}, {601, "819x614/0"}, {600, "640x480/0"}}) {
    fake->modes.clear();
    pierwszeuruchomienie = 1;
    desktop(1920, height);
    EXPECT_TRUE(openScreenASPECT(1024, 768, 0, 1));
    EXPECT_EQ(fake->modes, Modes{mode}) << height;
    EXPECT_EQ(pierwszeuruchomienie, 0);
    EXPECT_EQ(aspectMode, 3);
  }
  // A tall desktop whose 1024 x 768 window is refused gets the smaller window.
  fake->modes.clear();
  desktop(1920, 1080);
  fake->accept = [](int w, int, int) { return w != 1024; };
  EXPECT_TRUE(openScreenASPECT(1024, 768, 0, 0));
  EXPECT_EQ(fake->modes, (Modes{"1024x768/0", "819x614/0"}));
  EXPECT_NEAR(aspectOriginX, 0.21, 1e-2);

  // Nothing at all: one line through the driver's failure, and false.
  fake->modes.clear();
  fake->accept = [](int, int, int) { return false; };
  EXPECT_FALSE(openScreenASPECT(1024, 768, 0, 0));
  EXPECT_EQ(fake->modes, (Modes{"1024x768/0", "819x614/0"}));
  ASSERT_EQ(fake->failures.size(), 1u);
  EXPECT_EQ(fake->failures[0].find('\n'), std::string::npos);
  EXPECT_FALSE(openScreenASPECT(1024, 768, 1, 1));
  EXPECT_EQ(fake->failures.size(), 2u);
}

TEST_F(DisplayTest, FullScreenUsesTheDesktopOrTheDesignSizeWithFallbacks) {
  desktop(1920, 1080);
  pierwszeuruchomienie = 1;
  EXPECT_TRUE(openScreenASPECT(1024, 768, 1, 1));
  // Only the first mode of the run opens the tiny window first.
  EXPECT_EQ(fake->modes, (Modes{"1x1/0", "1920x1080/0", "1920x1080/32"}));
  EXPECT_NEAR(aspectOriginX, 170.67, 1e-2);

  fake->modes.clear();
  EXPECT_TRUE(openScreenASPECT(1024, 768, 1, 0));
  EXPECT_EQ(fake->modes, (Modes{"1024x768/0", "1024x768/32"}));

  // A refused full screen falls back to 800 x 600, or retries the desktop size.
  fake->modes.clear();
  fake->accept = [](int w, int, int depth) { return depth == 0 || w == 800; };
  EXPECT_TRUE(openScreenASPECT(1024, 768, 1, 0));
  EXPECT_EQ(fake->modes, (Modes{"1024x768/0", "1024x768/32", "800x600/0", "800x600/32"}));

  fake->modes.clear();
  int refusals = 1;
  fake->accept = [&](int, int, int depth) { return depth == 0 || refusals-- <= 0; };
  EXPECT_TRUE(openScreenASPECT(1024, 768, 1, 1));
  EXPECT_EQ(fake->modes, (Modes{"1920x1080/0", "1920x1080/32", "1920x1080/0", "1920x1080/32"}));

  // No full screen at all: a window rather than nothing.
  fake->modes.clear();
  fake->accept = [](int, int, int depth) { return depth == 0; };
  EXPECT_TRUE(openScreenASPECT(1024, 768, 1, 0));
  EXPECT_EQ(fake->modes.back(), "1024x768/0");
  EXPECT_TRUE(fake->failures.empty());
}

TEST(DisplayDriver, FailSaysSoInOneLineSavesThePlayersAndEndsWithAFailureStatus) {
  shell_test::ShellWorld world(shell_test::NoCapture());
  testing::internal::CaptureStderr();
  EXPECT_THROW(TDisplayDriver().fail("no graphics mode"), EndRequested);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "no graphics mode\n");
  EXPECT_EQ(world.endStatus, 1);
  // A mode switch that fails mid-game must not lose the players' progress.
  EXPECT_EQ(world.recProfiles->saves, 1);
}

TEST(DisplayPixels, DrawingOutsideTheDesignAreaIsClippedToIt) {
  HarnessOptions wide;
  wide.width = 1920;  // scale 1.40625: the design area spans pixels 240 to 1679
  wide.height = 1080;
  Harness h(wide);
  SetAspectResolution(1024, 768, 3);
  SetClsColor(0, 255, 0);
  AspectCls();
  SetColor(255, 0, 0);
  DrawRect(-500, -500, 2024, 1768);
  h.Frame();
  EXPECT_EQ(h.PixelAt(238, 540), 0xff000000u);   // left bar
  EXPECT_EQ(h.PixelAt(241, 0), 0xffff0000u);     // design area
  EXPECT_EQ(h.PixelAt(1678, 1079), 0xffff0000u);
  EXPECT_EQ(h.PixelAt(1681, 540), 0xff000000u);  // right bar

  // The next frame's clear: bars in the border colour, the design area in the clear colour.
  AspectCls();
  h.Frame();
  EXPECT_EQ(h.PixelAt(100, 540), 0xff000000u);
  EXPECT_EQ(h.PixelAt(960, 540), 0xff00ff00u);

  // The mouse at the left edge of the design area reads 0.
  h.MoveMouseToPixel(240, 540);
  h.Frame();
  EXPECT_NEAR(AspectMouseX(), 0, 1e-3);
  EXPECT_NEAR(AspectMouseY(), 384, 1e-3);

  SetClsColor(0, 0, 0);
  aspectMode = 0;
  aspectOriginX = aspectOriginY = aspectWidth = aspectHeight = 0;
}

}  // namespace
}  // namespace sorvanta
