#include "core/draw_state.h"

#include "platform/video.h"

namespace sorvanta {

void ResetDrawState(float alpha) {
  SetColor(255, 255, 255);
  SetAlpha(alpha);
  SetBlend(ALPHABLEND);
  SetScale(1, 1);
  SetRotation(0);
}

}  // namespace sorvanta
