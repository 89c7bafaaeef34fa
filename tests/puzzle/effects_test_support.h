#pragma once
// Shared set-up of the tests of the effects in flight: empty effect lists, a
// clock the test sets, a frame factor of 1, and solid-colour images (the
// snapshot around every test puts the globals back).
#include <cstdint>
#include <memory>
#include <vector>

#include "core/globals.h"
#include "effects/particle.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "platform/pixel_access.h"
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
    flyingTiles.clear();
    flyingRocksList.clear();
    flyingHints.clear();
    flyingAddHints.clear();
    particlesList.clear();
    delta = 1;
  }
  // MilliSecs reads now_ from here on.
  void UseTestClock() {
    SetTestClock([this] { return now_; });
  }
  int now_ = 1000;
};

}  // namespace sorvanta::test
