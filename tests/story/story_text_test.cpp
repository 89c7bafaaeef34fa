// Story captions: the queue, the opacity ramp, pausing and loading.
#include <gtest/gtest.h>

#include "core/globals.h"
#include "gui/my_font.h"
#include "gui/wrapped_text.h"
#include "platform/clock.h"
#include "platform/harness.h"
#include "story/story_text.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

struct Clocked : ::testing::Test {
  int now = 1000;
  void SetUp() override {
    SetTestClock([this] { return now; });
    delta = 1;
  }
  static std::shared_ptr<TStoryText> Caption(int time) {
    auto c = std::make_shared<TStoryText>();
    c->time = time;
    return c;
  }
};

TEST_F(Clocked, QueueTakesCaptionsInOrderFromAnInvisibleStartAndKeepsTheLast) {
  TStoryCaptions q;
  auto a = Caption(1000), zero = Caption(0), last = Caption(500);
  q.texts = {a, zero, last};
  q.startCaptions(0.5f);  // still fading in: nothing starts
  EXPECT_EQ(q.actText, nullptr);
  q.startCaptions(0);
  ASSERT_EQ(q.actText, a);
  EXPECT_EQ(a->alpha, -1);
  EXPECT_EQ(a->waitTime, 2000);
  q.stepCaptions();
  EXPECT_FLOAT_EQ(a->alpha, -0.98f);
  now = 2000;  // its time reached, not yet past: it stays
  q.stepCaptions();
  EXPECT_EQ(q.oldText, nullptr);
  EXPECT_EQ(q.actText, a);

  now = 2001;  // a expires; the caption with time 0 starts and goes at once
  q.stepCaptions();
  EXPECT_EQ(q.oldText, a);
  EXPECT_EQ(a->dAlpha, 0);
  EXPECT_EQ(q.actText, zero);
  now = 2002;
  q.stepCaptions();
  EXPECT_EQ(q.oldText, zero);
  EXPECT_EQ(q.actText, last);
  for (int f = 0; f < 60; ++f) q.stepCaptions();
  EXPECT_LE(zero->alpha, 0) << "a caption of time 0 never shows";

  now = 2503;  // the last expires: current and old at once, fading twice as fast
  q.stepCaptions();
  EXPECT_EQ(q.actText, last);
  EXPECT_EQ(q.oldText, last);
  const float before = last->alpha;
  q.stepCaptions();
  EXPECT_NEAR(before - last->alpha, 0.04f, 1e-5);
}

TEST_F(Clocked, PauseMovesOnlyTheCurrentCaptionsExpiry) {
  TStoryCaptions q;
  q.actText = Caption(3000);
  q.oldText = Caption(1000);
  q.actText->prepare();
  q.oldText->prepare();
  q.pauseCaptions();
  now += 10000;
  q.unpauseCaptions();
  EXPECT_EQ(q.actText->waitTime, 1000 + 3000 + 10000);
  EXPECT_EQ(q.oldText->waitTime, 1000 + 1000);
  TStoryCaptions empty;  // nothing current: nothing to pause
  empty.pauseCaptions();
  empty.unpauseCaptions();
}

TEST(StoryTextLoad, CentresOneToThreeLinesOnTheBandAndToleratesMissingData) {
  Harness h;
  test::TempFolder dir;
  TStoryText::font = myLoadImageFont("gfx/fonts/font.ttf", 42);
  // The shortest texts of 2 and 3 lines, as the caption box wraps them.
  std::string lines[4] = {"", "One line", "", ""};
  std::string grow;
  for (int k = 0; k < 60 && lines[3].empty(); ++k) {
    grow += "picture ";
    drawSpecText("", 0, 0, 974, "CENTER", 0, TStoryText::font, 1);  // selects the font
    const int n = layoutSpecText(grow, 25, 0, 974, "CENTER", 1).lines;
    if (n <= 3 && lines[n].empty()) lines[n] = grow;
  }
  test::WriteFile(dir / "t.txt", lines[1] + "\n" + lines[2] + "\n" + lines[3] + "\n");
  test::WriteFile(dir / "t.dat",
                  "texts {\n i = 4\n text1 {\n txt = 1\n time = 500\n }\n text2 {\n txt = 2\n }\n"
                  " text3 {\n txt = 3\n }\n text4 {\n txt = 9\n }\n}\n");
  auto list = loadStoryTexts(dir / "t.dat", dir / "t.txt");
  ASSERT_EQ(list.size(), 4u);
  auto it = list.begin();
  const int pitch = 2 * (680 - (*it)->startY);  // one line: half a pitch above 680
  EXPECT_GT(pitch, 40);
  EXPECT_EQ((*it)->time, 500);
  EXPECT_NEAR(680 - (*++it)->startY, pitch, 1);          // two lines: one pitch
  EXPECT_NEAR(680 - (*++it)->startY, 1.5 * pitch, 1.5);  // three: one and a half
  EXPECT_EQ((*++it)->text, "(BEYOND TEXT ARRAY LENGTH!)");
  EXPECT_EQ((*it)->time, 0);

  test::WriteFile(dir / "none.dat", "texts {\n i = 0\n}\n");
  EXPECT_TRUE(loadStoryTexts(dir / "none.dat", dir / "t.txt").empty());
  EXPECT_TRUE(loadStoryTexts(dir / "missing.dat", dir / "t.txt").empty());
  test::WriteFile(dir / "huge.dat", "texts {\n i = 2000000000\n text1 {\n txt = 1\n time = 5\n }\n}\n");
  EXPECT_EQ(loadStoryTexts(dir / "huge.dat", dir / "t.txt").size(), 1u) << "a damaged count";
}

}  // namespace
}  // namespace sorvanta
