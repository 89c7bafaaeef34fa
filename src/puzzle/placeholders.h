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
#include "puzzle/color.h"
#include "puzzle/number.h"
#include "puzzle/tile_data.h"

namespace sorvanta {

class TLevel;
class THint;
class TFlyingHint;
class TFlyingTile;
class TParticle;
class TFlyingRock;
class TFlyingAddHint;

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

// The effect lists, filled during play.
extern std::list<std::shared_ptr<TFlyingHint>> flyingHints;
extern std::list<std::shared_ptr<TFlyingTile>> flyingTiles;
extern std::list<std::shared_ptr<TParticle>> particlesList;
extern std::list<std::shared_ptr<TFlyingRock>> flyingRocksList;
extern std::list<std::shared_ptr<TFlyingAddHint>> flyingAddHints;

void setupFlyingRocks();
void setupFlyingAddHints();
void setupParticles();

}  // namespace sorvanta
