#include "puzzle/board/flying_tiles.h"

#include <gtest/gtest.h>

#include <vector>

#include "puzzle/effects_test_support.h"

namespace sorvanta {
namespace {

class FlyingTiles : public test::EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    UseTestClock();
  }
};

TEST_F(FlyingTiles, FlightTimeStartsAtTheFirstUpdateAndTheEndPoseShowsOnce) {
  struct Step {
    int at;
    int started;
    float per;
    bool listed;
  };
  struct Case {
    const char* what;
    int delay, life;
    std::vector<Step> steps;
  } cases[] = {
      {"delay 0, first update late", 0, 100,
       {{1500, 1, 0, true}, {1550, 1, 0.5f, true}, {1600, 1, 1, true}, {1616, 1, 1, false}}},
      {"delayed", 200, 100, {{1100, 0, 0, true}, {1200, 1, 0, true}, {1250, 1, 0.5f, true}}},
      {"gap longer than the life", 0, 100, {{1000, 1, 0, true}, {1500, 1, 1, true}, {1516, 1, 1, false}}},
      {"zero life", 0, 0, {{1000, 1, 1, true}, {1016, 1, 1, false}}},
      {"negative life", 0, -50, {{1000, 1, 1, true}, {1016, 1, 1, false}}},
  };
  for (const Case& k : cases) {
    flyingTiles.clear();
    now_ = 1000;
    auto cell = std::make_shared<TATile>();
    auto f = CreateFlyingATile(cell, 0, 0, 100, 0, 50, 0, 1, 3, 0, 1, 0, 90, k.life, k.delay);
    for (const Step& s : k.steps) {
      now_ = s.at;
      _updateFlyingTiles();
      EXPECT_EQ(f->started, s.started) << k.what << " at " << s.at;
      EXPECT_FLOAT_EQ(f->per, s.per) << k.what << " at " << s.at;
      EXPECT_EQ(!flyingTiles.empty(), s.listed) << k.what << " at " << s.at;
      if (s.started == 0) continue;
      EXPECT_FLOAT_EQ(f->x, 100 * s.per) << k.what << " at " << s.at;
      EXPECT_FLOAT_EQ(f->scale, 1 + 2 * s.per) << k.what << " at " << s.at;
      EXPECT_FLOAT_EQ(f->rot, 90 * s.per) << k.what << " at " << s.at;
    }
  }
}

// The board draws a Picross cell in place while it has no flight or its
// flight waits, and a Fill cell only while it has no flight.
TEST_F(FlyingTiles, LinksKeepFallenPicrossCellsAwayAndGiveLandedFillCellsBack) {
  struct Case {
    const char* what;
    bool picross;
    int noRemove;
    bool linkedAfterLanding;
  } cases[] = {
      {"Picross cell", true, 0, true},
      {"Fill cell", false, 0, false},
      {"Fill cell kept linked", false, 1, true},
  };
  for (const Case& k : cases) {
    flyingTiles.clear();
    now_ = 1000;
    auto pic = std::make_shared<TATile>();
    auto fill = std::make_shared<TTile>();
    auto f = k.picross ? CreateFlyingATile(pic, 0, 0, 10, 10, 5, 5, 1, 1, 1, 1, 0, 0, 100, 50)
                       : createFlyingTile(fill, 0, 0, 10, 10, 5, 5, 1, 1, 1, 1, 0, 0, 100, 50);
    f->noRemove = k.noRemove;
    auto link = [&] { return k.picross ? pic->_flyingTile : fill->_flyingTile; };
    _updateFlyingTiles();
    EXPECT_EQ(link(), f) << k.what;
    EXPECT_EQ(f->started, 0) << k.what << ": a waiting Picross cell stays on the board";
    for (int t : {1050, 1150, 1166}) {
      now_ = t;
      _updateFlyingTiles();
    }
    EXPECT_TRUE(flyingTiles.empty()) << k.what;
    EXPECT_EQ(link() != nullptr, k.linkedAfterLanding) << k.what;
    if (k.linkedAfterLanding) {
      EXPECT_EQ(link()->started, 1) << k.what;
    }
  }
}

}  // namespace
}  // namespace sorvanta
