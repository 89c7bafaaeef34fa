#pragma once
// What the board's cells, hint icons and flying effects read of, and tell, the
// play screen that holds them. The play screen sits above the board, so it is
// bound at start-up instead of being included here. Unbound, there is no play
// screen: no level, no colour picked, the play state, and nothing is told.
#include <functional>
#include <memory>

namespace sorvanta {

class TColor;
class THint;
class TLevel;

struct TBoardLinks {
  std::function<std::shared_ptr<TLevel>()> level;  // the level being played
  std::function<std::shared_ptr<TColor>()> pickedColor;
  std::function<std::shared_ptr<TColor>()> lastColor;  // the colour cross strokes work on
  std::function<int()> state;                          // the play screen's state
  std::function<const THint*()> hoveredHint;
  std::function<void()> addMistake;
  std::function<void()> addHintPower;
};
void BindBoardLinks(TBoardLinks links);

std::shared_ptr<TLevel> PlayedLevel();
std::shared_ptr<TColor> PlayPickedColor();
std::shared_ptr<TColor> PlayLastColor();
// 1 (play) with no play screen.
int PlayState();
const THint* PlayHoveredHint();
void PlayAddMistake();
void PlayAddHintPower();

}  // namespace sorvanta
