// Headless pictures of the stage screen with the real assets and catalogue:
// written as PPM files into $SORVANTA_SHOT_DIR for looking at. Always
// checked: the story page hides the grid and gives way to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "campaign/level_manager.h"
#include "core/frame.h"
#include "core/screen_loop.h"
#include "gui/mouse.h"
#include "platform/image.h"
#include "platform/pixel_access.h"
#include "platform/pixmap.h"
#include "platform/video.h"
#include "stage_test_support.h"
#include "support/shot.h"

namespace sorvanta {
namespace {

struct StageShots : stage_test::StageTest {
  StageShots() : StageTest(true) {}
  // The real catalogue's stage, its levels copied to count.
  std::shared_ptr<TStage> RealStage(int id, int count) {
    bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
    levelManager = std::make_shared<TLevelManager>();
    test::StdoutLines([] { levelManager->setup(); });
    auto stage = std::make_shared<TStage>(*levelManager->getStageById(id, 1));
    auto model = stage->levels.front();
    stage->levels.clear();
    for (int l = 1; l <= count; ++l) {
      auto level = std::make_shared<TLevelData>(*model);
      level->id = l;
      stage->levels.push_back(level);
    }
    return stage;
  }
  void Frames(int n) {
    for (int f = 0; f < n; ++f) {
      Cls();
      updateScreen(*screen);
      screen->draw();
      myFlip(0);
    }
  }
};

int Brightness(std::uint32_t argb) { return ((argb >> 16) & 255) + ((argb >> 8) & 255) + (argb & 255); }

TEST_F(StageShots, StoryPageThenGridOfTenAndOfTwentyFive) {
  stage_test::Progress(*player, 3, 4);
  screen->prepare(RealStage(3, 10));
  Frames(30);
  test::Shot(world.h(), "stage10_story");
  const auto [x, y] = screen->levelCentre(0);  // a won level's star
  const std::uint32_t paper = world.h().Pixel(static_cast<float>(x), static_cast<float>(y) - 4);
  screen->goPlay();
  world.h().MoveMouse(static_cast<float>(screen->levelCentre(1).first),
                      static_cast<float>(screen->levelCentre(1).second));
  Frames(50);
  test::Shot(world.h(), "stage10_grid");
  EXPECT_GT(std::abs(Brightness(world.h().Pixel(static_cast<float>(x), static_cast<float>(y) - 4)) - Brightness(paper)),
            60)
      << "the won button shows once the page is gone";

  stage_test::Progress(*player, 5, 12);
  player->QUEST_GetStageData(5)->storyRead = 1;
  screen->prepare(RealStage(5, 25));
  world.h().MoveMouse(static_cast<float>(screen->levelCentre(3).first),
                      static_cast<float>(screen->levelCentre(3).second));
  Frames(30);
  test::Shot(world.h(), "stage25_grid");
  EXPECT_EQ(screen->overLevel, stage_test::LevelAt(*screen->stage, 4));
}

// The flat page behind the grid on the shipped panel: from its middle out to
// the first dark line (its edge, or the edge of a roll).
struct Page {
  int left, top, right, bottom;
};
Page MeasurePage(const std::shared_ptr<TPixmap>& back) {
  const int cx = 512, cy = 640;
  auto dark = [&](int x, int y) { return Brightness(ReadPixel(back, x, y)) < 300; };
  Page p{cx, cy, cx, cy};
  while (p.left > 0 && !dark(p.left - 1, cy)) --p.left;
  while (p.right < back->width() - 1 && !dark(p.right + 1, cy)) ++p.right;
  while (p.top > 0 && !dark(cx, p.top - 1)) --p.top;
  while (p.bottom < back->height() - 1 && !dark(cx, p.bottom + 1)) ++p.bottom;
  return p;
}

TEST_F(StageShots, EveryButtonOfBothGridsLiesOnThePageWithRoomToSpare) {
  const std::string dir = std::string(SORVANTA_SOURCE_DIR) + "/assets/gfx/gui/stageScreen/";
  const auto back = LoadPixmap(dir + "back.jpg");
  const auto button = LoadImage(dir + "level.png");
  ASSERT_TRUE(back && button);
  const Page page = MeasurePage(back);
  for (int count : {10, 25}) {
    screen->prepare(RealStage(1, count));
    const float hw = button->width() * screen->drawS / 2, hh = button->height() * screen->drawS / 2;
    float least = 1e9f;
    for (int k = 0; k < count; ++k) {
      const auto [x, y] = screen->levelCentre(k);
      least = std::min({least, x - hw - page.left, page.right - (x + hw), y - hh - page.top, page.bottom - (y + hh)});
    }
    std::printf("stage grid of %d: page x %d..%d, y %d..%d, least room %.1f px\n", count, page.left, page.right,
                page.top, page.bottom, least);
    EXPECT_GE(least, 8.0f) << count << " levels";
  }
}

}  // namespace
}  // namespace sorvanta
