// The bindings of the tutorial over the play screen.
#include "puzzle/play/tutorial_links.h"

namespace sorvanta {

namespace {

TTutorialLinks& links() {
  static TTutorialLinks bound;
  return bound;
}

}  // namespace

void BindTutorialLinks(TTutorialLinks bound) { links() = std::move(bound); }

void UpdateTutorialOver(const std::shared_ptr<TEkran>& screen, int tryb) {
  if (links().update) links().update(screen, tryb);
}

void DrawTutorialOver(const std::shared_ptr<TEkran>& screen) {
  if (links().draw) links().draw(screen);
}

void DropRunningTutorialTip() {
  if (links().dropRunningTip) links().dropRunningTip();
}

}  // namespace sorvanta
