#include "platform/pixel_access.h"
#include "platform/read_back.h"
#include "platform/video.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "draw_test_support.h"
#include "platform/harness.h"
#include "platform/input.h"
#include "platform/video_internal.h"

namespace sorvanta {
namespace {

using testing::ExpectPixels;
using testing::Near;

// The letterbox the game sets up: the 1024 x 768 design area scaled to fit
// the window, centred, drawing clipped to it.
struct Letterbox {
  float virtW, virtH, originX, originY;
};

Letterbox SetUpLetterbox() {
  float scale = std::min(GraphicsWidth() / 1024.0f, GraphicsHeight() / 768.0f);
  Letterbox box{GraphicsWidth() / scale, GraphicsHeight() / scale, 0, 0};
  box.originX = (box.virtW - 1024) * 0.5f;
  box.originY = (box.virtH - 768) * 0.5f;
  SetVirtualResolution(box.virtW, box.virtH);
  SetClsColor(0, 0, 0);
  Cls();
  SetViewport(static_cast<int>(box.originX), static_cast<int>(box.originY), 1024, 768);
  SetOrigin(box.originX, box.originY);
  return box;
}

TEST(Video, LetterboxMapsTheDesignAreaAndTheMouseAtSeveralWindowSizes) {
  for (auto [w, hh] : {std::pair{1024, 768}, {1280, 800}, {800, 800}, {819, 614}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(hh));
    HarnessOptions options;
    options.width = w;
    options.height = hh;
    Harness h(options);
    Letterbox box = SetUpLetterbox();
    SetClsColor(255, 255, 255);
    Cls();
    SetColor(255, 0, 0);
    DrawRect(0, 0, 10, 10);         // design top-left corner
    DrawRect(-100, 300, 2000, 10);  // clipped to the design area
    h.Frame();
    const float k = w / box.virtW;  // pixels per design unit
    auto at = [&](float dx, float dy) {
      return h.PixelAt(static_cast<int>((dx + box.originX) * k), static_cast<int>((dy + box.originY) * k));
    };
    EXPECT_TRUE(Near(at(5, 5), 255, 0, 0));
    EXPECT_TRUE(Near(at(512, 384), 255, 255, 255));
    EXPECT_TRUE(Near(at(1020, 305), 255, 0, 0));
    // The bars stay black, also where the clipped rectangle ran into them.
    const int row = static_cast<int>((305 + box.originY) * k);
    const bool sideBars = box.originX > 2;
    EXPECT_EQ(Near(h.PixelAt(2, row), 0, 0, 0), sideBars);
    EXPECT_EQ(Near(h.PixelAt(w - 3, row), 0, 0, 0), sideBars);
    EXPECT_EQ(Near(h.PixelAt(w / 2, 2), 0, 0, 0), box.originY > 2);
    // The mouse at the design area's left edge reads design x 0 whatever the
    // bar; the harness places it in virtual units too.
    h.MoveMouseToPixel(static_cast<int>(std::lround(box.originX * k)), hh / 2);
    PollSystem();
    EXPECT_NEAR(VirtualMouseX() - box.originX, 0.0f, 1.0f / k + 0.01f);
    EXPECT_NEAR(VirtualMouseY(), box.virtH / 2, 1.0f);
    h.MoveMouse(box.originX + 100, box.originY + 50);
    PollSystem();
    EXPECT_NEAR(VirtualMouseX() - box.originX, 100.0f, 1.0f);
    EXPECT_NEAR(VirtualMouseY() - box.originY, 50.0f, 1.0f);
  }
}

TEST(Video, ViewportClipsDrawingAndClsAndIsNotShiftedByTheOrigin) {
  Harness h;
  SetClsColor(0, 0, 255);
  Cls();
  SetViewport(100, 100, 50, 50);
  SetClsColor(255, 255, 0);
  Cls();
  SetOrigin(30, 30);  // moves drawing, not the viewport
  SetColor(255, 0, 0);
  DrawRect(100, 100, 1000, 1000);  // from virtual 130
  h.Frame();
  ExpectPixels(h, {{99, 120, 0x0000ff}, {110, 110, 0xffff00}, {140, 140, 0xff0000}, {151, 140, 0x0000ff},
                   {140, 151, 0x0000ff}});
  // An empty viewport draws and clears nothing.
  SetViewport(0, 0, 1024, 768);
  SetClsColor(0, 0, 0);
  Cls();
  SetViewport(10, 10, 0, 0);
  SetClsColor(255, 255, 255);
  Cls();
  DrawRect(-30, -30, 100, 100);
  h.Frame();
  ExpectPixels(h, {{10, 10, 0}});
  // A new virtual resolution opens the viewport to all of it.
  SetVirtualResolution(2048, 1536);
  int x, y, w, hh;
  GetViewport(x, y, w, hh);
  EXPECT_EQ(std::vector<int>({x, y, w, hh}), (std::vector<int>{0, 0, 2048, 1536}));
  SetClsColor(0, 255, 0);
  Cls();
  h.Frame();
  EXPECT_TRUE(Near(h.PixelAt(1000, 700), 0, 255, 0));
}

TEST(Video, BlendingArithmeticAndShapesFollowScaleRotationAndOrigin) {
  Harness h;
  SetClsColor(100, 100, 100);
  Cls();
  SetColor(200, 0, 0);
  SetAlpha(0.5f);
  DrawRect(0, 0, 10, 10);  // alpha blending by default: 200 * 0.5 + 100 * 0.5
  SetBlend(LIGHTBLEND);
  DrawRect(20, 0, 10, 10);  // 100 + 200 * 0.5
  SetColor(255, 255, 255);
  SetAlpha(1);
  DrawRect(40, 0, 10, 10);  // saturates
  SetAlpha(-1);             // clamped to 0: invisible
  EXPECT_EQ(GetAlpha(), 0.0f);
  DrawRect(60, 0, 10, 10);
  // The colour multiplies images: white through a red tint is red.
  SetBlend(ALPHABLEND);
  SetAlpha(2.5f);
  EXPECT_EQ(GetAlpha(), 1.0f);
  SetColor(255, 0, 0);
  DrawImage(testing::SplitImage(10, 10, 0xffffffffu, 0xffffffffu), 80, 0);
  SetColor(255, 255, 255);
  SetAlpha(0.25f);
  auto blue = testing::SplitImage(10, 10, 0xff0000ffu, 0xff0000ffu);
  DrawImage(blue, 100, 0);  // 255 * 0.25 + 100 * 0.75
  SetBlend(LIGHTBLEND);
  DrawImage(blue, 120, 0);  // 100 + 255 * 0.25
  SetBlend(ALPHABLEND);
  SetAlpha(1);

  SetOrigin(100, 100);
  SetScale(2, 3);
  DrawRect(0, 0, 10, 10);  // 100..120 x 100..130
  SetScale(-1, 1);
  DrawRect(300, 0, 10, 10);  // mirrored: 390..400
  SetScale(1, 1);
  SetRotation(90);
  DrawRect(500, 0, 20, 10);  // turned clockwise about its corner: 590..600 x 100..120
  SetRotation(0);
  SetOrigin(0, 0);
  DrawLine(700, 50, 750, 50);
  h.Frame();
  ExpectPixels(h, {{5, 5, 0x963232}, {25, 5, 0xc86464}, {45, 5, 0xffffff}, {65, 5, 0x646464}, {85, 5, 0xff0000},
                   {105, 5, 0x4b4b8b}, {125, 5, 0x6464a4}});
  ExpectPixels(h, {{118, 128, 0xffffff}, {121, 110, 0x646464}, {395, 105, 0xffffff}, {405, 105, 0x646464},
                   {595, 115, 0xffffff}, {605, 105, 0x646464}, {725, 50, 0xffffff}, {725, 52, 0x646464}});
}

TEST(Video, GrabPixmapRoundTripsThroughAnImage) {
  HarnessOptions options;
  options.width = 1280;  // a scaled letterbox: the grab is resampled to design units
  options.height = 800;
  Harness h(options);
  Letterbox box = SetUpLetterbox();
  SetClsColor(10, 20, 30);
  Cls();
  SetColor(255, 0, 0);
  DrawRect(0, 0, 40, 40);
  SetColor(0, 255, 0);
  DrawRect(40, 0, 40, 40);
  auto grab = GrabPixmap(0, 0, 1024, 768);
  ASSERT_NE(grab, nullptr);
  EXPECT_EQ(std::pair(grab->width(), grab->height()), std::pair(1024, 768));
  EXPECT_TRUE(Near(ReadPixel(grab, 20, 20), 255, 0, 0));
  EXPECT_TRUE(Near(ReadPixel(grab, 60, 20), 0, 255, 0));
  EXPECT_EQ(ReadPixel(grab, 500, 500), 0xff0a141eu);
  // Drawn back at the same place, the frame looks the same.
  SetClsColor(0, 0, 0);
  Cls();
  SetColor(255, 255, 255);
  DrawImage(LoadImage(grab, -1), 0, 0);
  h.Frame();
  const float k = 800.0f / 768.0f;
  auto at = [&](float dx, float dy) {
    return h.PixelAt(static_cast<int>((dx + box.originX) * k), static_cast<int>((dy + box.originY) * k));
  };
  EXPECT_TRUE(Near(at(20, 20), 255, 0, 0, 4));
  EXPECT_TRUE(Near(at(60, 20), 0, 255, 0, 4));
  EXPECT_TRUE(Near(at(500, 500), 10, 20, 30, 4));
  EXPECT_EQ(GrabPixmap(0, 0, 0, 10), nullptr);
}

TEST(Video, ImagesSurviveAModeSwitchAndLoadBeforeAnyMode) {
  EndGraphics();
  auto image = testing::SplitImage();  // loaded with no mode open
  ASSERT_NE(image, nullptr);
  DrawImage(image, 0, 0);  // without a mode: nothing, no crash
  Harness h;
  DrawImage(image, 0, 0);
  h.Frame();
  ExpectPixels(h, {{2, 2, 0xff0000}});
  ASSERT_NE(Graphics(640, 480, 0), nullptr);  // another mode: the image draws in it too
  Cls();
  DrawImage(image, 100, 100);
  h.Frame();
  ExpectPixels(h, {{102, 102, 0xff0000}, {117, 102, 0x00ff00}});
  ASSERT_NE(Graphics(800, 600, 32), nullptr);  // full screen: the 800 x 600 frame covers the desktop
  EXPECT_TRUE(GraphicsFullScreen());
  EXPECT_EQ(GraphicsWidth(), 800);
  DrawImage(image, 0, 0);
  h.Frame();
  ExpectPixels(h, {{2, 2, 0xff0000}});
  EXPECT_EQ(RendererName(), "software");
  EXPECT_EQ(Graphics(0, 10, 0), nullptr);
  EXPECT_FALSE(GraphicsOpen());
}

}  // namespace
}  // namespace sorvanta

namespace sorvanta {
namespace {

// A clear is skipped only when it would change nothing: every step that can
// leave other pixels under it makes the next clear count again.
TEST(Video, ARepeatedClearIsSkippedOnlyWhenNothingChangedSince) {
  Harness h;
  struct Case {
    const char* name;
    void (*between)();  // after the first clear, before the second
    std::uint32_t expected;  // pixel (10, 10) after the second
  };
  const Case cases[] = {
      {"nothing between", [] {}, 0xff000000u},
      {"a rectangle drawn", [] { SetColor(255, 0, 0); DrawRect(0, 0, 50, 50); }, 0xff000000u},
      {"a line drawn", [] { SetColor(0, 255, 0); for (int y = 0; y < 20; ++y) DrawLine(0, y, 50, y); }, 0xff000000u},
      {"another colour", [] { SetClsColor(0, 0, 255); }, 0xff0000ffu},
      {"another viewport, then drawn", [] {
         SetViewport(0, 0, 20, 20); SetColor(255, 255, 0); DrawRect(0, 0, 50, 50); SetViewport(0, 0, 1024, 768);
       }, 0xff000000u},
  };
  for (const Case& c : cases) {
    SetClsColor(0, 0, 0);
    SetColor(255, 255, 255);
    Cls();
    c.between();
    Cls();
    h.Frame();
    EXPECT_EQ(h.PixelAt(10, 10), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace sorvanta

namespace sorvanta {
namespace {

// Start-up passes through a 1 x 1 window and a window of the screen's size
// on its way to full screen. The player sees one window, which appears at
// the first present; every mode after that is shown in it, and an image
// drawn before a switch still draws after it.
TEST(Video, EveryModeIsShownInTheOneWindowOpenedFirst) {
  HarnessOptions startUp;
  startUp.width = startUp.height = 1;
  Harness h(startUp);  // the dummy display's desktop is 1024 x 768
  const Uint32 first = SDL_GetWindowID(Video().window);
  auto image = testing::SplitImage();
  struct Case {
    int w, h, depth;
    bool present;  // a frame is presented in this mode
    int width, height;  // GraphicsWidth and GraphicsHeight
  };
  const Case cases[] = {
      {1024, 768, 0, false, 1024, 768}, {1024, 768, 32, true, 1024, 768},  // the start-up modes
      {800, 600, 32, true, 800, 600},  // scaled over the desktop
      {819, 614, 0, true, 819, 614},    {640, 480, 0, true, 640, 480},  {1024, 768, 32, true, 1024, 768},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + " depth " + std::to_string(c.depth));
    const bool shownBefore = (SDL_GetWindowFlags(Video().window) & SDL_WINDOW_SHOWN) != 0;
    ASSERT_NE(Graphics(c.w, c.h, c.depth), nullptr);
    EXPECT_EQ(SDL_GetWindowID(Video().window), first);
    EXPECT_EQ(std::pair(GraphicsWidth(), GraphicsHeight()), std::pair(c.width, c.height));
    EXPECT_EQ(GraphicsFullScreen(), c.depth != 0);
    EXPECT_EQ((SDL_GetWindowFlags(Video().window) & SDL_WINDOW_SHOWN) != 0, shownBefore);
    if (!c.present) continue;
    Cls();
    DrawImage(image, 0, 0);
    h.Frame();
    EXPECT_NE(SDL_GetWindowFlags(Video().window) & SDL_WINDOW_SHOWN, 0u);
    ExpectPixels(h, {{2, 2, 0xff0000}, {17, 7, 0x00ff00}, {30, 30, 0x000000}});
  }
}

}  // namespace
}  // namespace sorvanta
