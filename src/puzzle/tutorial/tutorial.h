#pragma once
// The tutorial: its tips read once from the tutorial file, and the manager
// that starts the first ready tip still pending for the player and runs it
// over the play screen.
#include <array>
#include <list>
#include <memory>
#include <string>

#include "puzzle/tutorial/tutorial_tip.h"

namespace sorvanta {

class TEkran;
class TImageFont;
class TRCMFile;
class TTxtFile;

class TTutorial {
 public:
  virtual ~TTutorial() = default;

  std::array<std::shared_ptr<TImageFont>, 3> font;  // small 26, medium 32, big 42 px
  std::shared_ptr<TEkran> ekr;                      // the screen being served
  std::shared_ptr<TTutorialTip> actTip;             // the tip now running

  // Tips tied to a tutorial level, and those of level 0, in file order.
  static std::list<std::shared_ptr<TTutorialTip>> tipsList;
  static std::list<std::shared_ptr<TTutorialTip>> specialTipsList;

  // Loads the arrows, the fonts and every tip of "data/tutorial.dat";
  // again, it replaces both lists.
  virtual void setup();
  virtual std::shared_ptr<TTutorialTip> _loadExactTip(int n, TRCMFile& file);
  virtual int _setupTipStandards(TTutorialTip& tip, TRCMFile& file, int n);
  virtual int _setupTipImg(TTutorialTip& tip, TRCMFile& file, int n);
  virtual int _setupTipFont(TTutorialTip& tip, TRCMFile& file, int n);
  virtual int _setupTipPosition(TTutorialTip& tip, TRCMFile& file, int n);
  virtual int _setupTipConditions(TTutorialTip& tip, TRCMFile& file, int n);
  virtual int _setupTipActions(TTutorialTip& tip, TRCMFile& file, int n);
  virtual int _setupTipEraseConditions(TTutorialTip& tip, TRCMFile& file, int n);

  // Draws the running tip.
  virtual int draw();
  // Runs the running tip, or starts the first ready pending tip of the
  // screen and mode.
  virtual int update(int tryb);
  // 1 when no pending tip has that id (any case).
  virtual int bylTutorial(const std::string& id);
  // Starts the tip; the click that started it is not seen by it.
  virtual int startTutorial(const std::shared_ptr<TTutorialTip>& tip);
  // By id; an unknown or empty id changes nothing.
  virtual int startTutorial(const std::string& id);
  // The first tip of that id (any case) in tipsList, then specialTipsList.
  virtual std::shared_ptr<TTutorialTip> getTipById(const std::string& id);

 private:
  std::shared_ptr<TTxtFile> texts_;  // the tips' text file while loading
};

// One frame of the tutorial on the screen for that mode; only on the
// tutorial stage of the player's mode.
int _updateTutorial(const std::shared_ptr<TEkran>& screen, int tryb);
// Draws the running tip over the screen.
int _drawTutorial(const std::shared_ptr<TEkran>& screen);

extern std::shared_ptr<TTutorial> tutorial;

}  // namespace sorvanta
