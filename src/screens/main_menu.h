#pragma once
// A stand-in for the main menu: a plain screen from which either campaign
// starts, the options open and the game can be left. The campaign's main menu replaces it.
#include <memory>
#include <string>

#include "core/ekran.h"

namespace sorvanta {

class TMainMenu : public TEkran {
 public:
  std::string txtAreYouSure;  // the quit question

  void setup() override;
  void draw() override;
  void update() override;
  // A plain screen: its "Picross" and "Fill" buttons start a new campaign
  // of that mode, a click elsewhere opens the options, Escape asks whether
  // to quit and a yes returns "END".
  virtual std::string mainLoop();
};

extern std::shared_ptr<TMainMenu> mainMenu;

}  // namespace sorvanta
