// Stand-ins for the flying effects until they land: no flight is made, and
// the lists, which nothing fills yet, are emptied.
#include "puzzle/placeholders.h"
#include "puzzle/play_effects.h"

namespace sorvanta {

std::shared_ptr<TFlyingTile> createFlyingTile(const std::shared_ptr<TTile>&, float, float, float, float, float,
                                              float, float, float, float, float, float, float, int, int) {
  return nullptr;
}
std::shared_ptr<TFlyingTile> CreateFlyingATile(const std::shared_ptr<TATile>&, float, float, float, float, float,
                                               float, float, float, float, float, float, float, int, int) {
  return nullptr;
}
void _updateFlyingTiles() {}
void _updateFlyingRocks() {}
void _updateFlyingHints() {}
void _updateFlyingAddHint() {}

void settleFlyingEffects() { dropFlyingEffects(); }

void dropFlyingEffects() {
  flyingRocksList.clear();
  flyingHints.clear();
  flyingAddHints.clear();
}

}  // namespace sorvanta
