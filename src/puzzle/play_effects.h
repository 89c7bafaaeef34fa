#pragma once
// What the play screen asks of the flying effects: launching flights of
// board cells, the per-frame steps of every effect list, and what becomes of
// the effects still in flight when the screen's loop ends.
#include <memory>

namespace sorvanta {

class TATile;
class TFlyingTile;
class TTile;

std::shared_ptr<TFlyingTile> createFlyingTile(const std::shared_ptr<TTile>& tile, float x1, float y1, float x2,
                                              float y2, float mx, float my, float stScale, float endScale,
                                              float stAlpha, float endAlpha, float stRot, float endRot,
                                              int lifeTime, int delay);
std::shared_ptr<TFlyingTile> CreateFlyingATile(const std::shared_ptr<TATile>& tile, float x1, float y1, float x2,
                                               float y2, float mx, float my, float stScale, float endScale,
                                               float stAlpha, float endAlpha, float stRot, float endRot,
                                               int lifeTime, int delay);
void _updateFlyingTiles();
void _updateFlyingRocks();
void _updateFlyingHints();
void _updateFlyingAddHint();

// Every mistake rock, hint spark and hint orb still in flight lands at once
// on the current level: a rock counts its mistake, an orb its quarter
// charge, a spark resolves its cell. The three lists end empty.
void settleFlyingEffects();
// The same three lists emptied: what was in flight never lands.
void dropFlyingEffects();

}  // namespace sorvanta
