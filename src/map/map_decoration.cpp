// The map's background, ship, frame, compass and ambient emitters, and the
// point-in-polygon test of its sea.
#include "map/map_decoration.h"

#include <algorithm>
#include <cstdint>

#include "core/draw_state.h"
#include "core/globals.h"
#include "effects/effect_list.h"
#include "effects/particle_factories.h"
#include "gui/img.h"
#include "map/map_screen.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/trig.h"
#include "platform/video.h"

namespace sorvanta {

int pointInPoly(int x, int y, std::span<const int> xs, std::span<const int> ys) {
  const int n = static_cast<int>(std::min(xs.size(), ys.size()));
  int inside = 0;
  for (int i = 0, j = n - 1; i < n; j = i++) {
    if ((ys[i] < y && y <= ys[j]) || (ys[j] < y && y <= ys[i])) {
      // Wide enough that far points cannot overflow the product.
      const std::int64_t edgeX = xs[i] + (static_cast<std::int64_t>(y - ys[i]) * (xs[j] - xs[i])) / (ys[j] - ys[i]);
      if (edgeX < x) inside = 1 - inside;
    }
  }
  return inside;
}

float shipAlpha(float per) {
  if (per < 0.1f) return per / 0.1f;
  if (per <= 0.7f) return 1;
  return 1 - (per - 0.7f) / 0.3f;
}

namespace {

// True once the clock has passed the deadline, which then moves a period on.
// Modular, so the emitters go on when the millisecond clock wraps.
bool due(int& deadline, int period) {
  const int now = MilliSecs();
  if (!burstDue(now, deadline)) return false;
  deadline = msAfter(now, period);
  return true;
}

}  // namespace

void TMapScreen::_drawBack() {
  ResetDrawState();
  DrawImg(back, 0, 0);
  // The course eases out: taken before this frame's step.
  const float t = static_cast<float>(Sin(90.0 * shipPer));
  shipPer = std::min(shipPer + kShipStep * delta, 1.0f);
  if (shipPer >= 0) {
    SetAlpha(shipAlpha(shipPer));
    DrawImg(ship, kShipFrom.x + (kShipTo.x - kShipFrom.x) * t, kShipFrom.y + (kShipTo.y - kShipFrom.y) * t);
    SetAlpha(1);
    if (shipPer == 1) shipPer = kShipRest;
  }
}

void TMapScreen::_drawFrames() {
  ResetDrawState();
  DrawImg(frameLeft, 0, 0);
  DrawImg(frameUp, ImgWidth(frameLeft), 0);
  DrawImg(frameRight, kFrameRightEdge - ImgWidth(frameRight), 0);
  DrawImg(kompas, kCompassAt.x, kCompassAt.y);
}

void TMapScreen::_updateEnviroment() {
  if (due(lavATime, kLavaMs))
    for (int k = 0; k < kLavaSparks; ++k) {
      const TDim& p = lavaDim[Rand(0, static_cast<int>(lavaDim.size()) - 1)];
      createLavaParticle(p.x, p.y);
    }
  if (due(vulcanoTime, kSmokeMs)) {
    createVulcanoSmoke1(kSmokeVent1.x, kSmokeVent1.y);
    createVulcanoSmoke2(kSmokeVent2.x, kSmokeVent2.y);
  }
  if (due(snowTime, kSnowMs))
    for (int k = 0; k < kSnowFlakes; ++k) createSnowParticle();
  if (due(cloudTime, kCloudMs)) createCloud();
  if (due(fogTime, kFogMs))
    for (const TDim& p : fogDim) {
      const int b = Rand(-kFogJitter, kFogJitter);
      const int a = Rand(-kFogJitter, kFogJitter);
      createFog(p.x + a, p.y + b);
    }
  if (due(waterTime, kWaterMs))
    for (int k = 0; k < kWaterTries; ++k) {
      const int x = kWaterX + Rand(1, kWaterW);
      const int y = kWaterY + Rand(1, kWaterH);
      if (pointInPoly(x, y, pox, poy)) createWaterParticle(static_cast<float>(x), static_cast<float>(y));
    }
}

}  // namespace sorvanta
