#pragma once
// The puzzle-play singletons, lists and loaders that the application core
// calls, gathered in one include: the screens of puzzle play, the effect
// lists and the tutorial.
#include <list>
#include <memory>
#include <string>

#include "core/ekran.h"
#include "core/states.h"
// The effect lists live with their effects; start-up empties them through here.
#include "effects/particle.h"
#include "puzzle/color.h"
#include "puzzle/flying_hints.h"
#include "puzzle/flying_rock.h"
#include "puzzle/flying_tiles.h"
#include "puzzle/level_summary.h"
#include "puzzle/lose_screen.h"
#include "puzzle/main_game.h"
#include "puzzle/number.h"
#include "puzzle/tile_data.h"
#include "puzzle/tutorial.h"
