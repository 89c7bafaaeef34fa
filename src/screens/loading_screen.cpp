#include "screens/loading_screen.h"

#include "core/delta_time.h"
#include "core/design_size.h"
#include "core/draw_state.h"
#include "core/frame.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/settings.h"
#include "formats/txt_file.h"
#include "gui/my_font.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/strings.h"
#include "platform/system.h"
#include "platform/video.h"

namespace sorvanta {

std::shared_ptr<TLoadingScreen> loading;

TLoadingScreen::TLoadingScreen() {
  txtLoading = readTxtData(loadTxtFile(bDir + "txt/#LANG#/loading.txt"), 1);
  font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 28);
  back = LoadImage(bDir + "gfx/gui/loading/back.jpg", 0);
  barBack = LoadImage(bDir + "gfx/gui/loading/bar2.png", -1);
  bar = LoadImage(bDir + "gfx/gui/loading/pasek.png", -1);
  barFrame = LoadImage(bDir + "gfx/gui/loading/bar.png", -1);
}

void TLoadingScreen::draw() {
  _drawBack();
  _drawProgress();
  _drawLogo();
  _drawText();
  if (fadingUp_) _drawFade();
}

void TLoadingScreen::update() {
  _updateFade();
}

void TLoadingScreen::_drawBack() {
  SetBlend(ALPHABLEND);
  if (back) DrawImage(back, 0, 0);
}

void TLoadingScreen::_drawProgress() {
  float f = static_cast<float>(p) / static_cast<float>(maxProgress);
  SetAlpha(1);
  if (bar) {
    int w = ImageWidth(bar);
    int h = ImageHeight(bar);
    DrawSubImageRect(bar, kDesignWidth / 2 - w / 2, 710 - h / 2, w * f, h, 0, 0, w * f, h);
  }
  if (barFrame) {
    int w = ImageWidth(barFrame);
    int h = ImageHeight(barFrame);
    DrawImage(barFrame, kDesignWidth / 2 - w / 2, 710 - h / 2);
  }
}

void TLoadingScreen::_drawLogo() {
  ResetDrawState();
}

void TLoadingScreen::_drawText() {
  ResetDrawState();
  SetImageFont(font);
  DrawText(txtLoading, kDesignWidth / 2 - TextWidth(txtLoading) / 2, 720);
}

void TLoadingScreen::drawNormal() {
  ResetDrawState();
  draw();
  myFlip(1);
  PollSystem();
  // Loading takes a while: a quit asked for meanwhile ends the game as it
  // would on any other screen.
  checkQuitRequest();
}

void TLoadingScreen::progress() {
  p += 1;
  adp += 1;
  Print("adp = " + IntToText(adp));
  if (p > maxProgress) p = maxProgress;
  drawNormal();
}

void TLoadingScreen::runPhase(int n) {
  for (const auto& step : phases[static_cast<std::size_t>(n - 1)]) {
    if (step) step();
    progress();
  }
}

void TLoadingScreen::PART1() {
  drawNormal();
  runPhase(1);
  if (settings().customCursor != 0) HideMouse();
}

void TLoadingScreen::PART2() { runPhase(2); }
void TLoadingScreen::PART3() { runPhase(3); }
void TLoadingScreen::PART4() { runPhase(4); }

void TLoadingScreen::PART5() {
  runPhase(5);
  if (settings().customCursor == 0) ShowMouse();
}

void TLoadingScreen::fadeUp() {
  for (int i = 0; i < 4; ++i) _prepareDelta();
  fade = 0;
  dFade = 1;
  fadingUp_ = true;
  runScreenLoop(*this, nullptr, [this] { return fade == dFade; });
  fadingUp_ = false;
}

}  // namespace sorvanta
