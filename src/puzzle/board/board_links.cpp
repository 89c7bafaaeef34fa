// The bindings of the play screen that holds the board.
#include "puzzle/board/board_links.h"

namespace sorvanta {

namespace {

TBoardLinks& links() {
  static TBoardLinks bound;
  return bound;
}

template <typename T, typename F>
T ask(const F& f, T fallback) {
  return f ? f() : fallback;
}

}  // namespace

void BindBoardLinks(TBoardLinks bound) { links() = std::move(bound); }

std::shared_ptr<TLevel> PlayedLevel() { return ask<std::shared_ptr<TLevel>>(links().level, nullptr); }
std::shared_ptr<TColor> PlayPickedColor() { return ask<std::shared_ptr<TColor>>(links().pickedColor, nullptr); }
std::shared_ptr<TColor> PlayLastColor() { return ask<std::shared_ptr<TColor>>(links().lastColor, nullptr); }
int PlayState() { return ask(links().state, 1); }
const THint* PlayHoveredHint() { return ask<const THint*>(links().hoveredHint, nullptr); }

void PlayAddMistake() {
  if (links().addMistake) links().addMistake();
}

void PlayAddHintPower() {
  if (links().addHintPower) links().addHintPower();
}

}  // namespace sorvanta
