// The picture style binding, the solution key and the clue flash's spark.
#include "puzzle/board/cell_draw_support.h"

#include "core/globals.h"
#include "effects/particle.h"
#include "gui/gui_types.h"
#include "platform/input.h"
#include "platform/video.h"

namespace sorvanta {

namespace {
std::function<int()>& StyleSource() {
  static std::function<int()> source;
  return source;
}
}  // namespace

void BindPictureStyle(std::function<int()> source) { StyleSource() = std::move(source); }

int PictureStyle() { return StyleSource() ? StyleSource()() : 0; }

int SolutionShown() { return cheatsOn != 0 && KeyDown(KEY_A + ('D' - 'A')) ? 1 : 0; }

// A particle of the global list: alpha 1 to 0, scale 0.3 to 2, light
// blending, 750 ms.
void createFlashSpark(int n, float x1, float y1, float x2, float y2, int r, int g, int b, float endRotation) {
  createParticle(n, x1, y1, x2, y2, x1, y1, TRGB{static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)}, 1, 0, 0.3f, 2.0f, 0, endRotation, LIGHTBLEND, 0, 750);
}

}  // namespace sorvanta
