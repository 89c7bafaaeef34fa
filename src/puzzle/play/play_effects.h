#pragma once
// What the play screen asks of the flying effects: launching flights of
// board cells, the per-frame steps of every effect list, and what becomes of
// the effects still in flight when the screen's loop ends.
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/flying_rock.h"
#include "puzzle/board/flying_tiles.h"
#include "puzzle/board/hint.h"

namespace sorvanta {

// Every mistake rock, hint spark and hint orb still in flight lands at once
// on the current level: a rock counts its mistake, an orb its quarter
// charge, a spark resolves its cell. The three lists end empty.
void settleFlyingEffects();
// The same three lists emptied: what was in flight never lands.
void dropFlyingEffects();

}  // namespace sorvanta
