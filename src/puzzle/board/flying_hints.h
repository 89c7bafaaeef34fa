#pragma once
// Hint sparks and hint orbs in flight. A spark flies from a used hint icon
// to a Picross cell not yet acted on and, after one frame of rest there,
// gives the cell its right action. An orb (TFlyingAddHint, hint.h) flies from
// a rightly uncovered cell to a charging hint icon.
#include <memory>

#include "effects/effect_list.h"

namespace sorvanta {

class TATile;
class TFlyingAddHint;
class TFlyingHint;

// Sparks and orbs in flight, made empty at start-up.
extern TEffectList<TFlyingHint> flyingHints;
extern TEffectList<TFlyingAddHint> flyingAddHints;

class TFlyingHint {
 public:
  virtual ~TFlyingHint() = default;

  float x1 = 0, y1 = 0;  // the hint icon
  float x2 = 0, y2 = 0;  // the target cell
  float mx = 0, my = 0;  // control point: a screen corner
  float per = 0;
  float x = 0, y = 0;
  int bylo = 0;  // 1 once an update has found per at 1
  std::shared_ptr<TATile> docelowyTile;
  int timex = 0;  // clock after which the next burst of particles may come

  // A trail of particles; the spark has no image.
  virtual void draw();
  virtual void update();
  // Resolves the target cell and leaves the list.
  virtual void destroy();
};

// An orb from (x, y) to the hint that the orbs under way will not fill up;
// none when there is no such hint.
void createNewAddHint(float x, float y);
void _updateFlyingHints();
void _drawFlyingHints();
void _updateFlyingAddHint();
void _drawFlyingAddHint();
// Loading phase 2.
void setupFlyingAddHints();

}  // namespace sorvanta
