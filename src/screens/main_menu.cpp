#include "screens/main_menu.h"

#include "campaign/profile_manager.h"
#include "core/design_size.h"
#include "core/draw_state.h"
#include "core/frame.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/states.h"
#include "formats/txt_file.h"
#include "gui/mouse.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/video.h"
#include "screens/options.h"
#include "screens/pick_tryb.h"
#include "screens/pop_up.h"
#include "screens/quest_continue.h"

namespace sorvanta {

std::shared_ptr<TMainMenu> mainMenu;

namespace {

// The two plain buttons that start a campaign until the real menu comes.
struct TPlainButton {
  const char* caption;
  const char* state;
  float x, y;
};
constexpr float kButtonW = 240, kButtonH = 64;
constexpr TPlainButton kButtons[] = {
    {"Picross", kStateNewGamePicross, 392, 300},
    {"Fill", kStateNewGameFill, 392, 400},
};

}  // namespace

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
  SetImageFont(nullptr);
  for (const auto& b : kButtons) {
    const bool over = mouse && mouse->inRect(b.x, b.y, kButtonW, kButtonH);
    SetColor(over ? 90 : 60, over ? 110 : 80, over ? 160 : 120);
    DrawRect(b.x, b.y, kButtonW, kButtonH);
    SetColor(255, 255, 255);
    DrawText(b.caption, b.x + (kButtonW - TextWidth(b.caption)) / 2, b.y + (kButtonH - TextHeight(b.caption)) / 2);
  }
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
  // A first start has no player yet: the campaign buttons need one.
  if (profileManager) profileManager->Check();
  runScreenLoop(
      *this,
      [this] {
        if (!wynik.empty()) return;
        if (mouse && mouse->leftPressed) {
          for (const auto& b : kButtons)
            if (mouse->inRect(b.x, b.y, kButtonW, kButtonH)) {
              mouse->clear();
              wynik = b.state;
              dFade = 1;
              return;
            }
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
