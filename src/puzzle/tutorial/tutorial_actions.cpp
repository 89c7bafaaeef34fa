// A tutorial tip's script: the action loop, its words, and the row
// demonstration it holds on.
#include <string>

#include "platform/clock.h"
#include "platform/strings.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/play/main_game.h"
#include "puzzle/tutorial/arrow.h"
#include "puzzle/tutorial/tutorial_tip.h"

namespace sorvanta {

int TTutorialTip::getNextAction(const std::shared_ptr<TEkran>&) {
  if (actions.empty()) return 0;
  actAction = std::move(actions.front());
  actions.pop_front();
  if (Upper(TipToken(actAction, 1)) == "WAIT") time = msAfter(MilliSecs(), TipNumber(actAction, 2));
  return 0;
}

int TTutorialTip::resetAction(const std::shared_ptr<TEkran>&) {
  actAction.clear();
  return 0;
}

int TTutorialTip::_updateActions(const std::shared_ptr<TEkran>& ekr) {
  if (actAction.empty()) getNextAction(ekr);
  while (!actAction.empty()) {
    if (!runAction(actAction)) return 0;  // it waits: again next frame
    resetAction(ekr);
    getNextAction(ekr);
  }
  return 0;
}

int TTutorialTip::runAction(const TTipTokens& action) {
  const std::string word = Upper(TipToken(action, 1));
  if (word == "GUI-OFF") return 1;
  if (word == "WAIT") return msPast(MilliSecs(), time) ? 1 : 0;
  if (word == "SHOW-ME") {
    dA = 1;
    return 1;
  }
  if (word == "HIDE-ME") {
    dA = 0;
    return 1;
  }
  if (word == "ARROW" || word == "DOUBLE-ARROW") return createArrow(action), 1;
  if (word == "SHOW-ROW-POSIBILITY") {
    if (!actPosibility) compileRowPosibility(action);
    return 0;  // until the demonstration ends
  }
  const bool all = Upper(TipToken(action, 2)) == "ALL";
  if (all && (word == "TURN-OFF" || word == "TURN-ON" || word == "TURN-ON-WITH-LIGHT")) {
    auto level = mainGame ? mainGame->level : nullptr;
    if (!level || level->tryb != kRulesetPicross) {
      warnOnce("\"" + word + " ALL\" needs a Picross level");
    } else if (word == "TURN-OFF") {
      level->turnOffAll();
    } else {
      level->turnOnAll();  // no glow for the whole board
    }
    return 1;
  }
  if (word == "LIGHT-UP" || word == "SET-ZADANIE" || word == "TURN-OFF" || word == "TURN-ON" ||
      word == "TURN-ON-WITH-LIGHT") {
    auto cell = cellFor(action, 2);
    if (!cell) return 1;
    if (word == "LIGHT-UP") {
      cell->lightMeUp();
    } else if (word == "SET-ZADANIE") {
      cell->setZadanie(Upper(TipToken(action, 4)), Upper(TipToken(action, 5)));
    } else {
      cell->turnOff = word == "TURN-OFF" ? 1 : 0;
      if (word == "TURN-ON-WITH-LIGHT") cell->lightMeUp();
    }
    return 1;
  }
  // A word the script should not hold: skipped, so the script goes on.
  warnOnce("unknown action \"" + TipToken(action, 1) + "\" skipped");
  return 1;
}

int TTutorialTip::createArrow(const TTipTokens& tokens) {
  auto arrow = std::make_shared<TArrow>();
  arrow->x = static_cast<float>(TipNumber(tokens, 2));
  arrow->y = static_cast<float>(TipNumber(tokens, 3));
  arrow->rot = static_cast<float>(TipNumber(tokens, 4));
  arrows.push_back(arrow);
  return 0;
}

int TTutorialTip::compileRowPosibility(const TTipTokens& tokens) {
  std::vector<std::string> pattern;
  for (int k = 6; k <= static_cast<int>(tokens.size()); ++k) pattern.push_back(tokens[k - 1]);
  actPosibility = createRowPosiblity(TipNumber(tokens, 2), TipNumber(tokens, 4), pattern, Upper(TipToken(tokens, 3)));
  return 0;
}

std::shared_ptr<TPosibility> TTutorialTip::createRowPosiblity(int n, int interval,
                                                              const std::vector<std::string>& pattern,
                                                              const std::string& arrowType) {
  auto demo = std::make_shared<TPosibility>();
  demo->rowOrCol = "ROW";
  demo->n = n;
  demo->interwal = interval;
  demo->pos = pattern;
  demo->reset();
  demo->actPos = 0;
  demo->arrowTyp = arrowType;
  return demo;
}

int TTutorialTip::_updatePosibility(const std::shared_ptr<TEkran>& ekr) {
  if (!actPosibility) return 0;
  if (actPosibility->update() == 1) {
    actPosibility = nullptr;
    getNextAction(ekr);
    _updateActions(ekr);
  }
  return 0;
}

}  // namespace sorvanta
