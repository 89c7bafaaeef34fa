#pragma once
// The panel shown over the frozen play screen after a lost level: the play
// screen dims to half black, a message and two buttons fade in, the falling
// cells keep moving; it answers 0 (restart) or 1 (main menu).
#include <memory>
#include <string>

#include "core/ekran.h"

namespace sorvanta {

class TImage;
class TImageFont;

constexpr int kLoseRestart = 0;
constexpr int kLoseMainMenu = 1;

class TLoseScreen : public TEkran {
 public:
  std::shared_ptr<TImage> panel;  // centred
  std::string txtLose;
  int loseWynik = kLoseRestart;
  std::shared_ptr<TImageFont> font;

  void setup() override;
  void draw() override;
  void update() override;
  virtual int _drawBack();
  virtual int _drawPanel();
  virtual int prepare();
  // Runs the panel until it has faded out after a choice.
  virtual int mainLoop();
};

extern std::shared_ptr<TLoseScreen> loseScreen;

}  // namespace sorvanta
