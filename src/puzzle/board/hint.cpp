// Hint icon charging.
#include "puzzle/board/hint.h"

#include "platform/image.h"

namespace sorvanta {

std::array<std::shared_ptr<TImage>, 2> THint::img;
int THint::last = 0;

void THint::loadMeUp() {
  dMyLoad += 0.25f;
  if (dMyLoad >= 1.0f) t = 0;
}

}  // namespace sorvanta
