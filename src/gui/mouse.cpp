#include "gui/mouse.h"

#include "core/display.h"
#include "core/draw_state.h"
#include "core/settings.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/video.h"

namespace sorvanta {

std::shared_ptr<TMouse> mouse;
std::shared_ptr<TImage> TMouse::img;

void TMouse::clear() {
  leftPressed = leftHolded = 0;
  rightPressed = rightHolded = 0;
  midPressed = midHolded = 0;
}

void TMouse::update() {
  x = AspectMouseX();
  y = AspectMouseY();
  leftPressed = MouseHit(1);
  rightPressed = MouseHit(2);
  midPressed = MouseHit(3);
  leftHolded = MouseDown(1);
  rightHolded = MouseDown(2);
  midHolded = MouseDown(3);
}

void TMouse::draw() {
  // Outside the window the system's pointer shows; ours would stay pinned
  // at the edge it left by.
  if (!img || settings().customCursor == 0 || !MouseInWindow()) return;
  ResetDrawState();
  DrawImage(img, x, y, 0);
}

int TMouse::inDim(const TDim& d) { return inRect(d.x, d.y, d.w, d.h); }

int TMouse::inRect(float rx, float ry, float rw, float rh) {
  return rx <= x && x <= rx + rw && ry <= y && y <= ry + rh ? 1 : 0;
}

}  // namespace sorvanta
