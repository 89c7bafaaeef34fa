// The outro's five scenes: pictures with slow zooms and cross-fades, the
// sparks of scene 1, the light rays of scene 2, and scene 3's figure, scroll,
// circling banners and their sparks.
#include "core/draw_state.h"
#include "core/globals.h"
#include "gui/img.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/trig.h"
#include "platform/video.h"
#include "story/outro.h"

namespace sorvanta {

namespace {
constexpr float kPicX = 512, kPicY = 384 - TOutro::Draw_Add_Up;
constexpr float kZoomRate = 0.0002f;
constexpr float kRiseRate = 0.02f;

void rise(float& value, float rate) {
  value += rate * delta;
  if (value > 1) value = 1;
}

// A scene's picture about its centre: its zoom grows while it is drawn.
void drawPicture(const std::shared_ptr<TImg>& img, float& zoom, float alpha) {
  zoom += kZoomRate * delta;
  ResetDrawState(alpha);
  SetScale(zoom, zoom);
  DrawImg(img, kPicX, kPicY);
}
}  // namespace

void TOutro::_draw_First() {
  drawPicture(image[0], scale1, 1);
  _drawParticles(&firstParticles);
}

void TOutro::_draw_Second() {
  if (alpha2 < 1) _draw_First();
  drawPicture(image[1], scale2, alpha2);
  SetBlend(LIGHTBLEND);
  for (std::size_t i = 0; i < stripeRot.size(); ++i) {
    SetAlpha(stripeA[i] * 0.3f * alpha2);
    SetRotation(static_cast<float>(stripeRot[i]));
    DrawImg(stripe, 512, 200 - Draw_Add_Up);
    // Each ray breathes between dark and lit at its own pace.
    float& a = stripeA[i];
    if (a < stripeDA[i]) {
      a += stripeSpeed[i] * delta;
      if (a > stripeDA[i]) a = stripeDA[i];
    } else if (a > stripeDA[i]) {
      a -= stripeSpeed[i] * delta;
      if (a < stripeDA[i]) a = stripeDA[i];
    }
    if (a == stripeDA[i]) stripeDA[i] = stripeDA[i] == 0 ? 1.0f : 0.0f;
  }
  SetRotation(0);
  SetAlpha(1);
  SetBlend(ALPHABLEND);
}

void TOutro::_draw_Third() {
  if (alpha3 < 1) _draw_Second();
  drawPicture(druidBack, scale3, alpha3);
  // The figure and the scroll sink slowly as the picture zooms in.
  const float sink = (scale3 - 1) * 300;
  SetScale(1, 1);
  SetAlpha(alpha3);
  DrawImg(druid, 512, 600 + sink - Draw_Add_Up);
  DrawImg(scroll, 550, 250 + sink - Draw_Add_Up);

  buffer.clear();
  rot += 0.2f * delta;
  const int now = MilliSecs();
  for (int i = 0; i < 4; ++i) {
    if (msPast(now, tapTime[i])) rise(tapA[i], 0.01f);
    const double theta = 90.0 * i + rot;
    AddObject(flag[i], static_cast<float>(cx + width * Cos(theta)),
              static_cast<float>(cy + height * Sin(theta) - Draw_Add_Up), tapA[i], 1);
  }
  sortByDepth(buffer);
  for (const auto& o : buffer) o->draw(alpha3);
  _drawParticles(&thirdParticles);
}

void TOutro::_draw_fourth() {
  if (alpha4 < 1) _draw_Third();
  drawPicture(image[2], scale4, alpha4);
}

void TOutro::_draw_five() {
  if (alpha5 < 1) _draw_fourth();
  drawPicture(image[3], scale5, alpha5);
}

void TOutro::emitFirst() {
  for (int k = 0; k < 6; ++k) {
    for (int side = 0; side < 2; ++side) {
      const int n = Rand(0, 2);
      const float y1 = 330.0f + Rand(-30, 30);
      const float x2 = 512.0f + Rand(-200, 200);
      const float y2 = static_cast<float>(Rand(60, 200));
      const float my = 100.0f + Rand(0, 50);
      const TRGB colour{static_cast<float>(Rand(230, 255)), static_cast<float>(Rand(100, 120)),
                        static_cast<float>(Rand(40, 60))};
      const int wait = Rand(0, 25);
      float x1, mx;
      if (side == 0) {
        x1 = 400.0f + Rand(-40, 40);
        mx = 200.0f + Rand(0, 100);
      } else {
        x1 = 630.0f + Rand(-40, 40);
        mx = 824.0f - Rand(0, 100);
      }
      createParticle(n, x1, y1, x2, y2, mx, my, colour, 1, 0, 0.5f, 2, 0, 360, LIGHTBLEND, wait, 4000, &firstParticles);
    }
  }
}

void TOutro::emitThird(int banner) {
  const double theta = 90.0 * banner + rot;
  const int w = static_cast<int>(ImgWidth(flag[banner])), h = static_cast<int>(ImgHeight(flag[banner]));
  for (int k = 0; k < 5; ++k) {
    const float x1 = static_cast<float>(512 + 330 * Cos(theta) - w / 3 + Rand(0, w / 2));
    const float y1 = static_cast<float>(250 + 50 * Sin(theta) - h / 3 + Rand(0, h / 2));
    float x2, mx;
    if (Rand(0, 1) == 0) {
      x2 = x1 + 0.5f * Rand(-50, 0);
      mx = x1 - 0.5f * Rand(100, 150);
    } else {
      x2 = x1 + 0.5f * Rand(0, 50);
      mx = x1 + 0.5f * Rand(100, 150);
    }
    const float y2 = y1 + 0.5f * Rand(50, 200);
    const float my = y1 + 0.5f * Rand(50, 100);
    createParticle(Rand(0, 1), x1, y1, x2, y2, mx, my, TRGB{240, 120, 40}, 1, 0, 0, 0.75f, 0, 360, LIGHTBLEND, 0, 2000,
                   &thirdParticles);
  }
}

void TOutro::_update_First() {
  const int now = MilliSecs();
  if (msPast(now, partTime)) {
    partTime = msAfter(now, 25);
    emitFirst();
  }
  rise(alpha1, kRiseRate);
  if (sceneOver()) {
    nextTime = msAfter(MilliSecs(), kSceneMs[1]);
    part = 2;
  }
}

void TOutro::_update_Second() {
  rise(alpha2, kRiseRate);
  if (sceneOver()) {
    start_third();
    part = 3;
  }
}

void TOutro::_update_Third() {
  const int now = MilliSecs();
  if (msPast(now, partTime)) {
    partTime = msAfter(now, 10);
    for (int i = 0; i < 4; ++i)
      if (msPast(now, tapTime[i])) emitThird(i);
  }
  rise(alpha3, kRiseRate);
  if (sceneOver()) {
    nextTime = msAfter(MilliSecs(), kSceneMs[3]);
    part = 4;
  }
}

void TOutro::_update_Fourth() {
  rise(alpha4, kRiseRate);
  if (sceneOver()) {
    nextTime = msAfter(MilliSecs(), kSceneMs[4]);
    part = 5;
  }
}

void TOutro::_update_Five() {
  rise(alpha5, kRiseRate);
  if (sceneOver()) dFade = 1;
}

}  // namespace sorvanta
