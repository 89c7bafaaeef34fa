#pragma once
// The flights of the play screen's two board animations, worked out before
// they are launched: the Fill cells flying in at a level start (five
// patterns) and the Picross cells falling off a lost board.
#include <memory>
#include <vector>

namespace sorvanta {

class TATile;
class TLevel;
class TTile;

// One cell's flight: curve, scale, alpha, turn, life and delay (ms).
struct TFlight {
  std::shared_ptr<TTile> tile;    // a Fill cell
  std::shared_ptr<TATile> aTile;  // a Picross cell
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, mx = 0, my = 0;
  float stScale = 0, endScale = 0;
  float stAlpha = 0, endAlpha = 0;
  float stRot = 0, endRot = 0;
  int lifeTime = 0;
  int delay = 0;
};

// Fill fly-in pattern 1..5 over every cell, row by row; any other pattern
// gives none.
std::vector<TFlight> fillFlyInPlan(const TLevel& level, int pattern);
// The fall of every Picross cell, row by row; draws three random numbers per
// cell in a fixed order.
std::vector<TFlight> loseFallPlan(const TLevel& level);

}  // namespace sorvanta
