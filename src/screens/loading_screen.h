#pragma once
// The loading screen: runs every screen's and table's set-up once at
// start-up, in five phases, redrawing the background, the progress bar and
// the "loading" text after each step, then fades itself to black.
#include <memory>
#include <string>

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

  // The background, the bar and the text; during fadeUp the fade over them.
  void draw() override;
  // The frame step of the fade: the system step and the fade ramp.
  void update() override;
  void _drawBack();
  void _drawProgress();
  void _drawText();
  void _drawLogo();
  void drawNormal();
  // The phases; they must run in order, then fadeUp().
  void PART1();
  void PART2();
  void PART3();
  void PART4();
  void PART5();
  void fadeUp();
  // One step done: counts it, prints "adp = N" and redraws.
  void progress();

 private:
  bool fadingUp_ = false;
};

extern std::shared_ptr<TLoadingScreen> loading;

}  // namespace sorvanta
