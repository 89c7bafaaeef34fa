#include "core/ekran.h"

#include "core/delta_time.h"
#include "core/globals.h"
#include "gui/gui.h"
#include "platform/video.h"

namespace sorvanta {

void rampToward(float& value, float target, float speed) {
  if (value < target) {
    value += speed * delta;
    if (value > target) value = target;
  }
  if (value > target) {
    value -= speed * delta;
    if (value < target) value = target;
  }
}

void TEkran::_drawGUI() {
  if (gui) gui->draw();
}

void TEkran::_drawFade() {
  SetColor(0, 0, 0);
  SetAlpha(fade);
  SetRotation(0);
  SetBlend(ALPHABLEND);
  SetScale(1, 1);
  // The design area and 500 units beyond each edge, over any letterbox bar.
  DrawRect(-500, -500, 1524, 1268);
}

void TEkran::_updateGui() {
  if (!gui) return;
  gui->update();
  for (auto& object : gui->objects) object->SetMyAlpha(alpha);
  gui->setGuiAlpha(alpha);
}

void TEkran::_updateFade() { rampToward(fade, dFade, fSpeed); }

void TEkran::_updateAlpha() { rampToward(alpha, dAlpha, aSpeed); }

void TEkran::_prepareDelta() {
  // Settles the timer so that the next frame does not measure the time spent
  // preparing (or in the previous screen).
  for (int i = 0; i < 101; ++i) deltaUpdate();
}

}  // namespace sorvanta
