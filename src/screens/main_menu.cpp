#include "screens/main_menu.h"

#include "core/design_size.h"
#include "core/draw_state.h"
#include "core/frame.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/states.h"
#include "formats/txt_file.h"
#include "gui/mouse.h"
#include "platform/input.h"
#include "platform/video.h"
#include "screens/options.h"
#include "screens/pop_up.h"

namespace sorvanta {

std::shared_ptr<TMainMenu> mainMenu;

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
  ResetDrawState();
  SetColor(24, 32, 56);
  DrawRect(0, 0, kDesignWidth, kDesignHeight);
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
  runScreenLoop(
      *this,
      [this] {
        if (!wynik.empty()) return;
        if (mouse && mouse->leftPressed) {
          mouse->clear();
          options->mainLoop(shared_from_this());
        } else if (KeyHit(KEY_ESCAPE) && yesOrNo(txtAreYouSure, shared_from_this()) == 1) {
          wynik = kStateEnd;
          dFade = 1;
        }
      },
      [this] { return !wynik.empty() && fade == dFade; });
  return wynik;
}

}  // namespace sorvanta
