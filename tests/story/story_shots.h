#pragma once
// Checks shared by the story screens' tests: pictures at set times of the test
// clock (written for looking at with $SORVANTA_SHOT_DIR, only the first
// without it), each checked for a dark bottom beam under the captions and the
// scene showing through the window; and the captions' content.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ekran.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/shell_test_support.h"
#include "formats/txt_file.h"
#include "gui/wrapped_text.h"
#include "platform/clock.h"
#include "platform/video.h"
#include "story/story_text.h"
#include "support/shot.h"

namespace sorvanta::test {

struct StoryShot {
  int at;  // ms after the start
  const char* name;
};

inline int Brightness(std::uint32_t argb) { return ((argb >> 16) & 255) + ((argb >> 8) & 255) + (argb & 255); }

inline void ShootStory(shell_test::ShellWorld& world, TEkran& screen, const std::vector<StoryShot>& shots) {
  const int t0 = MilliSecs();
  const size_t count = ShotFolder() ? shots.size() : 1;
  world.h().SetFrameCap(6000);
  for (size_t k = 0; k < count; ++k) {
    while (MilliSecs() - t0 < shots[k].at) {
      Cls();
      updateScreen(screen);
      screen.draw();
      world.h().Frame();
    }
    EXPECT_LT(Brightness(world.h().Pixel(30, 760)), 120) << shots[k].name << ": the bottom beam";
    EXPECT_GT(Brightness(world.h().Pixel(512, 300)), 40) << shots[k].name << ": the picture";
    Shot(world.h(), shots[k].name);
  }
}

// Every caption is a line of its text file, wraps to at most two lines, and
// the captions last about the given total.
inline void ExpectCaptionsFrom(const TStoryTextList& texts, const std::string& txtFile, int total, int within) {
  ASSERT_GE(texts.size(), 1u);
  auto lines = loadTxtFile(bDir + txtFile);
  int sum = 0;
  for (const auto& t : texts) {
    EXPECT_NE(std::find(lines->txt.begin(), lines->txt.end(), t->text), lines->txt.end()) << t->text;
    drawSpecText("", 0, 0, 974, "CENTER", 0, TStoryText::font, 1);
    EXPECT_LE(layoutSpecText(t->text, 25, 0, 974, "CENTER", 1).lines, 2) << t->text;
    sum += t->time;
  }
  EXPECT_NEAR(sum, total, within);
}

}  // namespace sorvanta::test
