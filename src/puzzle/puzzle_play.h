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
#include "puzzle/board/color.h"
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/flying_rock.h"
#include "puzzle/board/flying_tiles.h"
#include "puzzle/board/number.h"
#include "puzzle/board/tile_data.h"
#include "puzzle/play/level_summary.h"
#include "puzzle/play/lose_screen.h"
#include "puzzle/play/main_game.h"
#include "puzzle/tutorial/tutorial.h"
