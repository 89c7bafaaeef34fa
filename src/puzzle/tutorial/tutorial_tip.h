#pragma once
// One tutorial tip: its text panel, start conditions, script of actions and
// erase conditions, as loaded from the tutorial file, and the run of that
// script over the play screen. The tutorial owns these objects; a player's
// pending list holds the same objects, not copies.
#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gui/gui_types.h"
#include "puzzle/board/ruleset.h"

namespace sorvanta {

class TArrow;
class TATile;
class TEkran;
class TImageFont;
class TImg;
class TPosibility;

// A script line split on single spaces: the word, then its arguments.
using TTipTokens = std::vector<std::string>;

class TTutorialTip {
 public:
  virtual ~TTutorialTip() = default;

  std::vector<TTipTokens> allActions;  // the script as loaded; never changed
  std::vector<std::string> txts;       // display lines
  std::string id;                      // upper case; compared ignoring letter case
  DimPtr dim;                          // only y places the panel
  std::vector<TTipTokens> conditions;
  std::deque<TTipTokens> actions;  // what is left of the script in this run
  std::vector<TTipTokens> eraseConds;
  std::vector<std::shared_ptr<TArrow>> arrows;
  std::string screen;  // id of the screen it runs on, upper case
  std::shared_ptr<TPosibility> actPosibility;
  std::string title;  // kept, never shown
  std::string txt;
  std::shared_ptr<TImg> img;  // kept, never shown
  int tryb = kRulesetFill;    // the ruleset the tip is for
  int rememberMe = 0;
  std::shared_ptr<TImageFont> font;
  int numerLevelu = 0;  // the tutorial level; 0 for the tips not tied to a level
  float a = 0;          // visibility
  float dA = 0;
  int time = 0;  // end of a running wait
  int erase = 0;
  TTipTokens actAction;  // the action in progress; empty when none

  // Loading: each appends the split lines in order.
  virtual int compileConditions(const std::vector<std::string>& lines);
  virtual int compileActions(const std::vector<std::string>& lines);
  virtual int compileEraseConditions(const std::vector<std::string>& lines);

  // Start conditions: 1 when all hold.
  virtual int check(const std::shared_ptr<TEkran>& ekr);
  virtual int checkCondition(const TTipTokens& tokens, const std::shared_ptr<TEkran>& ekr);
  // Prepares a run from the top of the script. An action left in progress by
  // a dropped run is finished first.
  virtual int reset();

  // One frame of the run.
  virtual int update(const std::shared_ptr<TEkran>& ekr);
  virtual int _updateAlpha();
  virtual int _updateActions(const std::shared_ptr<TEkran>& ekr);
  virtual int _updateErase(const std::shared_ptr<TEkran>& ekr);
  virtual int _updateArrows();
  virtual int _updatePosibility(const std::shared_ptr<TEkran>& ekr);
  virtual int getNextAction(const std::shared_ptr<TEkran>& ekr);
  virtual int resetAction(const std::shared_ptr<TEkran>& ekr);
  // 1 when the action in progress has finished.
  virtual int runAction(const TTipTokens& action);
  virtual int createArrow(const TTipTokens& tokens);
  virtual int compileRowPosibility(const TTipTokens& tokens);
  virtual std::shared_ptr<TPosibility> createRowPosiblity(int n, int interval, const std::vector<std::string>& pattern,
                                                          const std::string& arrowType);
  virtual int checkEraseCond(const TTipTokens& tokens, const std::shared_ptr<TEkran>& ekr);
  virtual int checkEraseCond_Mouse(const TTipTokens& tokens, const std::shared_ptr<TEkran>& ekr);
  // Off the player's pending list; the panel and arrows fade out.
  virtual int eraseMe();

  virtual int draw(const std::shared_ptr<TEkran>& ekr);
  virtual int _drawTxt();
  virtual int _drawArrows();
  virtual int _drawPosibility();

  // The top of the text panel, also for a tip built without a position.
  float panelY() const;

 protected:
  // The Picross cell at (r, c) of the play screen's level, or none; a line
  // that reaches no cell is reported once.
  std::shared_ptr<TATile> cellFor(const TTipTokens& tokens, int first);
  // Prints a line about this tip once per run of the program.
  void warnOnce(const std::string& what);
  std::set<std::string> warned_;
};

// Tokens k from 1 (1 is the word); "" past the end.
const std::string& TipToken(const TTipTokens& tokens, int k);
// The integer of token k; 0 when missing or not a number.
int TipNumber(const TTipTokens& tokens, int k);

}  // namespace sorvanta
