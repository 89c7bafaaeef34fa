// The effects still in flight when the play screen's loop ends.
#include "puzzle/play/play_effects.h"

namespace sorvanta {

void settleFlyingEffects() {
  forEachEffect(flyingRocksList, [](TFlyingRock& r) { r.destroy(); });
  forEachEffect(flyingHints, [](TFlyingHint& h) { h.destroy(); });
  forEachEffect(flyingAddHints, [](TFlyingAddHint& o) { o.destroy(); });
  dropFlyingEffects();
}

void dropFlyingEffects() {
  flyingRocksList.clear();
  flyingHints.clear();
  flyingAddHints.clear();
}

}  // namespace sorvanta
