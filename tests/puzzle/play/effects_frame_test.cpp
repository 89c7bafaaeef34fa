// One frame of every kind of effect through the real drawing layer, headless.
#include <gtest/gtest.h>

#include "platform/draw_test_support.h"
#include "platform/harness.h"
#include "platform/read_back.h"
#include "platform/trig.h"
#include "platform/video.h"
#include "puzzle/effects_test_support.h"

namespace sorvanta {
namespace {

using testing::Probe;

class EffectsFrame : public test::EffectsTest {};

std::shared_ptr<TImg> WholeImg(const std::shared_ptr<TImage>& image) {
  auto img = std::make_shared<TImg>();
  img->image = image;
  img->w = image->width();
  img->h = image->height();
  return img;
}

TEST_F(EffectsFrame, EachEffectIsDrawnWhereItsCurveSays) {
  HarnessOptions options;
  options.startMillis = 1000;
  Harness h(options);
  SetVirtualResolution(1024, 768);

  // Black sparks add nothing in light blending, so only the probed images show.
  TParticle::img = {test::SolidImage(8, 8, 0xff000000u), test::SolidImage(8, 8, 0xff000000u),
                    test::SolidImage(8, 8, 0xffff0000u), nullptr};
  TFlyingRock::img[1] = test::SolidImage(12, 12, 0xff00ff00u);
  TFlyingAddHint::img = test::SolidImage(12, 12, 0xff0000ffu);
  TATile::empty[1] = test::SolidImage(10, 10, 0xffffffffu);
  auto piece = getTileDataById(7);
  piece->img[1] = test::SolidImage(10, 10, 0xffffff00u);

  auto level = test::MakePicrossLevel({"##"});
  mainGame->level = level;
  level->maxHintsCount = 1;
  level->hints = level->initHints(0, 0, 0, 0, 0, 0, 0, 0, 0);
  auto waiting = level->atiles.get(0, 0);
  auto flying = level->atiles.get(0, 1);
  waiting->size = flying->size = 1;
  flying->odkryte = 1;  // shows its picture piece
  // A painted Fill cell: its paint over its empty image.
  auto paint = getColorById(2);
  paint->img[0][1] = WholeImg(test::SolidImage(6, 6, 0xffff00ffu));
  TTile::empty[1] = WholeImg(test::SolidImage(20, 20, 0xff808080u));
  auto fill = std::make_shared<TTile>();
  fill->size = 1;
  fill->putColor = paint;
  mainGame->pickedColor = paint;

  // A red particle on a curve; an empty slot and an index past the table.
  createParticle(2, 200, 100, 300, 100, 250, 200, TRGB{255, 255, 255}, 1, 1, 1, 1, 0, 0, 3, 0, 1000);
  auto emptySlot = createParticle(3, 50, 600, 50, 600, 50, 600, TRGB{255, 255, 255}, 1, 1, 1, 1, 0, 0, 3, 0, 1000);
  auto pastTable = createParticle(40, 80, 600, 80, 600, 80, 600, TRGB{255, 255, 255}, 1, 1, 1, 1, 0, 0, 3, 0, 1000);
  CreateFlyingATile(waiting, 100, 300, 100, 0, 100, 0, 1, 1, 1, 1, 0, 0, 1000, 100000);
  CreateFlyingATile(flying, 400, 300, 600, 300, 500, 500, 1, 1, 1, 1, 0, 0, 1000, 0);
  createFlyingTile(fill, 850, 100, 850, 100, 850, 100, 1, 1, 1, 1, 0, 0, 1000, 0);
  CreateMistake(700, 200, 1);
  auto rock = flyingRocksList.back();
  createNewAddHint(650, 650);
  ASSERT_EQ(flyingAddHints.size(), 1u);
  auto orb = flyingAddHints.back();

  _updateFlyingTiles();
  _drawParticles();  // the particles' first frame: their age counts from here
  for (int i = 0; i < 51 + 50; ++i) _updateFlyingRocks();
  for (int i = 0; i < 40; ++i) _updateFlyingAddHint();
  h.Frame();
  h.AdvanceClock(500 - (h.millis() - 1000));
  _updateFlyingTiles();

  Cls();
  _drawFlyingTiles();
  _drawFlyingHints();
  _drawFlyingRocks();
  _drawFlyingAddHint();
  _drawParticles();
  h.Frame();

  const auto on = [](float x1, float mx, float x2, float t) {
    return (x2 - 2 * mx + x1) * t * t + 2 * (mx - x1) * t + x1;
  };
  const float rt = static_cast<float>(Sin(90.0 * rock->per));
  const float ot = static_cast<float>(Sin(90.0 * orb->per));
  testing::ExpectPixels(h, {
      {250, 150, 0xff0000},   // particle at half life
      {100, 300, 0xffffff},   // waiting cell at its start point
      {500, 400, 0xffff00},   // flying cell at half its flight
      {on(700, rock->mx, 940, rt), on(200, rock->my, 380, rt), 0x00ff00},
      {on(650, orb->mx, orb->x2, ot), on(650, orb->my, orb->y2, ot), 0x0000ff},
      {850, 100, 0xff00ff},   // Fill cell: its paint
      {857, 100, 0x808080},   // and its empty image round it
      {50, 600, 0x000000},    // empty slot: nothing drawn
      {80, 600, 0x000000},    // past the table: nothing drawn
  });
  EXPECT_FLOAT_EQ(emptySlot->lifePer, 0.5f) << "advanced though not drawn";
  EXPECT_FLOAT_EQ(pastTable->x, 80);

  float sx = 0, sy = 0;
  GetScale(sx, sy);
  int r = 0, g = 0, b = 0;
  GetColor(r, g, b);
  EXPECT_EQ(GetBlend(), ALPHABLEND);
  EXPECT_FLOAT_EQ(GetAlpha(), 1);
  EXPECT_FLOAT_EQ(GetRotation(), 0);
  EXPECT_EQ(sx + sy + r + g + b, 2 + 3 * 255);
}

}  // namespace
}  // namespace sorvanta
