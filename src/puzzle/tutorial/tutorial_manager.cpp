// The tutorial manager: which pending tip starts, running and drawing it
// over the play screen.
#include "core/ekran.h"
#include "platform/input.h"
#include "platform/strings.h"
#include "puzzle/board/player_link.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/tutorial/tutorial.h"

namespace sorvanta {

int _updateTutorial(const std::shared_ptr<TEkran>& screen, int tryb) {
  if (!tutorial || !PlayerPresent()) return 0;
  const int mode = PlayerTryb(-1);
  // Tips belong to the tutorial stage; a mode other than both passes.
  if (IsRuleset(mode) && PlayerStage() != 0) return 0;
  tutorial->ekr = screen;
  tutorial->update(tryb);
  return 0;
}

int _drawTutorial(const std::shared_ptr<TEkran>& screen) {
  if (!tutorial || !PlayerPresent()) return 0;
  tutorial->ekr = screen;
  tutorial->draw();
  return 0;
}

int TTutorial::draw() {
  if (actTip) actTip->draw(ekr);
  return 0;
}

int TTutorial::update(int tryb) {
  if (actTip) {
    // The tip may end itself during its frame.
    auto running = actTip;
    running->update(ekr);
    return 0;
  }
  auto pending = PlayerPendingTips();
  if (!pending || !ekr) return 0;
  for (const auto& tip : *pending)
    if (tip && tip->screen == ekr->id && tip->tryb == tryb && tip->check(ekr)) {
      startTutorial(tip);
      return 0;
    }
  return 0;
}

int TTutorial::bylTutorial(const std::string& id) {
  const std::string wanted = Upper(id);
  if (auto pending = PlayerPendingTips())
    for (const auto& tip : *pending)
      if (tip && Upper(tip->id) == wanted) return 0;
  return 1;
}

int TTutorial::startTutorial(const std::shared_ptr<TTutorialTip>& tip) {
  if (!tip) return 0;
  FlushMouse();
  actTip = tip;
  actTip->reset();
  return 0;
}

int TTutorial::startTutorial(const std::string& id) {
  if (id.empty()) return 0;
  return startTutorial(getTipById(id));
}

}  // namespace sorvanta
