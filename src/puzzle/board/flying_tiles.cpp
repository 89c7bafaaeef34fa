// Flying cells: creation, the timed flight and its two drawings.
#include "puzzle/board/flying_tiles.h"

#include "core/frame.h"
#include "platform/clock.h"
#include "platform/video.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

TEffectList<TFlyingTile> flyingTiles;

namespace {

std::shared_ptr<TFlyingTile> makeFlight(float x1, float y1, float x2, float y2, float mx, float my, float stScale,
                                        float endScale, float stAlpha, float endAlpha, float stRot, float endRot,
                                        int lifeTime, int delay) {
  auto f = std::make_shared<TFlyingTile>();
  f->x1 = x1;
  f->y1 = y1;
  f->x2 = x2;
  f->y2 = y2;
  f->mx = mx;
  f->my = my;
  f->stScale = stScale;
  f->dScale = endScale;
  f->stAlpha = stAlpha;
  f->dAlpha = endAlpha;
  f->stRot = stRot;
  f->dRot = endRot;
  f->lifeTime = lifeTime;
  f->startTime = msAfter(Millisecs2(), delay);
  flyingTiles.push_back(f);
  return f;
}

void setPose(float scale, float alpha, float rot) {
  SetScale(scale, scale);
  SetAlpha(alpha);
  SetRotation(rot);
  SetColor(255, 255, 255);
  SetBlend(ALPHABLEND);
}

}  // namespace

std::shared_ptr<TFlyingTile> createFlyingTile(const std::shared_ptr<TTile>& tile, float x1, float y1, float x2,
                                              float y2, float mx, float my, float stScale, float endScale,
                                              float stAlpha, float endAlpha, float stRot, float endRot,
                                              int lifeTime, int delay) {
  auto f = makeFlight(x1, y1, x2, y2, mx, my, stScale, endScale, stAlpha, endAlpha, stRot, endRot, lifeTime, delay);
  f->_tile = tile;
  if (tile) tile->_flyingTile = f;
  return f;
}

std::shared_ptr<TFlyingTile> CreateFlyingATile(const std::shared_ptr<TATile>& tile, float x1, float y1, float x2,
                                               float y2, float mx, float my, float stScale, float endScale,
                                               float stAlpha, float endAlpha, float stRot, float endRot,
                                               int lifeTime, int delay) {
  auto f = makeFlight(x1, y1, x2, y2, mx, my, stScale, endScale, stAlpha, endAlpha, stRot, endRot, lifeTime, delay);
  f->_aTile = tile;
  if (tile) tile->_flyingTile = f;
  return f;
}

void TFlyingTile::_drawNormal() {
  if (msSince(Millisecs2(), startTime) > 0) return;
  auto cell = _aTile.lock();
  if (!cell) return;
  setPose(stScale, stAlpha, stRot);
  cell->drawAsFlying(x1, y1);
}

void TFlyingTile::draw() {
  if (msSince(Millisecs2(), startTime) < 0) return;
  setPose(scale, alpha, rot);
  if (auto cell = _aTile.lock()) cell->drawAsFlying(x, y);
  else if (auto fill = _tile.lock()) fill->drawAsFlying(x, y);
}

void TFlyingTile::_updatePer() {
  // A life of 0 or less is over at once: no division by zero, no progress
  // that is not a number and so never reaches its end.
  per = lifeTime > 0 ? static_cast<float>(msSince(Millisecs2(), time)) / static_cast<float>(lifeTime) : 1.0f;
  if (!(per < 1.0f)) per = 1.0f;
  if (per < 0.0f) per = 0.0f;
  if (per == 1.0f) {
    if (bylo == 1) destroy();
    bylo = 1;
  }
}

void TFlyingTile::_updateAlpha() { alpha = stAlpha + (dAlpha - stAlpha) * per; }

void TFlyingTile::_updateScale() { scale = stScale + (dScale - stScale) * per; }

void TFlyingTile::_updateRotation() { rot = stRot + (dRot - stRot) * per; }

void TFlyingTile::_updatePosition() {
  x = curvePoint(x1, mx, x2, per);
  y = curvePoint(y1, my, y2, per);
}

void TFlyingTile::update() {
  const int now = Millisecs2();
  if (msSince(now, startTime) < 0) return;
  if (started == 0) time = now;
  started = 1;
  _updatePer();
  _updateAlpha();
  _updateScale();
  _updateRotation();
  _updatePosition();
}

void TFlyingTile::destroy() {
  auto fill = _tile.lock();
  if (noRemove == 0 && fill && fill->_flyingTile.get() == this) fill->_flyingTile.reset();
  removeEffect(flyingTiles, this);
}

void _updateFlyingTiles() {
  forEachEffect(flyingTiles, [](TFlyingTile& f) { f.update(); });
}

void _drawFlyingTiles() {
  forEachEffect(flyingTiles, [](TFlyingTile& f) { f._drawNormal(); });
  forEachEffect(flyingTiles, [](TFlyingTile& f) { f.draw(); });
}

}  // namespace sorvanta
