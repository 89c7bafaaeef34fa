#pragma once
// A board cell carried along a curve over a fixed time on the millisecond
// clock: the Fill cells flying into place at a level start and the Picross
// cells falling off a lost board. While a cell is linked to its flight the
// board leaves it out (a Picross cell only once the flight has started).
#include <memory>

#include "effects/effect_list.h"

namespace sorvanta {

class TATile;
class TFlyingTile;
class TTile;

// Every flight, made empty at start-up.
extern TEffectList<TFlyingTile> flyingTiles;

class TFlyingTile {
 public:
  virtual ~TFlyingTile() = default;

  // The cell carried. Not owning: the cell owns its flight through its link,
  // and its level owns the cell.
  std::weak_ptr<TTile> _tile;    // a Fill cell
  std::weak_ptr<TATile> _aTile;  // a Picross cell
  float dRot = 0, rot = 0, stRot = 0;
  float scale = 0, dScale = 0, stScale = 0;
  float alpha = 0, dAlpha = 0, stAlpha = 0;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  float mx = 0, my = 0;
  float x = 0, y = 0;
  float per = 0;
  int lifeTime = 0;   // ms
  int startTime = 0;  // creation time + delay
  int time = 0;       // clock when the flight began
  int bylo = 0;       // 1 once an update has found per at 1
  int noRemove = 0;   // 1: landing leaves the Fill cell's link in place
  int started = 0;    // 1 once the clock has reached startTime

  // The waiting pose: a Picross cell at the start point, until startTime.
  virtual void _drawNormal();
  // The flight pose, from startTime on.
  virtual void draw();
  virtual void _updatePer();
  virtual void _updateAlpha();
  virtual void _updateScale();
  virtual void _updateRotation();
  virtual void _updatePosition();
  virtual void update();
  // Unlinks a Fill cell (the board draws it again) and leaves the list. A
  // Picross cell stays linked, so a fallen cell does not come back.
  virtual void destroy();
};

std::shared_ptr<TFlyingTile> createFlyingTile(const std::shared_ptr<TTile>& tile, float x1, float y1, float x2,
                                              float y2, float mx, float my, float stScale, float endScale,
                                              float stAlpha, float endAlpha, float stRot, float endRot,
                                              int lifeTime, int delay);
std::shared_ptr<TFlyingTile> CreateFlyingATile(const std::shared_ptr<TATile>& tile, float x1, float y1, float x2,
                                               float y2, float mx, float my, float stScale, float endScale,
                                               float stAlpha, float endAlpha, float stRot, float endRot,
                                               int lifeTime, int delay);
void _updateFlyingTiles();
// Every waiting pose first, then every flight, so flights lie on top.
void _drawFlyingTiles();

}  // namespace sorvanta
