// Quit chords count by the modifiers held when the second key went down,
// even when the whole chord is pressed and released within one frame.
#include <gtest/gtest.h>

#include <functional>

#include "core/frame.h"
#include "core/shell_test_support.h"
#include "platform/input.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

constexpr int kKeyQ = 81;

TEST(FrameChord, ChordsWithinOneFrameCountByTheModifiersHeldAtTheKeyPress) {
  struct Case {
    const char* name;
    std::function<void(Harness&)> script;
    bool ends;
    int left = KEY_F4;  // the key that, no chord made, stays queued
  };
  const Case cases[] = {
      {"alt+F4 released in the frame",
       [](Harness& h) { h.PressKey(KEY_LALT).HitKey(KEY_F4).ReleaseKey(KEY_LALT); }, true},
      {"super+Q released in the frame",
       [](Harness& h) { h.PressKey(KEY_COMMAND).HitKey(kKeyQ).ReleaseKey(KEY_COMMAND); }, true},
      {"right alt+F4", [](Harness& h) { h.PressKey(KEY_RALT).HitKey(KEY_F4).ReleaseKey(KEY_RALT); }, false},
      {"alt tapped, then F4 alone", [](Harness& h) { h.HitKey(KEY_LALT).HitKey(KEY_F4); }, false},
      {"F4, then alt tapped", [](Harness& h) { h.HitKey(KEY_F4).HitKey(KEY_LALT); }, false},
      {"Q alone", [](Harness& h) { h.HitKey(kKeyQ); }, false, kKeyQ},
      {"super tapped, then Q alone", [](Harness& h) { h.HitKey(KEY_COMMAND).HitKey(kKeyQ); }, false, kKeyQ},
      {"alt+Q", [](Harness& h) { h.PressKey(KEY_LALT).HitKey(kKeyQ).ReleaseKey(KEY_LALT); }, false, kKeyQ},
      {"super+F4", [](Harness& h) { h.PressKey(KEY_COMMAND).HitKey(KEY_F4).ReleaseKey(KEY_COMMAND); }, false},
  };
  for (const Case& c : cases) {
    ShellWorld world;
    c.script(world.h());
    bool ended = false;
    try {
      _updateSystem();
    } catch (const EndRequested&) {
      ended = true;
    }
    EXPECT_EQ(ended, c.ends) << c.name;
    // A press that made no chord stays for the screen that reads it.
    if (!c.ends) {
      EXPECT_EQ(KeyHit(c.left), 1) << c.name;
    }
  }
}

}  // namespace
}  // namespace sorvanta
