#pragma once
// A level's Fill cells as the rules see them: the grid's colour ids.
#include "puzzle/fill/fill_rules.h"

namespace sorvanta {

class TLevel;

// The Fill grid of level by colour id; a missing cell holds nothing. Its
// indices are those of level.tile.all().
FillBoard FillBoardOf(const TLevel& level);

}  // namespace sorvanta
