// Hint sparks and hint orbs: flight, particle trails and what their arrival does.
#include "puzzle/board/flying_hints.h"

#include "core/globals.h"
#include "effects/particle.h"
#include "effects/particle_factories.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/trig.h"
#include "platform/video.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/board_links.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "sound/global_snd.h"

namespace sorvanta {

TEffectList<TFlyingHint> flyingHints;
TEffectList<TFlyingAddHint> flyingAddHints;
std::shared_ptr<TImage> TFlyingAddHint::img;

namespace {

TRGB rgbOf(int r, int g, int b) { return TRGB{static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)}; }

}  // namespace

void TFlyingHint::update() {
  per += 0.007f * delta;
  if (per > 1.0f) per = 1.0f;
  x = curvePoint(x1, mx, x2, per);
  y = curvePoint(y1, my, y2, per);
  if (bylo == 1 && per == 1.0f) destroy();
  if (per == 1.0f) bylo = 1;
}

void TFlyingHint::draw() {
  if (!burstDue(MilliSecs(), timex)) return;
  for (int i = 0; i < 10; ++i) {
    const int v = Rand(200, 255);
    createHintParticle1(x, y, Rand(0, 3) == 0 ? rgbOf(v, v, v) : rgbOf(v, 0, v));
  }
  timex = msAfter(MilliSecs(), 5);
}

void TFlyingHint::destroy() {
  // The cell's own guards leave an acted, pending or locked cell as it is.
  if (docelowyTile) docelowyTile->Resolve();
  removeEffect(flyingHints, this);
}

void createNewAddHint(float x, float y) {
  auto level = PlayedLevel();
  if (!level) return;
  auto hint = level->getUnloadedHint();
  if (!hint) return;
  auto orb = std::make_shared<TFlyingAddHint>();
  orb->a = 1;
  orb->s = 1;
  orb->rot = 0;
  // At its start until its first update, should it be drawn before one.
  orb->x1 = orb->x = x;
  orb->y1 = orb->y = y;
  orb->x2 = hint->x;
  orb->y2 = hint->y;
  orb->speed = static_cast<float>(Rnd(0.005, 0.01));
  orb->myHint = hint;
  switch (Rand(0, 3)) {
    case 0: orb->mx = 0, orb->my = 0; break;
    case 1: orb->mx = 1024, orb->my = 0; break;
    case 2: orb->mx = 1024, orb->my = 768; break;
    default: orb->mx = 0, orb->my = 768; break;
  }
  flyingAddHints.push_back(orb);
}

void TFlyingAddHint::update() {
  per += speed * delta;
  if (per > 1.0f) per = 1.0f;
  rot += 5 * delta;
  const float t = easeOut(per);
  x = curvePoint(x1, mx, x2, t);
  y = curvePoint(y1, my, y2, t);
  if (burstDue(MilliSecs(), partTime)) {
    partTime = msAfter(MilliSecs(), 10);
    GenerateParticles();
  }
  if (per >= 0.8f) a = (1 - per) / 0.2f;
  if (per == 1.0f) destroy();
}

void TFlyingAddHint::GenerateParticles() {
  for (int i = 0; i < 10; ++i) {
    const int angle = Rand(0, 380);
    const int dist = Rand(2, 10);
    const float px = x + static_cast<float>(Rnd(-4, 4));
    const float py = y + static_cast<float>(Rnd(-4, 4));
    const float ex = px + dist * static_cast<float>(Cos(angle));
    const float ey = py + dist * static_cast<float>(Sin(angle));
    const int v = Rand(200, 255);
    const TRGB rgb = Rand(0, 3) != 0 ? rgbOf(0, v, 0) : rgbOf(v, v, v);
    const int n = Rand(0, 1);
    createParticle(n, px, py, ex, ey, px, py, rgb, 1, 0, 0.5f, 1, 0, 360, 4, 0, 500);
  }
}

void TFlyingAddHint::draw() {
  SetColor(255, 255, 255);
  SetBlend(LIGHTBLEND);
  SetRotation(rot);
  SetScale(s, s);
  SetAlpha(a);
  DrawImage(img, x, y, 0);
}

void TFlyingAddHint::destroy() {
  removeEffect(flyingAddHints, this);
  PlayAddHintPower();
  if (globalSnd) globalSnd->playMySound("hint-load");
}

void _updateFlyingHints() {
  forEachEffect(flyingHints, [](TFlyingHint& h) { h.update(); });
}

void _drawFlyingHints() {
  forEachEffect(flyingHints, [](TFlyingHint& h) { h.draw(); });
}

void _updateFlyingAddHint() {
  forEachEffect(flyingAddHints, [](TFlyingAddHint& h) { h.update(); });
}

void _drawFlyingAddHint() {
  forEachEffect(flyingAddHints, [](TFlyingAddHint& h) { h.draw(); });
}

void setupFlyingAddHints() {
  TFlyingAddHint::img = LoadImage(bDir + "gfx/effects/hint.png", -1);
  MidHandleImage(TFlyingAddHint::img);
}

}  // namespace sorvanta
