// The continue dialog.
#include "screens/quest_continue.h"

#include "core/dialogs.h"
#include "core/display.h"
#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "platform/image.h"
#include "screens/main_menu.h"

namespace sorvanta {

std::shared_ptr<TQuestContinue> continueQuest;

namespace {

constexpr float kPanelX = 512, kPanelY = 358;

}  // namespace

void TQuestContinue::setup() {
  img = LoadImage(bDir + "gfx/gui/continueQuest/panel.png", -1);
  if (img) MidHandleImage(img);
  gui = LoadGui(bDir + "gfx/gui/continueQuest/" + lang + "/continueQuest.gui");
  txtAreYouSure = readTxtData(loadTxtFile(bDir + "txt/#LANG#/mainMenu.txt"), 10);
}

void TQuestContinue::prepare() {
  alpha = 0;
  dAlpha = 1;
  wynik.clear();
}

std::string TQuestContinue::mainLoop() {
  prepare();
  runScreenLoop(
      *this,
      [this] {
        // Buttons answer only while the dialog is fully shown and not closing.
        if (!gui || alpha != 1 || dAlpha != 1) return;
        if (gui->clickedItem("resume")) {
          wynik = kAnswerContinue;
          dAlpha = 0;
        } else if (gui->clickedItem("new")) {
          if (askYesNo(txtAreYouSure, shared_from_this()) == 1) {
            wynik = kAnswerNew;
            dAlpha = 0;
          }
        } else if (gui->clickedItem("exit")) {
          wynik.clear();
          dAlpha = 0;
        }
      },
      [this] { return alpha == 0 && dAlpha == 0; }, TLoopClear::kWithBars);
  return wynik;
}

void TQuestContinue::update() {
  _updateAlpha();
  _updateGui();
}

void TQuestContinue::draw() {
  _drawBack();
  _drawPanel();
  _drawGUI();
}

void TQuestContinue::_drawBack() {
  if (mainMenu) mainMenu->draw();
}

void TQuestContinue::_drawPanel() {
  ResetDrawState(alpha);
  if (img) DrawImage(img, kPanelX, kPanelY);
}

}  // namespace sorvanta
