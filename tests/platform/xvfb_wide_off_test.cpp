// Full screen at a size the X display does not have: the frame is stretched
// over the whole screen. Runs under an X server as the other Xvfb test does.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "draw_test_support.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

using testing::Hex;
using testing::Near;

TEST(Xvfb, FullScreenAtAnotherSizeStretchesTheFrameOverTheScreen) {
  const char* display = std::getenv("DISPLAY");
  const char* enabled = std::getenv("SORVANTA_XVFB");
  if (!display || !*display || !enabled || std::string(enabled) != "1")
    GTEST_SKIP() << "no X server: this test runs under xvfb-run with SORVANTA_XVFB=1";
  // Runs after the other Xvfb test and keeps its driver: a restart of the
  // video driver would unload the GL driver before the leak check at exit.
  if (VideoDriverName() != "x11") SetGraphicsDriver("x11", "");
  const int w = DesktopWidth() - 256, h = DesktopHeight() - 256;
  ASSERT_GT(w, 0);
  ASSERT_NE(Graphics(w, h, 0), nullptr);  // as the settings do: a window first
  ASSERT_NE(Graphics(w, h, 32), nullptr);
  EXPECT_EQ(GraphicsWidth(), w);
  SetColor(0, 0, 255);
  DrawRect(0, 0, static_cast<float>(w), static_cast<float>(h));
  SetColor(255, 255, 0);
  DrawRect(static_cast<float>(w - 40), static_cast<float>(h - 40), 40, 40);
  auto frame = GrabPixmap(0, 0, w, h);
  ASSERT_NE(frame, nullptr);
  for (auto [x, y, r, g, b] : {std::tuple{5, 5, 0, 0, 255}, std::tuple{w - 5, h - 5, 255, 255, 0},
                               std::tuple{w / 2, h - 5, 0, 0, 255}})
    EXPECT_TRUE(Near(ReadPixel(frame, x, y), r, g, b, 4)) << x << "," << y << ": " << Hex(ReadPixel(frame, x, y));
  Flip(0);
}

}  // namespace
}  // namespace sorvanta
