// Draws through the X11 driver in a real window, with the OpenGL renderer
// where there is one. Runs when the test command provides an X server
// (DISPLAY set and SORVANTA_XVFB=1); skipped otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "draw_test_support.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

using testing::Hex;
using testing::Near;

TEST(Xvfb, DrawsAnImageTextAndShapesInARealWindow) {
  const char* display = std::getenv("DISPLAY");
  const char* enabled = std::getenv("SORVANTA_XVFB");
  if (!display || !*display || !enabled || std::string(enabled) != "1")
    GTEST_SKIP() << "no X server: this test runs under xvfb-run with SORVANTA_XVFB=1 (tools/test does that "
                    "when Xvfb is installed)";
  SetGraphicsDriver("x11", "opengl");
  auto mode = Graphics(800, 600, 0);
  if (!mode) {
    std::cout << "[ xvfb ] no OpenGL renderer on this X server; using the one x11 offers" << std::endl;
    SetGraphicsDriver("x11", "");
    mode = Graphics(800, 600, 0);
  }
  ASSERT_NE(mode, nullptr) << "cannot open a window on DISPLAY=" << display;
  EXPECT_EQ(VideoDriverName(), "x11");
  std::cout << "[ xvfb ] video driver " << VideoDriverName() << ", renderer " << RendererName() << std::endl;
  ::testing::Test::RecordProperty("renderer", RendererName());

  // The design area at half size: 800 x 600 shows 1600 x 1200 virtual units.
  SetVirtualResolution(1600, 1200);
  SetClsColor(0, 0, 64);
  Cls();
  auto image = testing::SplitImage(40, 20);
  SetScale(2, 2);
  DrawImage(image, 100, 100);  // 100..180 x 100..140
  SetScale(1, 1);
  SetColor(255, 255, 0);
  DrawRect(400, 100, 100, 60);
  SetColor(255, 255, 255);
  DrawLine(600, 300, 900, 300);
  SetBlend(LIGHTBLEND);
  SetAlpha(0.5f);
  SetColor(200, 0, 0);
  DrawRect(1000, 100, 100, 100);  // light on the clear colour: (100, 0, 64)
  SetBlend(ALPHABLEND);
  SetAlpha(1);
  SetColor(255, 255, 255);
  SetImageFont(LoadImageFont("incbin::font.ttf", 64));
  DrawText("Sorvanta", 100, 600);
  const int textWidth = TextWidth("Sorvanta");

  auto frame = GrabPixmap(0, 0, 1600, 1200);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(Near(ReadPixel(frame, 120, 120), 255, 0, 0, 4)) << Hex(ReadPixel(frame, 120, 120));
  EXPECT_TRUE(Near(ReadPixel(frame, 160, 120), 0, 255, 0, 4)) << Hex(ReadPixel(frame, 160, 120));
  EXPECT_TRUE(Near(ReadPixel(frame, 450, 130), 255, 255, 0, 4));
  EXPECT_TRUE(Near(ReadPixel(frame, 1050, 150), 100, 0, 64, 6)) << Hex(ReadPixel(frame, 1050, 150));
  EXPECT_TRUE(Near(ReadPixel(frame, 300, 300), 0, 0, 64, 4));
  bool line = false;
  for (int y = 296; y <= 304; ++y) line |= Near(ReadPixel(frame, 750, y), 255, 255, 255, 40);
  EXPECT_TRUE(line);
  int lit = 0;
  for (int y = 600; y < 700; y += 2)
    for (int x = 100; x < 100 + textWidth; x += 2) lit += testing::Red(ReadPixel(frame, x, y)) > 128;
  EXPECT_GT(lit, 20) << "the text drew pixels";
  Flip(0);
  // The window stays open: closing it would unload the GL driver before the
  // leak check at exit, which then could not tell the driver's own
  // allocations from ours.
}

}  // namespace
}  // namespace sorvanta
