#pragma once
// The particle recipes of the game: hint and mistake sparks, the stage
// unlock burst, and the map's smoke, snow, clouds, fog, lava and water.
// Each draws its random numbers in a fixed order and puts its particle on
// particlesList; a start point of (0, 0) makes nothing.
#include "gui/gui_types.h"

namespace sorvanta {

// A green-gold spark thrown outward along angle (degrees) from (x, y).
void createShowStageParticle(float x, float y, int angle, float radius);
// A spark of the given colour scattering from (x, y).
void createHintParticle1(float x, float y, const TRGB& rgb);
// A cyan sparkle fading in place.
void createHintParticle(float x, float y);
void createVulcanoSmoke1(float x, float y);
void createVulcanoSmoke2(float x, float y);
// A flake from a random point of the top edge.
void createSnowParticle();
// A cloud crossing the whole screen at a random height.
void createCloud();
// A fog patch that fades in and out again.
void createFog(float x, float y);
void createLavaParticle(float x, float y);
void createWaterParticle(float x, float y);

}  // namespace sorvanta
