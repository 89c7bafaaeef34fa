// The credits roll: how a marked line is cut and which font it takes, where
// the roll starts again, and what closes it.
#include "screens/credits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/globals.h"
#include "core/shell_test_support.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/pixel_access.h"
#include "platform/pixmap.h"
#include "platform/read_back.h"
#include "platform/strings.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

std::shared_ptr<TCredits> RealCredits() {
  auto roll = std::make_shared<TCredits>();
  test::StdoutLines([&] { roll->setup(); });
  return roll;
}

TEST(Credits, MarkersCutTheLineAndPickTheFont) {
  ShellWorld world(shell_test::NoCapture());
  auto roll = RealCredits();
  struct Row {
    const char* line;
    const char* shown;
    int font;  // 1, 2 or 3; 0: left out
  } rows[] = {
      {"plain words", "plain words", 1},
      {"#word#", "word", 2},
      {"$word$", "word", 3},
      {"#$x$#", "x", 3},
      {"#", "", 2},
      {"##", "", 2},
      {"#$", "", 2},  // empty after the first cut: the title test is not made
      {"#word#\r", "word#", 2},
      {"#Łódź", "Łód", 2},  // a letter outside ASCII goes whole
      {"#ź", "", 2},
      {"plain\r", "plain\r", 1},
      {"x#y#", "x#y#", 1},
      {"", "", 0},
  };
  const std::shared_ptr<TImageFont> fonts[] = {nullptr, roll->font1, roll->font2, roll->font3};
  ASSERT_TRUE(roll->font1 && roll->font2 && roll->font3);
  EXPECT_EQ(FontSize(roll->font2), 42);
  EXPECT_EQ(FontSize(roll->font3), 60);
  for (const Row& row : rows) {
    roll->lista.clear();
    roll->addLine(row.line);
    ASSERT_EQ(roll->lista.size(), row.font ? 1u : 0u) << row.line;
    if (!row.font) continue;
    EXPECT_EQ(roll->lista.front()->txt, row.shown) << row.line;
    EXPECT_EQ(roll->lista.front()->font, fonts[row.font]) << row.line;
  }
  // The shipped text has a title and loses no heading to the cut.
  ASSERT_GT(RealCredits()->lista.size(), 10u);
  EXPECT_EQ(RealCredits()->lista.front()->font, roll->font3);
}

TEST(Credits, StartsAgainOnceTheLastLineHasLeftTheTop) {
  ShellWorld world(shell_test::NoCapture());
  auto roll = RealCredits();
  roll->lista.clear();
  for (const char* line : {"$Title$", "#Heading#", "a line", "", "#"}) roll->addLine(line);
  const float all = (roll->font3->height() + 2) + 2.0f * (roll->font2->height() + 2) + (roll->font1->height() + 2);
  struct Row {
    float y, after;
  } rows[] = {{0, 0}, {-all + 0.5f, -all + 0.5f}, {-all, -all}, {-all - 0.5f, 800}, {-2 * all, 800}};
  for (const Row& row : rows) {
    roll->y = row.y;
    roll->_drawCredits();
    EXPECT_EQ(roll->y, row.after) << "from " << row.y << ", lines " << all << " high";
  }
}

double Linear(int c) {
  static const std::vector<double> table = [] {
    std::vector<double> v(256);
    for (int i = 0; i < 256; ++i) {
      const double s = i / 255.0;
      v[i] = s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    }
    return v;
  }();
  return table[c & 255];
}
double Luminance(int r, int g, int b) { return 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b); }

// Every shipped line, each letter in its tint, against the roll's background
// in letter-sized boxes at every height the roll passes: 3:1 at least, so no
// line may cross the moon.
TEST(Credits, EveryLineReadsAgainstTheBackgroundAtEveryHeight) {
  ShellWorld world(shell_test::NoCapture());
  auto roll = RealCredits();
  const auto back = LoadPixmap(bDir + "gfx/backgrounds/background_2.jpg");
  ASSERT_TRUE(back);
  constexpr int kBox = 12;
  double least = 1e9;
  int boxes = 0, poor = 0;
  for (const auto& line : roll->lista) {
    SetImageFont(line->font);
    const std::u32string chars = Utf8ToU32(line->txt);
    float x = 512 - TextWidth(line->txt) / 2;
    for (size_t k = 0; k < chars.size(); ++k) {
      const float t = k / static_cast<float>(chars.size());
      const double tint = Luminance(static_cast<int>(255 - 255 * t), static_cast<int>(255 * t), 255);
      const int w = TextWidth(U32ToUtf8(chars.substr(k, 1)));
      for (int y = 0; y + kBox <= back->height(); y += kBox / 2) {
        double sum = 0;
        for (int yy = y; yy < y + kBox; ++yy)
          for (int xx = static_cast<int>(x); xx < static_cast<int>(x) + std::max(w, 1); ++xx) {
            const std::uint32_t p = ReadPixel(back, xx, yy);
            sum += Luminance((p >> 16) & 255, (p >> 8) & 255, p & 255);
          }
        const double under = sum / (kBox * std::max(w, 1));
        const double contrast = (tint + 0.05) / (under + 0.05);
        least = std::min(least, contrast);
        ++boxes;
        poor += contrast < 3.0;
      }
      x += w;
    }
  }
  std::printf("credits: %d of %d letter boxes under 3:1, least %.2f:1\n", poor, boxes, least);
  EXPECT_EQ(poor, 0);
}

// Closes at once after the frame that closed it.
struct QuickCredits : TCredits {
  void update() override {
    TCredits::update();
    if (dAlpha == 0) alpha = 0;
  }
};

TEST(Credits, ClosesOnAClickOrAKeyPressedSinceItOpenedAndLeavesNoKeyBehind) {
  {
    ShellWorld world(shell_test::NoCapture());
    auto roll = RealCredits();
    world.h().SetFrameCap(400);
    world.h().MoveMouse(500, 500).PressMouse(1);  // in the first frame, while fading in
    EXPECT_EQ(roll->mainLoop(nullptr), 0);
    EXPECT_EQ(roll->alpha, 0);
    EXPECT_EQ(roll->ekr, mainMenu);  // none means the main menu
    EXPECT_LT(world.h().frames(), 10);
  }
  // before: keys pressed on the screen beneath, unread; then, 30 frames
  // into the roll, the click or the keys that close it.
  struct Row {
    const char* name;
    std::vector<int> before;
    bool click;
    std::vector<int> hit;
  } rows[] = {
      {"Enter", {}, false, {KEY_ENTER}},
      {"Space", {}, false, {KEY_SPACE}},
      {"Escape", {}, false, {KEY_ESCAPE}},
      {"a click with every key", {}, true, {KEY_ENTER, KEY_SPACE, KEY_ESCAPE}},
      {"keys pressed before it opened", {KEY_ESCAPE, KEY_ENTER, KEY_SPACE}, false, {KEY_SPACE}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ShellWorld world(shell_test::NoCapture());
    auto roll = std::make_shared<QuickCredits>();
    test::StdoutLines([&] { roll->setup(); });
    world.h().SetFrameCap(400);
    for (int key : row.before) world.h().HitKey(key);
    if (!row.before.empty()) world.h().Frame();
    const int start = world.h().frames();
    world.h().Wait(30);
    if (row.click) world.h().MoveMouse(500, 500).PressMouse(1);
    for (int key : row.hit) world.h().HitKey(key);
    EXPECT_EQ(roll->mainLoop(nullptr), 0);
    EXPECT_NEAR(world.h().frames() - start, 32, 2);
    // The screen beneath finds none of them.
    for (int key : {KEY_ENTER, KEY_SPACE, KEY_ESCAPE}) EXPECT_EQ(KeyHit(key), 0) << "key " << key;
  }
}

}  // namespace
}  // namespace sorvanta
