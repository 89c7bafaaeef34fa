// The picture style binding, the solution key and the clue flash's spark.
#include "puzzle/cell_draw_support.h"

#include "core/globals.h"
#include "platform/input.h"

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

// Stand-in until the particles land: the spark is a particle of the global
// list (alpha 1 to 0, scale 0.3 to 2, light blending, 750 ms).
void createFlashSpark(int, float, float, float, float, int, int, int, float) {}

}  // namespace sorvanta
