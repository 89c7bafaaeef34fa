// Draws through the X11 driver in a real window, with the OpenGL renderer
// where there is one, and full screen at a size the X display does not have;
// a click that comes with the focus back reaches the game.
// Runs under an X server the suite provides (DISPLAY set and
// SORVANTA_XVFB=1: ctest's xvfb_window entry); skipped otherwise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <tuple>

#ifdef SORVANTA_X11
#include <SDL_syswm.h>
#endif

#include "draw_test_support.h"
#include "platform/input.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/pixel_access.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "platform/video_internal.h"

namespace sorvanta {
namespace {

using testing::Hex;
using testing::Near;

// The X display the test command provides, if any.
const char* XServer() {
  const char* display = std::getenv("DISPLAY");
  const char* enabled = std::getenv("SORVANTA_XVFB");
  return display && *display && enabled && std::string(enabled) == "1" ? display : nullptr;
}

constexpr const char* kNoXServer =
    "no X server: this test runs under xvfb-run with SORVANTA_XVFB=1 (ctest's xvfb_window, where xvfb-run is installed)";

TEST(Xvfb, DrawsAnImageTextAndShapesInARealWindow) {
  if (!XServer()) GTEST_SKIP() << kNoXServer;
  SetGraphicsDriver("x11", "opengl");
  auto mode = Graphics(800, 600, 0);
  if (!mode) {
    std::cout << "[ xvfb ] no OpenGL renderer on this X server; using the one x11 offers" << std::endl;
    SetGraphicsDriver("x11", "");
    mode = Graphics(800, 600, 0);
  }
  ASSERT_NE(mode, nullptr) << "cannot open a window on DISPLAY=" << XServer();
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

// Full screen at a size the X display does not have: the frame is stretched
// over the whole screen.
TEST(Xvfb, FullScreenAtAnotherSizeStretchesTheFrameOverTheScreen) {
  if (!XServer()) GTEST_SKIP() << kNoXServer;
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

TEST(Xvfb, AClickAsTheFocusComesBackIsTaken) {
  if (!XServer()) GTEST_SKIP() << kNoXServer;
#ifndef SORVANTA_X11
  GTEST_SKIP() << "built without Xlib";
#else
  if (VideoDriverName() != "x11") SetGraphicsDriver("x11", "");
  ASSERT_NE(Graphics(400, 300, 0), nullptr);
  Flip(0);  // shown, and with no window manager given the focus
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  ASSERT_TRUE(SDL_GetWindowWMInfo(Video().window, &info));
  Display* x = info.info.x11.display;
  const Window ours = info.info.x11.window;
  // Another window takes the focus; ours takes it back with a click that
  // both land in one poll, as when the game looks again only after a slow
  // or paused frame.
  const Window other = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 10, 10, 0, 0, 0);
  XMapWindow(x, other);
  XSync(x, False);
  XSetInputFocus(x, other, RevertToNone, CurrentTime);
  XSync(x, False);
  PollSystem();
  EXPECT_TRUE(AppSuspended());
  MouseHit(1);
  XSetInputFocus(x, ours, RevertToNone, CurrentTime);
  for (const int type : {ButtonPress, ButtonRelease}) {
    XEvent click{};
    click.xbutton = {type, 0, True, x, ours, DefaultRootWindow(x), None, CurrentTime, 20, 20, 20, 20, 0, Button1, True};
    XSendEvent(x, ours, False, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask, &click);
  }
  XSync(x, False);
  PollSystem();
  EXPECT_FALSE(AppSuspended());
  EXPECT_EQ(MouseHit(1), 1);
  XDestroyWindow(x, other);
  XSync(x, False);
#endif
}

}  // namespace
}  // namespace sorvanta
