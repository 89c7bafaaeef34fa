// The intro's seven scenes: pictures with slow zooms and cross-fades,
// scene 0's streams and sparks, scene 2's smoke and lightning, the crowd and
// the circling flags, the departures, the walk and the flags' flight.
#include "core/globals.h"
#include "gui/img.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/trig.h"
#include "platform/video.h"
#include "sound/global_snd.h"
#include "story/intro.h"

namespace sorvanta {

namespace {
constexpr float kPicX = 512, kPicCentreY = 384;

// Toward full: the scenes' fade-ins start at 0.
void rise(float& value, float rate) { rampToward(value, 1.0f, rate); }

// A picture of a scene about its centre, at its zoom and opacity.
void drawPicture(const std::shared_ptr<TImg>& img, float zoom, float alpha, int up) {
  SetAlpha(alpha);
  SetScale(zoom, zoom);
  DrawImg(img, kPicX, kPicCentreY - up);
}
}  // namespace

void TIntro::AddObject(const std::shared_ptr<TImg>& img, float x, float y, float a, float s) {
  auto o = std::make_shared<TBO>();
  o->img = img;
  o->x = x, o->y = y, o->a = a, o->s = s;
  buffer.push_back(std::move(o));
}

void TIntro::drawFigure(const TDruid& d, float sceneAlpha) {
  SetScale(d.dir * d.sc, d.sc);
  SetAlpha(d.a * sceneAlpha);
  DrawImg(d.image, static_cast<float>(d.x), static_cast<float>(d.y - Draw_Add_Up));
}

void TIntro::_drawFirst() {
  SetScale(scale, scale);
  DrawImg(image[0], kPicX, kPicCentreY - Draw_Add_Up);
  rampToward(gobPer, dGobPer, 0.01f);
  if (gobPer == dGobPer) dGobPer = dGobPer == 0 ? 1 : 0;
  DrawImg(gobki, 542, static_cast<float>(220 + 16 * Sin(180.0 * gobPer) - Draw_Add_Up));
  SetScale(1, 1);
  _drawParticles(&firstList);
}

void TIntro::emitFirst() {
  for (int k = 0; k < 5; ++k) {
    const int r = Rand(0, 32), ang = Rand(0, 360);
    const float x1 = static_cast<int>(px[k] + r * Cos(ang)), y1 = static_cast<int>(py[k] + r * Sin(ang));
    const int ex = 523 + Rand(0, 35), ey = 118 + Rand(0, 35) - Draw_Add_Up;
    createParticle(3, x1, y1, ex, ey, 541, 324 - Draw_Add_Up, TRGB{37, 111, 211}, 1, 0, 1, 2, 0, 360,
                   LIGHTBLEND, Rand(0, 150), 3000, &firstList);
  }
  for (int i = 0; i < 26; ++i) {
    const float xs = 554 + Rand(-50, 50), ys = 611 + Rand(-25, 25) - Draw_Add_Up;
    const int n = Rand(0, 1);
    const float ex = 554 + Rand(-10, 10), ey = ys - Rand(80, 120);
    createParticle(n, xs, ys, ex, ey, 554, ys, TRGB{255, 255, 255}, 1, 0, 0.5f, 1.5f, 0, 0, LIGHTBLEND,
                   Rand(0, 100), 1500, &firstList);
  }
}

void TIntro::_updateFirst() {
  if (msPast(MilliSecs(), partTime)) {
    partTime = msAfter(MilliSecs(), 100);
    emitFirst();
  }
  scale += 0.0001f * delta;
  endCheck();
}

void TIntro::_drawFirstA() {
  if (firstA2 < 1) _drawFirst();
  SetBlend(ALPHABLEND);
  SetColor(255, 255, 255);
  SetRotation(0);
  drawPicture(image[2], scale4, firstA2, Draw_Add_Up);
}

void TIntro::_updateFirstA() {
  scale4 += 0.0001f * delta;
  rise(firstA2, 0.02f);
  endCheck();
}

void TIntro::_drawSecond() {
  if (nA < 1) _drawFirstA();
  drawPicture(image[1], scale2, nA, Draw_Add_Up);
  if (lightA != 0) {
    SetBlend(LIGHTBLEND);
    SetAlpha(lightA);
    DrawImg(light, kPicX, kPicCentreY - Draw_Add_Up);
    SetBlend(ALPHABLEND);
  }
  _drawParticles(&secondList);
}

void TIntro::emitSmoke(float x1, float base) {
  const float ys = base + Rand(0, 30) - Draw_Add_Up;
  const float xe = 1100 + Rand(-50, 50);
  const float g = Rand(0, 100);
  const int n = Rand(5, 7);
  const float ey = ys - (120 + Rand(0, 50)) - Draw_Add_Up;
  createParticle(n, x1, ys, xe, ey, xe, ys - 60 - Draw_Add_Up, TRGB{g, g, g}, 0, 1, 0.25f, 0.5f, 0, 30,
                 ALPHABLEND, Rand(0, 200), 4000, &secondList);
}

void TIntro::_updateSecond() {
  rise(nA, 0.02f);
  scale2 += 0.00005f * delta;
  const int now = MilliSecs();
  if (msPast(now, partTime)) {
    partTime = msAfter(now, 200);
    for (int i = 0; i < 8; ++i) {
      emitSmoke(780, 150);
      emitSmoke(850, 230);
    }
  }
  if (msPast(now, lightTime)) {
    lightTime = msAfter(now, 4000);
    dLightA = 1;
    if (globalSnd) globalSnd->playMySound("piorun" + std::to_string(Rand(0, 1)));
  }
  // The flash fades slower than it strikes, and goes out once it peaks.
  if (lightA > dLightA) rampToward(lightA, dLightA, 0.05f);
  if (lightA < dLightA) {
    lightA += 0.1f * delta;
    if (lightA > dLightA) {
      lightA = dLightA;
      dLightA = 0;
    }
  }
  endCheck();
}

void TIntro::_drawSecondA() {
  if (alphaS2 < 1) _drawSecond();
  drawPicture(image[4], scale5, alphaS2, Draw_Add_Up);
}

void TIntro::_updateSecondA() {
  scale5 += 0.0001f * delta;
  rise(alphaS2, 0.02f);
  endCheck();
}

void TIntro::_drawFourth() {
  if (fourthA < 1) _drawSecondA();
  SetColor(255, 255, 255);
  drawPicture(druidsBack, scale8, fourthA, Draw_Add_Up);
  for (const auto& d : listaDruidow) drawFigure(*d, fourthA);
  buffer.clear();
  rot += 0.2f * delta;
  for (int i = 0; i < 4; ++i)
    AddObject(flag[i], static_cast<float>(cx + width * Cos(90.0 * i + rot)),
              static_cast<float>(cy + height * Sin(90.0 * i + rot) - Draw_Add_Up), 1, 1);
  sortByDepth(buffer);
  for (const auto& o : buffer) o->draw(fourthA);
}

void TIntro::_updateFourth() {
  rise(fourthA, 0.01f);
  scale8 += 0.00025f * delta;
  forEachEffect(listaDruidow, [](TDruid& d) { d.update2(); });
  endCheck();
}

void TIntro::_drawFifth() {
  if (fifthA < 1) _drawFourth();
  drawPicture(image[3], fsc, fifthA, Draw_Add_Up);
}

void TIntro::_updateFifth() {
  rise(fifthA, 0.01f);
  fsc += 0.0001f * delta;
  endCheck();
}

void TIntro::_drawSix() {
  if (sixA < 1) _drawFifth();
  SetColor(255, 255, 255);
  drawPicture(druidsBack, scale9, sixA, Draw_Add_Up);
  const std::shared_ptr<TDruid> walker = listaDruidow.empty() ? nullptr : listaDruidow.back();
  for (const auto& d : listaDruidow)
    if (d != walker) drawFigure(*d, sixA);
  buffer.clear();
  rot += 0.2f * delta;
  const int now = MilliSecs();
  for (int i = 0; i < 4; ++i) {
    if (msPast(now, tapTime[i])) {
      tapA[i] -= 0.005f * delta;
      if (tapA[i] < 0.5f) tapA[i] = 0.5f;
    }
    const float ox = static_cast<float>(cx + width * Cos(90.0 * i + rot));
    const float oy = static_cast<float>(cy + height * Sin(90.0 * i + rot));
    const bool flies = scrollTime != 0 && msPast(now, scrollTime) && flyScroll[i] != 0 && msPast(now, flyScroll[i]);
    if (!flies) {
      AddObject(flag[i], ox, oy - Draw_Add_Up, tapA[i], 1);
    } else if (tapFlyP[i] != 1) {
      rise(tapFlyP[i], 0.01f);
      const float p = tapFlyP[i];
      AddObject(flag[i], ox + FlyVX(static_cast<int>(ox), p), oy + FlyVY(static_cast<int>(oy), p) - Draw_Add_Up,
                tapA[i], 1 - p);
    }
  }
  sortByDepth(buffer);
  for (const auto& o : buffer) o->draw(sixA);
  if (walker) drawFigure(*walker, sixA);
  if (scrollA != 0) {
    SetAlpha(scrollA);
    DrawImg(scroll, 568, static_cast<float>(371 - Draw_Add_Up));
  }
}

void TIntro::_updateSix() {
  rise(sixA, 0.01f);
  scale9 += 0.00025f * delta;
  forEachEffect(listaDruidow, [](TDruid& d) { d.update(); });
  if (!listaDruidow.empty() && listaDruidow.back()->p == 1 && scrollTime != 0 && msPast(MilliSecs(), scrollTime))
    rise(scrollA, 0.005f);
  endCheck();
}

}  // namespace sorvanta
