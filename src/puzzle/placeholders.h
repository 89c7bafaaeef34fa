#pragma once
// Stand-ins for the puzzle-play singletons and loaders that the application
// core calls and that are not built yet (the tutorial, the effect lists and
// their loaders), with the screens of puzzle play included for the callers.
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

namespace sorvanta {

class TLevel;
class THint;

class TTutorialTip;

class TTutorial {
 public:
  virtual ~TTutorial() = default;
  virtual void setup() {}
  std::shared_ptr<TTutorialTip> actTip;  // the tip now running
};

// The tutorial's step and drawing over a screen; nothing yet.
int _updateTutorial(const std::shared_ptr<TEkran>& screen, int tryb);
int _drawTutorial(const std::shared_ptr<TEkran>& screen);

extern std::shared_ptr<TTutorial> tutorial;

}  // namespace sorvanta
