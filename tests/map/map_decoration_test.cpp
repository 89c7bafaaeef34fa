// The living map: the sea's point-in-polygon test, the emitters' deadlines
// and the ship's voyage.
#include "map/map_decoration.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "effects/particle.h"
#include "map_test_support.h"
#include "platform/clock.h"

namespace sorvanta {
namespace {

using map_test::MapWorld;

TEST(MapSea, PointInPolyByTheEvenOddRuleWithHalfOpenEdges) {
  const std::vector<int> sx = {0, 10, 10, 0}, sy = {0, 0, 10, 10};
  std::vector<int> seaX, seaY;
  for (const auto& p : kSeaPolygon) seaX.push_back(p.x), seaY.push_back(p.y);
  struct Case {
    bool sea;
    int x, y, inside;
  };
  const Case cases[] = {
      {false, 5, 5, 1},    {false, 15, 5, 0},   {false, -1, 5, 0},   {false, 0, 0, 0},
      {false, 10, 10, 1},  {false, 0, 10, 0},                                               // vertices
      {false, 5, 0, 0},    {false, 5, 10, 1},                                               // top and bottom edges
      {false, 10, 5, 1},   {false, 0, 5, 0},                                                // right and left edges
      {true, 900, 500, 1}, {true, 950, 300, 1}, {true, 880, 360, 1},                        // open sea, the bay
      {true, 840, 360, 0}, {true, 700, 500, 0}, {true, 780, 700, 0}, {true, 1000, 500, 0},  // the cape, land
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.sea ? pointInPoly(c.x, c.y, seaX, seaY) : pointInPoly(c.x, c.y, sx, sy), c.inside)
        << (c.sea ? "sea " : "square ") << c.x << "," << c.y;
  EXPECT_EQ(pointInPoly(1, 1, {}, {}), 0);
  const std::vector<int> far = {0, 2000000000, 0}, tall = {0, 1, 2000000000};
  EXPECT_EQ(pointInPoly(1000, 1000, far, tall), 1) << "no overflow";
}

TEST_F(MapWorld, EmittersFireAtMostOnceAFrameAndAllInTheFirst) {
  particlesList.clear();
  map->waterTime = MilliSecs() + 100000;  // the glints' count is random: kept out
  map->_updateEnviroment();
  const size_t first = 10 + 2 + 13 + 1 + 34;
  EXPECT_EQ(particlesList.size(), first);
  struct Step {
    int ms;
    size_t added;
  };
  // Lava every 10 ms (once a frame at most), smoke every 100, snow every 50.
  for (const Step& s : {Step{0, 0u}, Step{11, 10u}, Step{1, 0u}, Step{40, 10u + 13u}, Step{51, 10u + 2u + 13u}}) {
    const size_t before = particlesList.size();
    world.h().AdvanceClock(s.ms);
    map->_updateEnviroment();
    EXPECT_EQ(particlesList.size() - before, s.added) << s.ms;
  }
  EXPECT_EQ(map->lavATime, MilliSecs() + 10);
  EXPECT_EQ(map->cloudTime, MilliSecs() - 103 + 6000);
}

TEST(MapEmitters, GoOnWhenTheClockWraps) {
  TMapScreen map;
  for (auto& d : map.lavaDim) d.x = d.y = 100;
  int now = INT_MIN + 5;
  SetTestClock([&] { return now; });
  map.lavATime = INT_MAX - 4;
  map.vulcanoTime = map.snowTime = map.cloudTime = map.fogTime = map.waterTime = INT_MIN + 1000;
  particlesList.clear();
  map._updateEnviroment();
  SetTestClock(nullptr);
  EXPECT_EQ(particlesList.size(), 10u);
  EXPECT_EQ(map.lavATime, INT_MIN + 15);
}

TEST_F(MapWorld, TheShipSailsAThousandFramesThenTheSeaRestsTwoHundred) {
  delta = 1;
  map->back = nullptr;  // only the ship's course matters here
  map->shipPer = 0;
  int voyage = 0, rest = 0;
  while (map->shipPer >= 0 && voyage < 2000) map->_drawBack(), ++voyage;
  while (map->shipPer < 0 && rest < 2000) map->_drawBack(), ++rest;
  EXPECT_NEAR(voyage, 1000, 1);
  EXPECT_NEAR(rest, 200, 1);
  struct Case {
    float per, alpha;
  };
  for (const Case& c : {Case{0, 0}, Case{0.05f, 0.5f}, Case{0.1f, 1}, Case{0.7f, 1}, Case{0.85f, 0.5f}, Case{1, 0}})
    EXPECT_NEAR(shipAlpha(c.per), c.alpha, 1e-5) << c.per;
}

}  // namespace
}  // namespace sorvanta
