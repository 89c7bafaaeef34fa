#include "campaign/placeholders.h"
#include "core/frame.h"
#include "core/globals.h"
#include "formats/txt_file.h"
#include "gui/mouse.h"
#include "platform/input.h"
#include "platform/video.h"
#include "screens/options.h"
#include "screens/pop_up.h"

namespace sorvanta {

void TMainMenu::setup() {
  txtAreYouSure = readTxtData(loadTxtFile(bDir + "txt/#LANG#/mainMenu.txt"), 9);
}

void TMainMenu::update() {
  _updateSystem();
  _updateFade();
  _updateAlpha();
  _updateGui();
}

void TMainMenu::draw() {
  SetColor(24, 32, 56);
  SetAlpha(1);
  SetBlend(ALPHABLEND);
  SetScale(1, 1);
  SetRotation(0);
  DrawRect(0, 0, 1024, 768);
  _drawGUI();
  _drawFade();
}

std::string TMainMenu::mainLoop() {
  wynik = "";
  fade = 1;
  dFade = 0;
  alpha = 0;
  dAlpha = 1;
  _prepareDelta();
  do {
    Cls();
    update();
    draw();
    myFlip(0);
    if (!wynik.empty()) continue;
    if (mouse && mouse->leftPressed) {
      mouse->clear();
      options->mainLoop(shared_from_this());
    } else if (KeyHit(KEY_ESCAPE) && yesOrNo(txtAreYouSure, shared_from_this()) == 1) {
      wynik = "END";
      dFade = 1;
    }
  } while (wynik.empty() || fade != dFade);
  return wynik;
}

}  // namespace sorvanta
