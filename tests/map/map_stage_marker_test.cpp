// Stage markers on the map: the unlock sound and its cheat, the spark
// bursts, the hover rectangle and where titles stand.
#include "map/map_stage_marker.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include "campaign/level_manager.h"
#include "core/globals.h"
#include "gui/img.h"
#include "gui/my_font.h"
#include "map/map_decoration.h"
#include "effects/particle.h"
#include "map_test_support.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "support/shot.h"

namespace sorvanta {
namespace {

using map_test::MapWorld;

TEST_F(MapWorld, UnlockSoundsOncePerStageAndTheCheatReplaysIt) {
  player->QUEST_GetStageData(2)->unlockShowed = 1;  // stage 2 enters complete
  map->prepare();
  cheatsOn = 1;
  auto run = [&](int frames) {
    for (int f = 0; f < frames; ++f) Frame();
  };
  run(205);
  EXPECT_EQ(snd->sounds, std::vector<std::string>{"unlock"}) << "stage 1 only";
  EXPECT_EQ(Picross(1)->unlockPer, 1);
  world.h().HitKey(KEY_SPACE);
  run(2);
  EXPECT_LT(Picross(1)->unlockPer, 0.02f);
  EXPECT_LT(Picross(2)->unlockPer, 0.02f);
  run(205);
  world.h().HitKey(KEY_SPACE);
  run(205);
  EXPECT_EQ(snd->sounds, (std::vector<std::string>{"unlock", "unlock"})) << "stage 2, on the first replay only";
  EXPECT_EQ(Picross(2)->unlockPer, 1);
  cheatsOn = 0;
  world.h().HitKey(KEY_SPACE);
  run(2);
  EXPECT_EQ(Picross(1)->unlockPer, 1) << "no cheats.txt, no replay";
}

TEST_F(MapWorld, SparksComeInBurstsOfSevenAroundTheTurningRing) {
  auto stage = map_test::Stage(9, 500, 400);
  TStage& s = *stage;
  s.unlockPer = 0.5f;
  s.dUnlockPer = 1;
  s.soundWas = 1;
  delta = 1;
  particlesList.clear();
  stageUpdateUnlock(s);
  ASSERT_EQ(particlesList.size(), 7u);
  EXPECT_NEAR(s.rot, 1.99f, 1e-4);
  int i = 1;
  for (auto& p : particlesList) {
    const double angle = std::atan2(p->y2 - 400, p->x2 - 500) * 180 / M_PI;
    const double expected = std::remainder(51.0 * i + 1, 360.0);      // whole degrees: 51 i + 1.99 truncated
    EXPECT_NEAR(std::remainder(angle - expected, 360.0), 0, 4) << i;  // ends jittered by 3 px
    EXPECT_EQ(p->lifeTime, 755) << "radius 0.505 + 0.25";
    ++i;
  }
  // The next burst comes once the clock is past 10 ms after this one.
  struct Wait {
    int ms;
    size_t sparks;
  };
  for (const Wait& w : {Wait{0, 7u}, Wait{10, 7u}, Wait{1, 14u}}) {
    world.h().AdvanceClock(w.ms);
    stageUpdateUnlockEffect(s);
    EXPECT_EQ(particlesList.size(), w.sparks) << w.ms;
  }
}

TEST_F(MapWorld, TheIconsRectangleIsTheHoverArea) {
  auto stage = map_test::Stage(9, 500, 400);
  TStage& s = *stage;
  struct Point {
    float x, y;
    int over;
  };
  for (const Point& p :
       {Point{460, 360, 1}, Point{540, 440, 1}, Point{500, 400, 1}, Point{459.5f, 400, 0}, Point{500, 440.5f, 0}}) {
    mouse->x = p.x, mouse->y = p.y;
    EXPECT_EQ(stageUpdateOver(s), p.over) << p.x << "," << p.y;
  }
}

// The map as drawn: resting titles in yellow, the one under the pointer in
// white.
class MapTitlesDrawn : public MapWorld {
 protected:
  MapTitlesDrawn() : MapWorld(true) {}
};

TEST_F(MapTitlesDrawn, RestingTitlesAreYellowAndTheOneUnderThePointerWhite) {
  player->QUEST_GetStageData(2);
  Picross(1)->title = "HOMELAND";
  Picross(2)->title = "MARSHES";
  for (int id : {1, 2}) Picross(id)->titleAddY = 60;
  map->_prepareStages();
  map->fade = map->dFade = 0;
  world.h().MoveMouse(150, 300);
  Frame();
  Frame();
  ASSERT_EQ(map->overStage, Picross(1));
  test::Shot(world.h(), "mapTitles");
  // Bright pixels of a label can only be its letters: the label darkens the map.
  auto letters = [&](int id) {
    const TTitleLabel l = stageTitleLabel(*Picross(id), map->font);
    int yellow = 0, white = 0;
    for (int y = static_cast<int>(l.y); y < l.y + l.h; ++y)
      for (int x = static_cast<int>(l.x); x < l.x + l.w; ++x) {
        const std::uint32_t p = world.h().PixelAt(x, y);
        const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
        if (r > 230 && g > 230 && b > 230) ++white;
        if (r > 230 && g > 230 && b < 40) ++yellow;
      }
    return std::pair{yellow, white};
  };
  const auto [overYellow, overWhite] = letters(1);
  const auto [restYellow, restWhite] = letters(2);
  EXPECT_EQ(overYellow, 0);
  EXPECT_GT(overWhite, 20);
  EXPECT_GT(restYellow, 20);
  EXPECT_EQ(restWhite, 0);
}

TEST(MapTitles, ALabelRunningOffTheMapMovesBackOntoIt) {
  struct Case {
    int cx, w, expected;
  };
  const Case cases[] = {
      {200, 100, 200},  {62, 100, 62},  // label from 4 px: stays
      {61, 100, 80},                    // label from 3 px: begins at 22 px
      {942, 100, 942},                  // label to 1000 px: stays
      {943, 100, 930},                  // centre at 980 - half
      {500, 1000, 480},                 // too wide for both: the right rule wins
  };
  for (const Case& c : cases) EXPECT_EQ(titleCentre(c.cx, c.w), c.expected) << c.cx << " " << c.w;
}

// Every shipped title's label, in both campaigns, stays off the painted
// volcanoes, off the other titles' labels and off every flag and its pole
// (the pole's foot, the flag's handle 6, 103, on the stage's point).
TEST_F(MapWorld, ShippedLabelsLeaveTheVolcanoesTheFlagsAndEachOtherClear) {
  // The painted cones under the smoke vents, from the crater's glow down to
  // the base: left, top, width, height.
  constexpr float kVolcanoCones[2][4] = {{488, 461, 120, 78}, {600, 504, 112, 70}};
  auto catalogue = std::make_shared<TLevelManager>();
  catalogue->setup();
  auto font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 20);
  ASSERT_GT(ImgWidth(map->flaga[1]), 0);
  auto box = [&](const TStage& stage) {
    const TTitleLabel l = stageTitleLabel(stage, font);
    return std::array<float, 4>{l.x, l.y, l.w, l.h};
  };
  auto apart = [](const auto& a, const auto& b) {
    return a[0] + a[2] <= b[0] || b[0] + b[2] <= a[0] || a[1] + a[3] <= b[1] || b[1] + b[3] <= a[1];
  };
  for (const auto* stages : {&catalogue->stagesMesalor, &catalogue->stagesNormal}) {
    ASSERT_EQ(stages->size(), 10u);
    for (const auto& stage : *stages) {
      for (const auto& cone : kVolcanoCones) EXPECT_TRUE(apart(box(*stage), cone)) << stage->title << " on a volcano";
      for (const auto& other : *stages) {
        const float x = static_cast<float>(other->x), y = static_cast<float>(other->y);
        // The flag (its lit look, the larger): cloth in the picture's top
        // 41 rows, and below it the pole, 6 px wide.
        const std::array<float, 4> cloth{x - 6, y - 103, ImgWidth(map->flaga[1]), 41};
        const std::array<float, 4> pole{x - 3, y - 103, 6, ImgHeight(map->flaga[1])};
        EXPECT_TRUE(apart(box(*stage), cloth)) << stage->title << " on the flag of " << other->title;
        EXPECT_TRUE(apart(box(*stage), pole)) << stage->title << " on the pole of " << other->title;
        if (other == stage) continue;
        EXPECT_TRUE(apart(box(*stage), box(*other))) << stage->title << " on " << other->title;
      }
    }
  }
}

}  // namespace
}  // namespace sorvanta
