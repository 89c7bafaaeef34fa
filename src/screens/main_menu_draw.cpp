// The main menu's title picture: picture pairs, portals, background and logo.
#include "core/draw_state.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "platform/random.h"
#include "platform/trig.h"
#include "platform/video.h"
#include "screens/main_menu.h"

namespace sorvanta {

namespace {

constexpr float kLogoX = 512, kLogoY = 120;
constexpr float kCrossFadeSpeed = 0.01f;  // 100 frames
constexpr float kPortalSpeed = 0.005f;    // times each portal's own factor
constexpr float kGlowSpeed = 0.01f;

int nextSwap() { return msAfter(MilliSecs(), 1000 + 1000 * Rand(1, 4)); }

// Moves value toward target; once there, turns the target round.
void pulse(float& value, float& target, float speed) {
  rampToward(value, target, speed);
  if (value == target) target = target == 0 ? 1 : 0;
}

}  // namespace

void TMainMenu::_prepareEffects() {
  for (int k = 0; k < kTitlePairs; ++k) {
    p[k] = static_cast<float>(Rnd(0, 1));
    dp[k] = 1;
    if (Rand(0, 1) != 0) dp[k] = 0;
    pSpeed[k] = static_cast<float>(Rnd(0.8, 1.0));
    obrTime[k] = nextSwap();
  }
}

void TMainMenu::_updateObrazki() {
  for (int k = 0; k < kTitlePairs; ++k) {
    if (msPast(MilliSecs(), obrTime[k])) {
      obrTime[k] = nextSwap();
      dObrA[k] = dObrA[k] == 0 ? 1 : 0;
    }
    rampToward(obrA[k], dObrA[k], kCrossFadeSpeed);
  }
}

void TMainMenu::_updatePortale() {
  for (int k = 0; k < kTitlePairs; ++k) pulse(p[k], dp[k], pSpeed[k] * kPortalSpeed);
}

void TMainMenu::draw() {
  _drawBack();
  _drawGUI();
  _drawFade();
}

void TMainMenu::_drawBack() {
  ResetDrawState();
  _drawObrazki();
  _drawPortale();
  DrawImage(back, 0, 0);
  _drawLogo();
  SetScale(1, 1);
}

void TMainMenu::_drawObrazki() {
  for (int k = 0; k < kTitlePairs; ++k) {
    // The first picture is hidden only once the second covers it fully.
    if (obrA[k] < 1) {
      SetAlpha(1);
      DrawImage(obrazek[k][0], obrDim[k].x, obrDim[k].y);
    }
    SetAlpha(obrA[k]);
    DrawImage(obrazek[k][1], obrDim[k].x, obrDim[k].y);
  }
  SetAlpha(1);
}

void TMainMenu::_drawPortale() {
  SetBlend(LIGHTBLEND);
  for (int k = 0; k < kTitlePairs; ++k) {
    SetAlpha(static_cast<float>(0.25 + 0.5 * Cos(90.0 * p[k])));
    DrawImage(portal[k], static_cast<float>(px[k]), static_cast<float>(py[k]));
  }
  SetAlpha(1);
  SetBlend(ALPHABLEND);
}

void TMainMenu::_drawLogo() {
  const float s = static_cast<float>(Sin(90.0 * alpha));
  SetScale(s, s);
  SetAlpha(1);
  DrawImage(logo, kLogoX, kLogoY);
  // Pulsed while drawing, so the glow lives on under the dialogs.
  pulse(bla, dBla, kGlowSpeed);
  SetBlend(LIGHTBLEND);
  SetAlpha(static_cast<float>(0.4 * Sin(90.0 * bla)));
  DrawImage(logo, kLogoX, kLogoY);
  SetAlpha(1);
  SetBlend(ALPHABLEND);
}

}  // namespace sorvanta
