#include "platform/video.h"

#include <gtest/gtest.h>

#include <cmath>

#include "draw_test_support.h"
#include "platform/harness.h"
#include "platform/input.h"

namespace sorvanta {
namespace {

using testing::Hex;
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
  struct Case {
    int w, h;
    bool barsLeftRight, barsTopBottom;
  };
  for (Case c : {Case{1024, 768, false, false}, Case{1280, 800, true, false}, Case{800, 800, false, true},
                 Case{819, 614, false, false}}) {
    HarnessOptions options;
    options.width = c.w;
    options.height = c.h;
    Harness h(options);
    EXPECT_EQ(GraphicsWidth(), c.w);
    EXPECT_EQ(GraphicsHeight(), c.h);
    Letterbox box = SetUpLetterbox();
    SetClsColor(255, 255, 255);
    Cls();
    SetColor(255, 0, 0);
    DrawRect(0, 0, 10, 10);              // design top-left corner
    DrawRect(-100, 300, 2000, 10);       // clipped to the design area
    h.Frame();
    const float k = c.w / box.virtW;  // pixels per design unit
    auto px = [&](float dx) { return static_cast<int>((dx + box.originX) * k); };
    auto py = [&](float dy) { return static_cast<int>((dy + box.originY) * k); };
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    EXPECT_TRUE(Near(h.PixelAt(px(5), py(5)), 255, 0, 0)) << Hex(h.PixelAt(px(5), py(5)));
    EXPECT_TRUE(Near(h.PixelAt(px(512), py(384)), 255, 255, 255));
    EXPECT_TRUE(Near(h.PixelAt(px(1020), py(305)), 255, 0, 0));
    if (c.barsLeftRight) {
      EXPECT_TRUE(Near(h.PixelAt(2, c.h / 2), 0, 0, 0)) << "left bar";
      EXPECT_TRUE(Near(h.PixelAt(2, py(305)), 0, 0, 0)) << "drawing clipped in the bar";
      EXPECT_TRUE(Near(h.PixelAt(c.w - 3, c.h / 2), 0, 0, 0)) << "right bar";
    }
    if (c.barsTopBottom) {
      EXPECT_TRUE(Near(h.PixelAt(c.w / 2, 2), 0, 0, 0)) << "top bar";
      EXPECT_TRUE(Near(h.PixelAt(c.w / 2, c.h - 3), 0, 0, 0)) << "bottom bar";
    }
    // The mouse at the design area's left edge reads design x 0 whatever the bar.
    h.MoveMouseToPixel(static_cast<int>(std::lround(box.originX * k)), c.h / 2);
    PollSystem();
    EXPECT_NEAR(VirtualMouseX() - box.originX, 0.0f, 1.0f / k + 0.01f);
    h.MoveMouseToPixel(c.w / 2, c.h / 2);
    PollSystem();
    EXPECT_EQ(MouseX(), c.w / 2);
    EXPECT_NEAR(VirtualMouseX(), box.virtW / 2, 1.0f);
    EXPECT_NEAR(VirtualMouseY(), box.virtH / 2, 1.0f);
    // The harness places the mouse in virtual units too.
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
  int x, y, w, hh;
  GetViewport(x, y, w, hh);
  EXPECT_EQ(x, 100);
  EXPECT_EQ(w, 50);
  h.Frame();
  EXPECT_TRUE(Near(h.Pixel(99, 120), 0, 0, 255));
  EXPECT_TRUE(Near(h.Pixel(110, 110), 255, 255, 0)) << "left of the drawing, inside the viewport";
  EXPECT_TRUE(Near(h.Pixel(140, 140), 255, 0, 0));
  EXPECT_TRUE(Near(h.Pixel(151, 140), 0, 0, 255));
  EXPECT_TRUE(Near(h.Pixel(140, 151), 0, 0, 255));
  // An empty viewport draws and clears nothing.
  SetViewport(0, 0, 1024, 768);
  SetOrigin(0, 0);
  SetClsColor(0, 0, 0);
  Cls();
  SetViewport(10, 10, 0, 0);
  SetClsColor(255, 255, 255);
  Cls();
  DrawRect(0, 0, 100, 100);
  h.Frame();
  EXPECT_TRUE(Near(h.Pixel(10, 10), 0, 0, 0));
  // A new virtual resolution opens the viewport to all of it.
  SetVirtualResolution(2048, 1536);
  GetViewport(x, y, w, hh);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(w, 2048);
  EXPECT_EQ(hh, 1536);
  SetClsColor(0, 255, 0);
  Cls();
  h.Frame();
  EXPECT_TRUE(Near(h.PixelAt(1000, 700), 0, 255, 0));
}

TEST(Video, AlphaAndLightBlendingArithmetic) {
  Harness h;
  SetClsColor(100, 100, 100);
  Cls();
  SetColor(200, 0, 0);
  SetAlpha(0.5f);
  SetBlend(ALPHABLEND);
  DrawRect(0, 0, 10, 10);  // 200 * 0.5 + 100 * 0.5
  SetBlend(LIGHTBLEND);
  DrawRect(20, 0, 10, 10);  // 100 + 200 * 0.5
  SetColor(255, 255, 255);
  SetAlpha(1);
  DrawRect(40, 0, 10, 10);  // saturates
  SetAlpha(2.5f);           // clamped to 1
  EXPECT_EQ(GetAlpha(), 1.0f);
  SetAlpha(-1);
  EXPECT_EQ(GetAlpha(), 0.0f);
  DrawRect(60, 0, 10, 10);  // invisible
  // The colour multiplies images: white through a red tint is red.
  SetBlend(ALPHABLEND);
  SetAlpha(1);
  SetColor(255, 0, 0);
  DrawImage(testing::SolidImage(10, 10, 0xffffffffu), 80, 0);
  SetColor(255, 255, 255);
  SetAlpha(0.25f);
  DrawImage(testing::SolidImage(10, 10, 0xff0000ffu), 100, 0);  // 255 * 0.25 + 100 * 0.75
  SetBlend(LIGHTBLEND);
  DrawImage(testing::SolidImage(10, 10, 0xff0000ffu), 120, 0);  // 100 + 255 * 0.25
  h.Frame();
  EXPECT_TRUE(Near(h.Pixel(5, 5), 150, 50, 50)) << Hex(h.Pixel(5, 5));
  EXPECT_TRUE(Near(h.Pixel(25, 5), 200, 100, 100)) << Hex(h.Pixel(25, 5));
  EXPECT_TRUE(Near(h.Pixel(45, 5), 255, 255, 255));
  EXPECT_TRUE(Near(h.Pixel(65, 5), 100, 100, 100));
  EXPECT_TRUE(Near(h.Pixel(85, 5), 255, 0, 0));
  EXPECT_TRUE(Near(h.Pixel(105, 5), 75, 75, 139)) << Hex(h.Pixel(105, 5));
  EXPECT_TRUE(Near(h.Pixel(125, 5), 100, 100, 164)) << Hex(h.Pixel(125, 5));
}

TEST(Video, RectsAndLinesFollowScaleRotationAndOrigin) {
  Harness h;
  SetClsColor(0, 0, 0);
  Cls();
  SetColor(255, 255, 255);
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
  EXPECT_TRUE(Near(h.Pixel(118, 128), 255, 255, 255));
  EXPECT_TRUE(Near(h.Pixel(121, 110), 0, 0, 0));
  EXPECT_TRUE(Near(h.Pixel(395, 105), 255, 255, 255));
  EXPECT_TRUE(Near(h.Pixel(405, 105), 0, 0, 0));
  EXPECT_TRUE(Near(h.Pixel(595, 115), 255, 255, 255));
  EXPECT_TRUE(Near(h.Pixel(605, 105), 0, 0, 0));
  EXPECT_TRUE(Near(h.Pixel(725, 50), 255, 255, 255));
  EXPECT_TRUE(Near(h.Pixel(725, 52), 0, 0, 0));
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
  EXPECT_EQ(grab->width(), 1024);
  EXPECT_EQ(grab->height(), 768);
  EXPECT_TRUE(Near(ReadPixel(grab, 20, 20), 255, 0, 0));
  EXPECT_TRUE(Near(ReadPixel(grab, 60, 20), 0, 255, 0));
  EXPECT_TRUE(Near(ReadPixel(grab, 500, 500), 10, 20, 30));
  EXPECT_EQ(ReadPixel(grab, 500, 500) >> 24, 0xffu);
  // Drawn back at the same place, the frame looks the same.
  auto image = LoadImage(grab, -1);
  SetClsColor(0, 0, 0);
  Cls();
  SetColor(255, 255, 255);
  DrawImage(image, 0, 0);
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
  EXPECT_TRUE(Near(h.Pixel(2, 2), 255, 0, 0));
  ASSERT_NE(Graphics(640, 480, 0), nullptr);  // a new renderer: textures are made again
  EXPECT_EQ(GraphicsWidth(), 640);
  EXPECT_EQ(VirtualResolutionWidth(), 640.0f);
  Cls();
  DrawImage(image, 100, 100);
  h.Frame();
  EXPECT_TRUE(Near(h.Pixel(102, 102), 255, 0, 0));
  EXPECT_TRUE(Near(h.Pixel(117, 102), 0, 255, 0));
  ASSERT_NE(Graphics(800, 600, 32), nullptr);  // full screen covers the desktop
  EXPECT_TRUE(GraphicsFullScreen());
  EXPECT_EQ(GraphicsWidth(), DesktopWidth());
  DrawImage(image, 0, 0);
  h.Frame();
  EXPECT_TRUE(Near(h.Pixel(2, 2), 255, 0, 0));
  EXPECT_EQ(RendererName(), "software");
  EXPECT_EQ(Graphics(0, 10, 0), nullptr);
  EXPECT_FALSE(GraphicsOpen());
}

}  // namespace
}  // namespace sorvanta
