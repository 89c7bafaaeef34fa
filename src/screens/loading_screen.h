#pragma once
// The loading screen: runs every screen's and table's set-up once at
// start-up, in five phases, redrawing the background, the progress bar and
// the "loading" text after each step, then fades itself to black. The steps
// are the start-up's to give (app/loading_steps.cpp), so that this screen
// names none of the screens it sets up.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ekran.h"

namespace sorvanta {

class TImage;
class TImageFont;

class TLoadingScreen : public TEkran {
 public:
  // Loads the text, the font and the images.
  TLoadingScreen();

  std::shared_ptr<TImage> back;
  std::shared_ptr<TImageFont> font;
  std::string txtLoading;
  int p = 0;             // steps done, at most maxProgress
  int maxProgress = 23;  // steps of a full bar
  std::shared_ptr<TImage> barBack;
  std::shared_ptr<TImage> bar;       // the filling
  std::shared_ptr<TImage> barFrame;  // drawn over the filling
  int adp = 0;           // steps done, not clamped
  // The steps of PART1 to PART5, in order; each is one step of the bar.
  std::array<std::vector<std::function<void()>>, 5> phases;

  // The background, the bar and the text; during fadeUp the fade over them.
  void draw() override;
  // The fade's own step (its loop runs the system step first): the ramp.
  void update() override;
  void _drawBack();
  void _drawProgress();
  void _drawText();
  void _drawLogo();
  void drawNormal();
  // The phases; they must run in order, then fadeUp(). PART1 draws the first
  // frame before its steps and hides the system pointer for the custom
  // cursor after them; PART5 shows it again when the custom cursor is off.
  void PART1();
  void PART2();
  void PART3();
  void PART4();
  void PART5();
  void fadeUp();
  // One step done: counts it, prints "adp = N" and redraws.
  void progress();

 private:
  void runPhase(int n);
  bool fadingUp_ = false;
};

extern std::shared_ptr<TLoadingScreen> loading;

}  // namespace sorvanta
