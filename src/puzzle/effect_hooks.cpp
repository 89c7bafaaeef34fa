// Stand-ins for the effects cells launch: nothing flies yet.
#include "puzzle/effect_hooks.h"

namespace sorvanta {

void CreateMistake(float, float, int) {}
void createNewAddHint(float, float) {}
void createHintParticle(float, float) {}

}  // namespace sorvanta
