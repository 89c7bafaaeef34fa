// The lose panel over the frozen play screen.
#include "puzzle/play/lose_screen.h"

#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "gui/my_font.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/video.h"
#include "puzzle/play/main_game.h"
#include "puzzle/play/play_effects.h"
#include "sound/global_snd.h"

namespace sorvanta {

std::shared_ptr<TLoseScreen> loseScreen;

namespace {
constexpr float kPanelX = 412.0f;
constexpr float kPanelY = 384.0f;
constexpr float kMessageY = 200.0f;
constexpr float kDim = 0.5f;
}  // namespace

void TLoseScreen::setup() {
  txtLose = readTxtData(loadTxtFile(bDir + "txt/" + lang + "/loseScreen.txt"), 1);
  panel = LoadImage(bDir + "gfx/gui/loseScreen/panel.png");
  if (panel) MidHandleImage(panel);
  gui = LoadGui(bDir + "gfx/gui/loseScreen/" + lang + "/loseScreen.gui");
  font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 48);
}

int TLoseScreen::prepare() {
  loseWynik = kLoseRestart;
  dAlpha = 1;
  alpha = 0;
  fade = 0;
  dFade = kDim;
  if (globalSnd) globalSnd->playMySound("lose");
  return 0;
}

void TLoseScreen::update() {
  _updateAlpha();
  _updateFade();
  _updateGui();
  // The lost board goes on falling behind the panel.
  _updateFlyingTiles();
}

int TLoseScreen::_drawBack() {
  if (mainGame) mainGame->draw();
  return 0;
}

int TLoseScreen::_drawPanel() {
  ResetDrawState(alpha);
  if (panel) DrawImage(panel, kPanelX, kPanelY);
  SetColor(0, 0, 0);
  SetImageFont(font);
  DrawText(txtLose, kPanelX - static_cast<float>(TextWidth(txtLose) / 2), kMessageY);
  SetColor(255, 255, 255);
  return 0;
}

void TLoseScreen::draw() {
  _drawBack();
  _drawFade();
  _drawPanel();
  _drawGUI();
}

int TLoseScreen::mainLoop() {
  prepare();
  runScreenLoop(
      *this,
      [this] {
        if (!gui) return;
        // The later click wins, even during the fade-out.
        if (gui->clickedItem("restart")) {
          dAlpha = 0;
          dFade = 0;
          loseWynik = kLoseRestart;
        }
        if (gui->clickedItem("mainMenu")) {
          dAlpha = 0;
          dFade = 0;
          loseWynik = kLoseMainMenu;
        }
      },
      [this] { return alpha == 0 && dAlpha == 0; });
  return loseWynik;
}

}  // namespace sorvanta
