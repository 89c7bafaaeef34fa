#pragma once
// Headless test harness: real frames with no display.
//
// A Harness opens a window of SDL's dummy video driver drawn by the software
// renderer, so every frame has real pixels a test can read back. While it
// lives:
//  - MilliSecs() is a test clock that every Flip advances by one frame of
//    60 per second (16 or 17 ms), Delay(ms) advances it by ms, and Flip never
//    sleeps;
//  - input comes only from a script: mouse moves, presses and releases, key
//    presses, typed text, a quit request, focus loss and gain. Items wait in
//    order and are taken by the next PollSystem (Flip runs one) of the frame
//    they are due in; Wait(n) makes the items after it due n frames later;
//  - sound plays silently, the mixer following the test clock, so channels
//    end on time;
//  - a Flip beyond the frame cap throws HarnessFrameCapExceeded, so a loop
//    that never ends fails its test instead of hanging.
// One harness at a time. Its destructor closes the mode and restores the real
// clock, a sound device, and empty input.
//
// Example: drive a screen loop with a click on a button at design (512, 400).
//   Harness h;                              // 1024 x 768 window
//   SetVirtualResolution(1024, 768);
//   h.MoveMouse(512, 400).Wait(2).PressMouse(1).Wait(2).ReleaseMouse(1);
//   h.SetFrameCap(600);                     // 10 s of game time at most
//   std::string next = screen.mainLoop();   // each Flip takes one frame
//   EXPECT_EQ(h.Pixel(10, 10), 0xff000000u);  // ARGB of the last frame
//
// Or step by hand:
//   SetColor(255, 0, 0); DrawRect(0, 0, 10, 10); h.Frame();  // Flip
//   EXPECT_EQ(h.Pixel(5, 5), 0xffff0000u);
#include <cstdint>
#include <deque>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/clock.h"
#include "platform/pixmap.h"

namespace sorvanta {

class HarnessFrameCapExceeded : public std::runtime_error {
 public:
  explicit HarnessFrameCapExceeded(int cap);
};

struct HarnessOptions {
  int width = 1024;
  int height = 768;
  bool fullScreen = false;
  int frameCap = 20000;  // Flips allowed before HarnessFrameCapExceeded
  int startMillis = 0;   // the test clock's reading at the start
  bool captureFrames = true;  // keep the pixels of each presented frame
  int drawThreads = 0;  // threads that draw a frame while the harness lives; 0: the platform's choice
};

class Harness {
 public:
  Harness();
  explicit Harness(const HarnessOptions& options);
  ~Harness();
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

  // Script. Mouse positions in virtual units are turned into window units
  // when delivered, with the virtual resolution of that moment.
  Harness& MoveMouse(float virtualX, float virtualY);
  Harness& MoveMouseToPixel(int windowX, int windowY);
  Harness& PressMouse(int button = 1);  // 1 left, 2 right, 3 middle
  Harness& ReleaseMouse(int button = 1);
  Harness& PressKey(int code);  // virtual key codes of input.h
  Harness& ReleaseKey(int code);
  Harness& HitKey(int code);  // press and release
  // A key by the system's own name ("Left Alt", "Return", "Keypad Enter"),
  // to check which virtual code it gets; pressed and released.
  Harness& HitNamedKey(const std::string& systemName);
  Harness& TypeText(const std::string& utf8);
  Harness& RequestQuit();
  Harness& LoseFocus();
  Harness& GainFocus();
  // The pointer leaves the window or comes back over it.
  Harness& PointerLeaves();
  Harness& PointerEnters();
  // Items scripted after this are due frames later.
  Harness& Wait(int frames = 1);
  // True when every scripted item has been delivered.
  bool ScriptDone() const { return script_.empty(); }

  // Flip(-1): presents one frame.
  void Frame();
  // Flips since the harness started.
  int frames() const { return frames_; }
  int millis() const { return clock_; }
  void AdvanceClock(int ms) { clock_ = msAfter(clock_, ms); }  // wraps as the clock does
  void SetFrameCap(int frames) { cap_ = frames_ + frames; }
  // Each Flip from now on advances the clock by ms (a slow machine); 0 gives
  // back frames of 60 per second.
  void SetFrameMillis(int ms) { frameMs_ = ms > 0 ? ms : 0; }

  // The last presented frame (window pixels), none before the first.
  std::shared_ptr<TPixmap> LastFrame() const { return lastFrame_; }
  // Its pixel as 0xAARRGGBB at a point in virtual units (origin not added).
  std::uint32_t Pixel(float virtualX, float virtualY) const;
  // Its pixel at a window pixel.
  std::uint32_t PixelAt(int x, int y) const;

 private:
  struct Item {
    enum Kind { kMoveVirtual, kMovePixel, kPress, kRelease, kKeyDown, kKeyUp, kSystemKey, kText, kQuit, kFocusLost, kFocusGained, kPointerLeft, kPointerEntered };
    Kind kind;
    int due = 0;  // frame it is delivered in
    float x = 0, y = 0;
    int code = 0;
    std::string text;
  };
  Harness& Queue(Item item);
  void Teardown();
  void Deliver();
  void AfterPresent();

  std::deque<Item> script_;
  int scheduleFrame_ = 0;
  int frames_ = 0;
  int cap_ = 0;
  int clock_ = 0;
  int frameMs_ = 0;  // the clock's step per Flip; 0: 1000/60 ms
  int drawThreadsBefore_ = 0;  // given back at the end; 0: none were set
  bool capture_ = true;
  std::shared_ptr<TPixmap> lastFrame_;
  float frameKx_ = 1, frameKy_ = 1;  // pixels per virtual unit of the last frame
};

}  // namespace sorvanta
