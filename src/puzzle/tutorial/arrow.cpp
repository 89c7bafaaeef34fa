// The tutorial arrow's pulse and drawing; the row demonstration's steps,
// shading and fixed curves.
#include "puzzle/tutorial/arrow.h"

#include <cstdio>

#include "core/ekran.h"
#include "gui/gui_types.h"
#include "gui/img.h"
#include "platform/clock.h"
#include "platform/trig.h"
#include "platform/video.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"
#include "puzzle/play/main_game.h"

namespace sorvanta {

std::array<std::shared_ptr<TImg>, 2> TArrow::img;

namespace {

constexpr float kArrowStep = 0.05f;
constexpr float kArrowBob = 25.0f;  // px along the arrow's direction at the top of the pulse

// One curve of a demonstration step, from a clue to the cells it may cover.
// The points are fixed screen points about 50 px apart; the tutorial boards
// are laid out under them.
struct Curve {
  float x1, y1, x2, y2;
  int r, g, b;
};
constexpr Curve kTwoAndOne[3][2] = {
    {{258, 331, 356, 346, 0, 255, 255}, {300, 331, 505, 346, 255, 0, 0}},
    {{258, 331, 406, 346, 0, 255, 255}, {300, 331, 548, 346, 255, 0, 0}},
    {{258, 331, 356, 345, 0, 255, 255}, {300, 331, 548, 346, 255, 0, 0}},
};
constexpr Curve kThree[3] = {
    {302, 370, 400, 386, 255, 0, 0},
    {302, 370, 450, 386, 255, 0, 0},
    {302, 370, 500, 386, 255, 0, 0},
};

void drawCurve(const Curve& c) {
  if (!mainGame) return;
  // The curve bulges 60 px above its start, halfway across.
  mainGame->_drawSpecArrow(c.x1, c.y1, c.x2, c.y2, (c.x1 + c.x2) / 2, c.y1 - 60,
                           CreateRGB(static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b)));
}

float pulse(float p) { return static_cast<float>(Sin(90.0 * p)); }

}  // namespace

int TArrow::update() {
  rampToward(a, dA, kArrowStep);
  rampToward(p, dP, kArrowStep);
  if (p == dP) dP = dP == 0 ? 1.0f : 0.0f;
  return 0;
}

float TArrow::drawX() const { return x + kArrowBob * pulse(p) * static_cast<float>(Cos(rot + 90.0)); }

float TArrow::drawY() const { return y + kArrowBob * pulse(p) * static_cast<float>(Sin(rot + 90.0)); }

int TArrow::draw() {
  const float s = pulse(p);
  SetColor(255, 255, 255);
  SetScale(0.9f + 0.1f * s, 0.7f + 0.3f * s);
  SetAlpha(pulse(a));
  SetRotation(rot);
  SetBlend(ALPHABLEND);
  if (n >= 0 && n < static_cast<int>(img.size())) DrawImg(img[n], drawX(), drawY());
  return 0;
}

int TPosibility::reset() {
  time = msAfter(MilliSecs(), interwal);
  return 0;
}

int TPosibility::update() {
  if (msPast(MilliSecs(), time)) {
    reset();
    ++actPos;
    if (actPos >= static_cast<int>(pos.size())) return 1;
  }
  return 0;
}

int TPosibility::draw() {
  if (rowOrCol != "ROW") return 0;
  if (actPos < 0 || actPos >= static_cast<int>(pos.size())) return 0;
  const std::string& pattern = pos[actPos];
  auto level = mainGame ? mainGame->level : nullptr;
  if (level) {
    bool outside = !level->atiles.get(n, 0);
    for (int i = 0; i < static_cast<int>(pattern.size()); ++i) {
      const char d = pattern[i];
      if (d < '1' || d > '9') continue;
      auto cell = level->atiles.get(n, i);
      if (!cell) {
        outside = true;  // the shading stops at the row's end
        break;
      }
      if (cell->lightUPa == 0) cell->drawPosibility();
    }
    if (outside && !reportedOutside) {
      reportedOutside = true;
      std::printf("Tutorial: the demonstration of row %d reaches past the board\n", n);
    }
  }
  if (!pattern.empty()) drawArrows();
  return 0;
}

int TPosibility::drawArrows() {
  if (arrowTyp == "2_AND_1_ROW") return draw_2_and_1_row();
  if (arrowTyp == "3_ROW") return draw_3_row();
  return 0;
}

int TPosibility::draw_2_and_1_row() {
  if (actPos >= 0 && actPos < 3)
    for (const Curve& c : kTwoAndOne[actPos]) drawCurve(c);
  return 0;
}

int TPosibility::draw_3_row() {
  if (actPos >= 0 && actPos < 3) drawCurve(kThree[actPos]);
  return 0;
}

}  // namespace sorvanta
