// The mode picker.
#include "screens/pick_tryb.h"

#include "campaign/profile_manager.h"
#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "gui/my_font.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/video.h"
#include "puzzle/board/ruleset.h"
#include "screens/main_menu.h"

namespace sorvanta {

std::shared_ptr<TPickTryb> pickTryb;

namespace {

constexpr float kPanelX = 512, kPanelY = 384;
constexpr float kTitleY = 230;
constexpr float kPipY = 490, kPipStep = 18;
constexpr float kPicrossPipX0 = 294, kFillPipX0 = 540;  // pip i at x0 + 18 i

}  // namespace

void TPickTryb::setup() {
  titleTxt = readTxtData(loadTxtFile(bDir + "txt/#LANG#/pickTryb.txt"), 1);
  panel = LoadImage(bDir + "gfx/gui/pickTryb/panel.png", -1);
  if (panel) MidHandleImage(panel);
  font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 36);
  gui = LoadGui(bDir + "gfx/gui/pickTryb/" + lang + "/pickTryb.gui");
  pass[0] = LoadImage(bDir + "gfx/gui/pickTryb/off.png", -1);
  pass[1] = LoadImage(bDir + "gfx/gui/pickTryb/on.png", -1);
  for (auto& pip : pass)
    if (pip) MidHandleImage(pip);
}

void TPickTryb::prepare() {
  fade = 0;
  dFade = 0.4f;
  alpha = 0;
  dAlpha = 1;
  tryb = kRulesetFill;
  auto profile = profileManager ? profileManager->profile : nullptr;
  maxPicross = profile ? profile->QUEST_GetPicrossStagesPassed() : 0;
  maxFill = profile ? profile->QUEST_GetFillStagesPassed() : 0;
}

int TPickTryb::mainloop() {
  prepare();
  runScreenLoop(
      *this,
      [this] {
        // A later click replaces the choice until the panel has gone.
        if (!gui) return;
        if (gui->clickedItem("mesalor")) {
          tryb = kRulesetPicross;
          dFade = 0;
          dAlpha = 0;
        }
        if (gui->clickedItem("normal")) {
          tryb = kRulesetFill;
          dFade = 0;
          dAlpha = 0;
        }
      },
      [this] { return alpha == 0 && dAlpha == 0; });
  return tryb;
}

void TPickTryb::update() {
  _updateAlpha();
  _updateGui();
  _updateFade();
}

void TPickTryb::draw() {
  _drawBack();
  _drawFade();
  _drawPanel();
  _drawStages();
  _drawGUI();
}

void TPickTryb::_drawBack() {
  if (mainMenu) mainMenu->draw();
}

void TPickTryb::_drawPanel() {
  ResetDrawState(alpha);
  if (panel) DrawImage(panel, kPanelX, kPanelY);
  SetColor(255, 206, 34);
  SetImageFont(font);
  DrawText(titleTxt, kPanelX - TextWidth(titleTxt) / 2, kTitleY);
  SetColor(255, 255, 255);
}

void TPickTryb::_drawStages() {
  ResetDrawState(alpha);
  rampToward(stagePer, dStagePer, 0.05f);
  if (stagePer == dStagePer) dStagePer = dStagePer == 0 ? 1 : 0;
  auto row = [this](float x0, int passed) {
    for (int i = 1; i <= kPickTrybPips; ++i) {
      const float x = x0 + kPipStep * i;
      if (i <= passed) {
        DrawImage(pass[1], x, kPipY);
        continue;
      }
      DrawImage(pass[0], x, kPipY);
      if (i == passed + 1) {
        SetAlpha(stagePer * alpha);
        DrawImage(pass[1], x, kPipY);
        SetAlpha(alpha);
      }
    }
  };
  row(kPicrossPipX0, maxPicross);
  row(kFillPipX0, maxFill);
  ResetDrawState();
}

}  // namespace sorvanta
