#pragma once
// Stand-ins for the puzzle-play singletons and loaders that the application
// core calls, with the least behaviour the core needs: set-ups that load only
// what the frame cycle itself draws, and a play screen that hands control
// straight back to the main menu. The puzzle-play code replaces them.
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
#include "puzzle/number.h"
#include "puzzle/tile_data.h"

namespace sorvanta {

class TLevel;
class THint;

// The play screen.
class TMainGame : public TEkran {
 public:
  TMainGame() { id = kStateMainGame; }
  std::shared_ptr<TLevel> level;
  int state = 0;  // 2 and 4 are the win states
  // The colour Fill cell strokes work with; picking the cross entry leaves
  // here the entry picked before it.
  std::shared_ptr<TColor> lastColor;
  // The palette entry in use.
  std::shared_ptr<TColor> pickedColor;
  // The hint icon under the mouse.
  std::shared_ptr<THint> overHint;

  // Loads the pause screen's font and text.
  void setup() override;
  std::string mainloop();
  int levelFinished() const { return state == 2 || state == 4 ? 1 : 0; }
  // One mistake more on the level; a landing mistake rock calls it.
  virtual int AddMistake();
  // A quarter charge to the level's fullest uncharged hint; a landing hint
  // orb calls it.
  virtual int AddHintPower();
};

class TLevelSummary : public TEkran {};
class TLoseScreen : public TEkran {};

class TTutorial {
 public:
  virtual ~TTutorial() = default;
  virtual void setup() {}
};

extern std::shared_ptr<TMainGame> mainGame;
extern std::shared_ptr<TLevelSummary> levelSummary;
extern std::shared_ptr<TLoseScreen> loseScreen;
extern std::shared_ptr<TTutorial> tutorial;

}  // namespace sorvanta
