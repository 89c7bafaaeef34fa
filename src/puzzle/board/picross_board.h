#pragma once
// A level's Picross cells as the rules see them.
#include <memory>
#include <vector>

#include "puzzle/picross/picross_rules.h"

namespace sorvanta {

class TATile;
class TLevel;

// A missing cell reads as an untouched empty one.
PicrossCell PicrossCellOf(const TATile* cell);
// The cells of row r (column c) of the level, missing cells left out.
PicrossLine PicrossRowOf(const TLevel& level, int r);
PicrossLine PicrossColOf(const TLevel& level, int c);
// Every cell of the level's grid, row by row.
std::vector<PicrossCell> PicrossCellsOf(const TLevel& level);

}  // namespace sorvanta
