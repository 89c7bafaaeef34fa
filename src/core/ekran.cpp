#include "core/ekran.h"

#include <utility>

#include "core/delta_time.h"
#include "core/design_size.h"
#include "core/draw_state.h"
#include "core/globals.h"
#include "platform/video.h"

namespace sorvanta {

namespace {

TLayoutBindings& layout() {
  static TLayoutBindings bindings;
  return bindings;
}

// How far the fade reaches beyond the design area, over any letterbox bar.
constexpr int kFadeMargin = 500;

}  // namespace

void bindScreenLayout(TLayoutBindings bindings) { layout() = std::move(bindings); }

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
  if (gui && layout().draw) layout().draw(*gui);
}

void TEkran::_drawFade() {
  ResetDrawState(fade);
  SetColor(0, 0, 0);
  // Drawn from beyond the top left corner, as the letterbox may have moved it.
  DrawRect(-kFadeMargin, -kFadeMargin, kDesignWidth + kFadeMargin,
           kDesignHeight + kFadeMargin);
}

void TEkran::_updateGui() {
  if (gui && layout().update) layout().update(*gui, alpha);
}

void TEkran::_updateFade() { rampToward(fade, dFade, fSpeed); }

void TEkran::_updateAlpha() { rampToward(alpha, dAlpha, aSpeed); }

void TEkran::_prepareDelta() {
  // Settles the timer so that the next frame does not measure the time spent
  // preparing (or in the previous screen).
  for (int i = 0; i < 101; ++i) deltaUpdate();
}

}  // namespace sorvanta
