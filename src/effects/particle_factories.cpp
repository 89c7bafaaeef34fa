// The particle recipes. Every random number is drawn into a local in the
// recipe's order, so a run draws the same particles every time.
#include "effects/particle_factories.h"

#include "effects/particle.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/strings.h"
#include "platform/trig.h"

namespace sorvanta {

namespace {

TRGB rgbOf(float r, float g, float b) { return TRGB{r, g, b}; }
const TRGB kWhite{255, 255, 255};

float cosd(int angle) { return static_cast<float>(Cos(angle)); }
float sind(int angle) { return static_cast<float>(Sin(angle)); }
float rndf(double a, double b) { return static_cast<float>(Rnd(a, b)); }

}  // namespace

void createShowStageParticle(float x, float y, int angle, float radius) {
  const float x1 = x + 20 * radius * cosd(angle) + Rand(-3, 3);
  const float y1 = y + 20 * radius * sind(angle) + Rand(-3, 3);
  const float x2 = x + 90 * radius * cosd(angle) + Rand(-3, 3);
  const float y2 = y + 90 * radius * sind(angle) + Rand(-3, 3);
  const float mx = (x1 + x2) / 2 + Rand(-3, 3);
  const float my = (y1 + y2) / 2 + Rand(-3, 3);
  const int g = Rand(200, 255);
  TRGB rgb = rgbOf(0, g, 0);
  if (Rand(0, 1) == 1) rgb = rgbOf(g, g, 0);
  const float endR = 360.0f + Rand(0, 180);
  // The single-precision product, truncated. Stored first, so the x87 unit
  // cannot keep it wider (0.755 would give 754.99999 there, not 755).
  const volatile float life = 1000.0f * radius;
  createParticle(0, x1, y1, x2, y2, mx, my, rgb, 1, 0, 0.5f, 1, 0, endR, 4, 0, FloatToInt(life));
}

void createHintParticle1(float x, float y, const TRGB& rgb) {
  const int n = Rand(0, 1);
  const float x1 = x + rndf(-5, 5);
  const float y1 = y + rndf(-5, 5);
  const float x2 = x + Rand(-15, 15);
  const float y2 = y + Rand(-15, 15);
  createParticle(n, x1, y1, x2, y2, x, y, rgb, 1, 0, 0.5f, 1, 0, 360, 4, 0, 500);
}

void createHintParticle(float x, float y) {
  const int n = Rand(0, 2);
  createParticle(n, x, y, x, y, x, y, rgbOf(0, 255, 255), 1, 0, 0.1f, 1, 0, 0, 4, 0, 500);
}

namespace {

void volcanoSmoke(float x, float y, float dx, float dy, float mx, float my) {
  const int n = Rand(8, 9);
  const float x2 = x + dx + Rand(-20, 30);
  const float y2 = y + dy + Rand(-5, 5);
  const int v = Rand(160, 220);
  const float endR = 180.0f + Rand(-90, 90);
  const int delay = Rand(0, 250);
  createParticle(n, x, y, x2, y2, mx, my, rgbOf(v, v, v), 0.5f, 0, 0.15f, 1, 0, endR, 3, delay, 4000);
}

}  // namespace

void createVulcanoSmoke1(float x, float y) { volcanoSmoke(x, y, 120, -20, 570, 430); }

void createVulcanoSmoke2(float x, float y) { volcanoSmoke(x, y, 150, -50, 692, 478); }

void createSnowParticle() {
  const int n = Rand(0, 1);
  const float sx = static_cast<float>(Rand(0, 1024));
  const float x2 = sx - 30, y2 = 0.2f * sx;
  createParticle(n, sx, 0, x2, y2, (sx + x2) / 2, y2 / 2, kWhite, 1, 0, 0.5f, 0.5f, 0, 360, 3, 0, 1000);
}

void createCloud() {
  const int n = Rand(5, 7);
  const auto& images = TParticle::img;
  const float w = static_cast<float>(ImageWidth(n < static_cast<int>(images.size()) ? images[n] : nullptr));
  const float cy = static_cast<float>(Rand(80, 500));
  const float k = rndf(2.0, 2.5);
  const int life = 40000 + 1000 * Rand(1, 10);
  createParticle(n, -w, cy, 1024 + w, cy, 512, cy, kWhite, 1, 1, k, k, 0, 0, 3, 0, life);
}

void createFog(float x, float y) {
  const int n = Rand(8, 9);
  const float endR = 180.0f + Rand(1, 180);
  const int life = 5000 + 1000 * Rand(3, 5);
  auto fog = createParticle(n, x, y, x, y, x, y, rgbOf(200, 200, 200), 0, 0.5f, 1, 1, 0, endR, 3, 0, life);
  if (fog) fog->reverseAlpha = 1;
}

void createLavaParticle(float x, float y) {
  const float x1 = x + Rand(-2, 2), y1 = y + Rand(-2, 2);
  const float x2 = x + Rand(-2, 2), y2 = y + Rand(-2, 2);
  const float mx = x + Rand(-2, 2), my = y + Rand(-2, 2);
  const int v = Rand(150, 250);
  TRGB rgb;
  switch (Rand(0, 2)) {
    case 0: rgb = rgbOf(v, v, 0); break;
    case 1: rgb = rgbOf(v, 0, 0); break;
    default: rgb = rgbOf(v, v / 2, 0.2f * v); break;
  }
  const float endR = 360.0f + Rand(1, 180);
  createParticle(4, x1, y1, x2, y2, mx, my, rgb, 1, 0, 0.2f, 0.2f, 0, endR, 4, 0, 500);
}

void createWaterParticle(float x, float y) {
  const float endR = static_cast<float>(Rand(90, 180));
  const int delay = Rand(1, 600);
  createParticle(0, x, y, x, y, x, y, kWhite, 1, 0, 0.5f, 0, 0, endR, 4, delay, 1000);
}

}  // namespace sorvanta
