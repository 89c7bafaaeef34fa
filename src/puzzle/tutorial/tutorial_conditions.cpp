// A tutorial tip's start conditions and erase conditions.
#include <string>

#include "core/ekran.h"
#include "gui/mouse.h"
#include "platform/input.h"
#include "platform/strings.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"
#include "puzzle/board/player_link.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/play/main_game.h"
#include "puzzle/tutorial/tutorial.h"

namespace sorvanta {

int TTutorialTip::check(const std::shared_ptr<TEkran>& ekr) {
  for (const auto& condition : conditions)
    if (!checkCondition(condition, ekr)) return 0;
  return 1;
}

int TTutorialTip::checkCondition(const TTipTokens& tokens, const std::shared_ptr<TEkran>& ekr) {
  if (tokens.empty()) return 1;
  if (!IsRuleset(tryb)) return 0;
  const int level = PlayerActLevel(tryb);
  if (numerLevelu != 0 && numerLevelu != level) return 0;
  const std::string word = Upper(TipToken(tokens, 1));
  if (word == "FADE") return ekr && ekr->fade == static_cast<float>(TipNumber(tokens, 2)) ? 1 : 0;
  if (word == "TIP-EXECUTED") return tutorial && tutorial->bylTutorial(TipToken(tokens, 2)) ? 1 : 0;
  if (word == "LEVEL") return level == TipNumber(tokens, 2) ? 1 : 0;
  return 0;
}

int TTutorialTip::_updateErase(const std::shared_ptr<TEkran>& ekr) {
  bool all = true;
  // Every condition is asked every frame: a holding click is consumed even
  // when another condition keeps the tip.
  for (const auto& condition : eraseConds)
    if (!checkEraseCond(condition, ekr)) all = false;
  if (!all) return 0;
  if (TipToken(actAction, 1) == "WAIT") return 0;  // only the upper-case word holds erasing back
  eraseMe();
  return 0;
}

int TTutorialTip::checkEraseCond(const TTipTokens& tokens, const std::shared_ptr<TEkran>& ekr) {
  const std::string word = Upper(TipToken(tokens, 1));
  if (word == "MOUSE") return checkEraseCond_Mouse(tokens, ekr);
  auto level = mainGame ? mainGame->level : nullptr;
  if (word == "LEVEL-FINISHED") return mainGame && mainGame->levelFinished() ? 1 : 0;
  if (word == "6-DONE" || word == "9-DONE") {
    if (!level || level->tryb != kRulesetFill) {
      warnOnce("\"" + word + "\" needs a Fill level");
      return 0;
    }
    return (word == "6-DONE" ? mainGame->is6Done() : mainGame->is9Done()) ? 1 : 0;
  }
  if (word == "ROW-CLEAR" || word == "COL-CLEAR") {
    const int n = TipNumber(tokens, 2);
    const bool row = word == "ROW-CLEAR";
    if (!level || level->tryb != kRulesetPicross || n < 0 || n >= (row ? level->atiles.rows() : level->atiles.cols())) {
      warnOnce("\"" + word + " " + TipToken(tokens, 2) + "\" reaches no line of a Picross board");
      return 0;
    }
    return (row ? level->rowClear(n) : level->colClear(n)) ? 1 : 0;
  }
  if (word == "CLEARED") {
    auto cell = cellFor(tokens, 2);
    return cell && cell->isDone() ? 1 : 0;
  }
  return 0;
}

int TTutorialTip::checkEraseCond_Mouse(const TTipTokens& tokens, const std::shared_ptr<TEkran>&) {
  if (!mouse) return 0;
  const std::string button = Upper(TipToken(tokens, 2));
  bool holds = false;
  if (tokens.size() < 2)
    holds = mouse->leftPressed || mouse->rightPressed;
  else if (button == "LEFT")
    holds = mouse->leftPressed != 0;
  else if (button == "RIGHT")
    holds = mouse->rightPressed != 0;
  if (!holds) return 0;
  mouse->clear();
  FlushMouse();
  return 1;
}

std::shared_ptr<TATile> TTutorialTip::cellFor(const TTipTokens& tokens, int first) {
  auto level = mainGame ? mainGame->level : nullptr;
  const std::string line = TipToken(tokens, 1) + " " + TipToken(tokens, first) + " " + TipToken(tokens, first + 1);
  if (!level || level->tryb != kRulesetPicross) {
    warnOnce("\"" + line + "\" needs a Picross level");
    return nullptr;
  }
  auto cell = level->atiles.get(TipNumber(tokens, first), TipNumber(tokens, first + 1));
  if (!cell) warnOnce("\"" + line + "\" lies outside the board");
  return cell;
}

}  // namespace sorvanta
