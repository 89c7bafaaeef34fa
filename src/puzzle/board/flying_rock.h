#pragma once
// The mistake rock: it grows and spins up on the cell of a wrong action,
// then flies along an eased curve to the mistakes counter trailing sparks;
// the mistake counts only when it lands.
#include <array>
#include <memory>

#include "effects/effect_list.h"

namespace sorvanta {

class TImage;
class TFlyingRock;

// Every rock in flight, made empty at start-up.
extern TEffectList<TFlyingRock> flyingRocksList;

class TFlyingRock {
 public:
  virtual ~TFlyingRock() = default;

  int state = 0;  // 0 grow, 1 fly
  float x1 = 0, y1 = 0;  // the cell
  float x2 = 0, y2 = 0;  // the mistakes counter
  float mx = 0, my = 0;  // control point: a screen corner
  float per = 0;         // progress of the phase
  float x = 0, y = 0;
  int size = 0;          // image by cell size
  float rot = 0, a = 0, s = 0;
  int timex = 0;         // clock after which the next burst of sparks may come

  static std::array<std::shared_ptr<TImage>, 5> img;  // by cell size, centred

  virtual void draw();
  virtual void _update_Start();
  virtual void _update_Fly();
  // At most one burst of ten sparks a frame, 5 ms apart at least.
  virtual void generate();
  virtual void update();
  // Counts the mistake, then leaves the list.
  virtual void destroy();
};

// A rock from (x, y), the size of the cell it leaves.
void CreateMistake(float x, float y, int size);
void _updateFlyingRocks();
void _drawFlyingRocks();
// Loading phase 3.
void setupFlyingRocks();

}  // namespace sorvanta
