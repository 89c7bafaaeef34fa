#pragma once
// Shared set-up of the tests of the effects in flight: empty effect lists, a
// clock the test sets, a frame factor of 1, and solid-colour images; every
// global they touch is restored afterwards.
#include <cstdint>
#include <memory>
#include <vector>

#include "core/globals.h"
#include "effects/particle.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/flying_rock.h"
#include "puzzle/board/flying_tiles.h"
#include "puzzle/board/hint.h"
#include "puzzle_test_support.h"

namespace sorvanta::test {

// An unfiltered w x h image of one colour (0xAARRGGBB), handle centred.
inline std::shared_ptr<TImage> SolidImage(int w, int h, std::uint32_t argb) {
  auto pixmap = CreatePixmap(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) WritePixel(pixmap, x, y, argb);
  auto image = LoadImage(pixmap, 0);
  MidHandleImage(image);
  return image;
}

class EffectsTest : public PuzzleTest {
 protected:
  void SetUp() override {
    PuzzleTest::SetUp();
    saved_ = {flyingTiles, flyingRocksList, flyingHints, flyingAddHints, particlesList, TParticle::img,
              TFlyingRock::img, TFlyingAddHint::img, delta};
    flyingTiles.clear();
    flyingRocksList.clear();
    flyingHints.clear();
    flyingAddHints.clear();
    particlesList.clear();
    delta = 1;
  }
  void TearDown() override {
    ResetClock();
    flyingTiles = saved_.tiles;
    flyingRocksList = saved_.rocks;
    flyingHints = saved_.sparks;
    flyingAddHints = saved_.orbs;
    particlesList = saved_.particles;
    TParticle::img = saved_.particleImg;
    TFlyingRock::img = saved_.rockImg;
    TFlyingAddHint::img = saved_.orbImg;
    delta = saved_.delta;
    PuzzleTest::TearDown();
  }
  // MilliSecs reads now_ from here on.
  void UseTestClock() {
    SetTestClock([this] { return now_; });
  }
  int now_ = 1000;

 private:
  struct Saved {
    TEffectList<TFlyingTile> tiles;
    TEffectList<TFlyingRock> rocks;
    TEffectList<TFlyingHint> sparks;
    TEffectList<TFlyingAddHint> orbs;
    TEffectList<TParticle> particles;
    std::vector<std::shared_ptr<TImage>> particleImg;
    std::array<std::shared_ptr<TImage>, 5> rockImg;
    std::shared_ptr<TImage> orbImg;
    float delta;
  } saved_;
};

}  // namespace sorvanta::test
