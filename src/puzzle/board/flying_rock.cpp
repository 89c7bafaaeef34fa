// Mistake rocks: growth, flight, sparks and the landing that counts.
#include "puzzle/board/flying_rock.h"

#include <string>

#include "core/globals.h"
#include "effects/particle_factories.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/video.h"
#include "puzzle/board/board_links.h"

namespace sorvanta {

TEffectList<TFlyingRock> flyingRocksList;
std::array<std::shared_ptr<TImage>, 5> TFlyingRock::img;

namespace {

// Where the mistakes counter stands on the panel.
constexpr float kCounterX = 940, kCounterY = 380;

}  // namespace

void CreateMistake(float x, float y, int size) {
  auto rock = std::make_shared<TFlyingRock>();
  rock->x1 = rock->x = x;
  rock->y1 = rock->y = y;
  rock->x2 = kCounterX;
  rock->y2 = kCounterY;
  rock->size = size;
  switch (Rand(0, 3)) {
    case 0: rock->mx = 0, rock->my = 0; break;
    case 1: rock->mx = 0, rock->my = 768; break;
    case 2: rock->mx = 1024, rock->my = 0; break;
    default: rock->mx = 1024, rock->my = 768; break;
  }
  flyingRocksList.push_back(rock);
}

void TFlyingRock::draw() {
  if (size < 0 || size >= static_cast<int>(img.size())) return;
  SetScale(s, s);
  SetAlpha(a);
  SetBlend(ALPHABLEND);
  SetColor(255, 255, 255);
  SetRotation(rot);
  DrawImage(img[size], x, y, 0);
}

void TFlyingRock::_update_Start() {
  per += 0.02f * delta;
  if (per > 1.0f) per = 1.0f;
  const float k = easeOut(per);
  s = k;
  a = k;
  rot = 360 * k;
  if (per == 1.0f) {
    state = 1;
    per = 0;
  }
}

void TFlyingRock::_update_Fly() {
  per += 0.01f * delta;
  if (per > 1.0f) per = 1.0f;
  rot += 5 * delta;
  const float t = easeOut(per);
  x = curvePoint(x1, mx, x2, t);
  y = curvePoint(y1, my, y2, t);
  if (per > 0.9f) a = (1 - per) / 0.1f;
  generate();
  if (per == 1.0f) destroy();
}

void TFlyingRock::generate() {
  const int now = MilliSecs();
  if (!burstDue(now, timex)) return;
  for (int i = 0; i < 10; ++i) {
    const int v = Rand(200, 255);
    const TRGB grey{static_cast<float>(v), static_cast<float>(v), static_cast<float>(v)};
    const TRGB red{static_cast<float>(v), 0, 0};
    createHintParticle1(x, y, Rand(0, 3) == 0 ? grey : red);
  }
  timex = msAfter(MilliSecs(), 5);
}

void TFlyingRock::update() {
  if (state == 0) _update_Start();
  else if (state == 1) _update_Fly();
}

void TFlyingRock::destroy() {
  PlayAddMistake();
  removeEffect(flyingRocksList, this);
}

void _updateFlyingRocks() {
  forEachEffect(flyingRocksList, [](TFlyingRock& r) { r.update(); });
}

void _drawFlyingRocks() {
  forEachEffect(flyingRocksList, [](TFlyingRock& r) { r.draw(); });
}

void setupFlyingRocks() {
  for (int k = 0; k < 5; ++k) {
    TFlyingRock::img[k] = LoadImage(bDir + "gfx/effects/x" + std::to_string(k) + ".png", -1);
    MidHandleImage(TFlyingRock::img[k]);
  }
}

}  // namespace sorvanta
