#include "puzzle/placeholders.h"

namespace sorvanta {

std::shared_ptr<TTutorial> tutorial;

std::list<std::shared_ptr<TFlyingHint>> flyingHints;
std::list<std::shared_ptr<TFlyingTile>> flyingTiles;
std::list<std::shared_ptr<TParticle>> particlesList;
std::list<std::shared_ptr<TFlyingRock>> flyingRocksList;
std::list<std::shared_ptr<TFlyingAddHint>> flyingAddHints;

int _updateTutorial(const std::shared_ptr<TEkran>&, int) { return 0; }
int _drawTutorial(const std::shared_ptr<TEkran>&) { return 0; }

void setupFlyingRocks() {}
void setupFlyingAddHints() {}
void setupParticles() {}

}  // namespace sorvanta
