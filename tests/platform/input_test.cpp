#include "platform/input.h"

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

#include "platform/clock.h"
#include "platform/harness.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "platform/video_internal.h"

namespace sorvanta {
namespace {

TEST(Input, SystemKeysMapToTheGamesKeyCodes) {
  Harness h;
  const std::vector<std::pair<const char*, int>> keys = {
      {"Backspace", 8}, {"Return", 13}, {"Keypad Enter", 13}, {"Escape", 27}, {"Space", 32},
      {"Left", 37},     {"Up", 38},     {"Right", 39},        {"Down", 40},   {"A", 65},
      {"Z", 90},        {"5", 53},      {"Left GUI", 91},     {"Right GUI", 91}, {"F4", 115}, {"F11", 122},
      {"Left Alt", 164}, {"Right Alt", 165}};
  for (const auto& [name, code] : keys) {
    h.HitNamedKey(name);
    PollSystem();
    EXPECT_EQ(KeyHit(code), 1) << name;
    EXPECT_EQ(KeyHit(code), 0) << name << " counted once";
    EXPECT_EQ(KeyDown(code), 0) << name;
  }
  // A key not in the table is ignored; out-of-range codes read 0.
  h.HitNamedKey("Print Screen");
  PollSystem();
  EXPECT_EQ(KeyHit(0) + KeyHit(-5) + KeyDown(999), 0);
}

TEST(Input, KeyHitsDownStateCharactersAndFlushKeys) {
  Harness h;
  h.PressKey(KEY_LALT).Wait(1).PressKey(KEY_F4).PressKey(KEY_F4);
  PollSystem();
  EXPECT_EQ(KeyDown(KEY_LALT), 1);
  EXPECT_EQ(KeyHit(KEY_F4), 0) << "not due before the next frame";
  h.Frame();
  EXPECT_EQ(KeyHit(KEY_F4), 2);
  EXPECT_EQ(KeyDown(KEY_LALT), 1);

  // Any Unicode character, then Backspace, Enter and Escape; a long text
  // arrives whole, in order.
  h.TypeText("aŻ€😀").HitKey(KEY_BACKSPACE).HitKey(KEY_ENTER).HitKey(KEY_ESCAPE).HitKey(KEY_A);
  h.TypeText(std::string(100, 'x') + "é");
  PollSystem();
  std::vector<int> typed;
  for (int c; (c = GetChar()) != 0;) typed.push_back(c);
  std::vector<int> expected{'a', 0x17B, 0x20AC, 0x1F600, 8, 13, 27};
  expected.insert(expected.end(), 100, 'x');
  expected.push_back(0xE9);
  EXPECT_EQ(typed, expected);

  h.TypeText("abc").HitKey(KEY_SPACE);
  PollSystem();
  FlushKeys();
  EXPECT_EQ(GetChar(), 0);
  EXPECT_EQ(KeyHit(KEY_SPACE), 0);
  EXPECT_EQ(KeyDown(KEY_LALT), 0) << "a held key reads up after a flush";
}

TEST(Input, MouseHitsAndFlushMouse) {
  Harness h;
  h.MoveMouse(100, 200).PressMouse(1);
  PollSystem();
  EXPECT_EQ(MouseX(), 100);
  EXPECT_EQ(MouseY(), 200);
  EXPECT_EQ(MouseDown(1), 1);
  EXPECT_EQ(MouseHit(1), 1);
  EXPECT_EQ(MouseHit(1), 0);

  // After a flush a button still held reads up until it is pressed again.
  h.PressMouse(2);
  PollSystem();
  FlushMouse();
  EXPECT_EQ(MouseHit(2), 0);
  h.Frame();
  EXPECT_EQ(MouseDown(1), 0);
  h.ReleaseMouse(1).PressMouse(1);
  h.Frame();
  EXPECT_EQ(MouseDown(1), 1);
  EXPECT_EQ(MouseHit(1), 1);

  // Two clicks between two frames: two hits, not held.
  h.PressMouse(3).ReleaseMouse(3).PressMouse(3).ReleaseMouse(3);
  h.Frame();
  EXPECT_EQ(MouseHit(3), 2);
  EXPECT_EQ(MouseDown(3), 0);
  EXPECT_EQ(MouseHit(0) + MouseDown(4), 0);

  SetVirtualResolution(512, 384);
  MoveVirtualMouse(100, 50);
  EXPECT_EQ(MouseX(), 200);
}

TEST(Input, FocusQuitAndTerminateSignals) {
  Harness h;
  EXPECT_FALSE(AppSuspended());
  h.LoseFocus().Wait(3).GainFocus();  // the gain arrives with the third Flip
  h.Frame();
  EXPECT_TRUE(AppSuspended());
  h.Frame();
  EXPECT_TRUE(AppSuspended());
  h.Frame();
  EXPECT_FALSE(AppSuspended());

  // A new mode's window starts active, whatever the old one last reported.
  h.LoseFocus();
  h.Frame();
  EXPECT_TRUE(AppSuspended());
  ASSERT_NE(Graphics(800, 600, 32), nullptr);
  EXPECT_FALSE(AppSuspended());

  EXPECT_FALSE(AppTerminate());
  h.RequestQuit();
  h.Frame();
  EXPECT_TRUE(AppTerminate());
  EXPECT_FALSE(AppTerminate()) << "each request is answered once";
  std::raise(SIGTERM);
  EXPECT_TRUE(AppTerminate());
  std::raise(SIGINT);
  PollSystem();
  EXPECT_TRUE(AppTerminate());
  // The terminal the game was started from closed: saved, not killed.
  std::raise(SIGHUP);
  EXPECT_TRUE(AppTerminate());
}

// Where the pointer is: told by events while it moves, asked of the system
// after a mode switch (the window moved under a pointer that did not).
TEST(Input, PointerInsideTheWindowAndWhereAModeSwitchLeavesIt) {
  Harness h;
  h.MoveMouseToPixel(100, 120);
  h.Frame();
  EXPECT_TRUE(MouseInWindow());
  h.PointerLeaves();
  h.Frame();
  EXPECT_FALSE(MouseInWindow()) << "left";
  h.PointerEnters();
  h.Frame();
  EXPECT_TRUE(MouseInWindow()) << "back";

  float systemX = 300, systemY = 200;
  SetSystemPointerForTests([&](float& x, float& y) { return x = systemX, y = systemY, true; });
  struct Row {
    const char* name;
    float x, y;
    bool inside;
  };
  const Row rows[] = {{"in the middle", 300, 200, true},
                      {"left of the window", -40, 200, false},
                      {"below it", 300, 768, false},
                      {"on its first pixel", 0, 0, true}};
  for (const Row& r : rows) {
    systemX = r.x, systemY = r.y;
    ASSERT_NE(Graphics(1024, 768, &r == rows ? 32 : 0), nullptr);
    h.Frame();
    EXPECT_EQ(MouseX(), static_cast<int>(r.x)) << r.name;
    EXPECT_EQ(MouseY(), static_cast<int>(r.y)) << r.name;
    EXPECT_EQ(MouseInWindow(), r.inside) << r.name;
  }
  // Then the pointer's own moves tell, until the window moves again.
  h.MoveMouseToPixel(10, 20);
  h.Frame();
  systemX = 500;
  h.Frame();
  EXPECT_EQ(MouseX(), 10);
  SDL_Event moved{};
  moved.type = SDL_WINDOWEVENT;
  moved.window.windowID = SDL_GetWindowID(Video().window);
  moved.window.event = SDL_WINDOWEVENT_MOVED;
  SDL_PushEvent(&moved);
  h.Frame();
  EXPECT_EQ(MouseX(), 500) << "the window moved under the pointer";
}

TEST(Harness, ClockScriptTimingAndFrameCap) {
  {
    HarnessOptions options;
    options.startMillis = 123456789;
    Harness h(options);
    for (int i = 0; i < 60; ++i) h.Frame();
    EXPECT_EQ(MilliSecs(), 123456789 + 1000) << "60 frames are one second";
    Delay(250);
    EXPECT_EQ(MilliSecs(), 123456789 + 1250);
    EXPECT_THROW(Harness second, std::logic_error);

    // Items after Wait(n) arrive n frames later, each in its own frame.
    h.Wait(3).PressKey(KEY_A).Wait(2).ReleaseKey(KEY_A).PressMouse(1);
    std::vector<int> down;
    for (int i = 0; i < 7; ++i) {
      h.Frame();
      down.push_back(KeyDown(KEY_A));
    }
    EXPECT_EQ(down, (std::vector<int>{0, 0, 1, 1, 0, 0, 0}));
    EXPECT_TRUE(h.ScriptDone());
    EXPECT_EQ(MouseDown(1), 1);

    // A loop that never ends fails instead of hanging.
    h.SetFrameCap(10);
    int flips = 0;
    EXPECT_THROW(
        for (;;) {
          Flip(-1);
          ++flips;
        },
        HarnessFrameCapExceeded);
    EXPECT_EQ(flips, 10);
  }
  // The real clock and input come back when it ends.
  EXPECT_LT(MilliSecs(), 123456789);
  EXPECT_EQ(MouseDown(1), 0);
  EXPECT_FALSE(GraphicsOpen());
}

}  // namespace
}  // namespace sorvanta
