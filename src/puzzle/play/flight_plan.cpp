// The Fill fly-in patterns and the Picross fall.
#include "puzzle/play/flight_plan.h"

#include "core/design_size.h"
#include "platform/random.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

namespace {

constexpr int kFlyInLife = 1000;
constexpr float kFromSide = 1000.0f;  // start distance of the side patterns

}  // namespace

std::vector<TFlight> fillFlyInPlan(const TLevel& level, int pattern) {
  std::vector<TFlight> plan;
  if (pattern < 1 || pattern > 5) return plan;
  const float s = level.scale;
  const float h = static_cast<float>(kDesignHeight);
  for (int r = 0; r < level.tile.rows(); ++r)
    for (int c = 0; c < level.tile.cols(); ++c) {
      auto cell = level.tile.get(r, c);
      if (!cell) continue;
      TFlight f;
      f.tile = cell;
      f.x1 = f.x2 = f.mx = cell->x;
      f.y1 = f.y2 = f.my = cell->y;
      f.stScale = f.endScale = s;
      f.stAlpha = f.endAlpha = 1;
      f.lifeTime = kFlyInLife;
      switch (pattern) {
        case 1:  // grows in place, turning twice
          f.stScale = 0;
          f.stAlpha = 0;
          f.endRot = 720;
          break;
        case 2:  // from above, every cell after the same wait
          f.y1 = cell->y - h;
          f.delay = level.rows * level.cols * 3;
          break;
        case 3:
          f.x1 = cell->x - kFromSide;
          break;
        case 4:
          f.x1 = cell->x + kFromSide;
          break;
        default:
          f.y1 = cell->y + h;
          break;
      }
      plan.push_back(f);
    }
  return plan;
}

std::vector<TFlight> loseFallPlan(const TLevel& level) {
  std::vector<TFlight> plan;
  int k = 0;
  for (int r = 0; r < level.atiles.rows(); ++r)
    for (int c = 0; c < level.atiles.cols(); ++c) {
      auto cell = level.atiles.get(r, c);
      if (!cell) continue;
      TFlight f;
      f.aTile = cell;
      f.x1 = static_cast<float>(cell->x);
      f.y1 = static_cast<float>(cell->y);
      f.x2 = f.x1;
      f.y2 = f.y1 + kDesignHeight;
      // The draws come in this order for every cell.
      const bool fromStart = Rand(0, 1) == 1;
      f.mx = fromStart ? f.x1 : f.x2;
      f.my = fromStart ? f.y1 : f.y2;
      f.stScale = 1;
      f.endScale = 0;
      f.stAlpha = 1;
      f.endAlpha = 0;
      f.lifeTime = 1500 + Rand(0, 500);
      f.endRot = static_cast<float>(Rand(1, 720));
      f.delay = 5 + 10 * k;
      ++k;
      plan.push_back(f);
    }
  return plan;
}

}  // namespace sorvanta
