// The options overlay's drawing: the screen behind it, the panel, the texts,
// the layout and the two volume bars.
#include "core/design_size.h"
#include "core/draw_state.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/video.h"
#include "screens/options.h"

namespace sorvanta {

namespace {

// The gold of the panel's texts and volume fillings.
constexpr int kGoldR = 255, kGoldG = 206, kGoldB = 34;

}  // namespace

void TOptions::draw() {
  _drawBack();
  _drawFade();
  _drawPanel();
  _drawTexts();
  _drawGUI();
  _drawHelp();
  _drawBars();
  _drawMouse();
}

void TOptions::_drawBack() {
  // A backdrop that is this very overlay would draw itself forever.
  if (ekran && ekran.get() != this) ekran->draw();
}

void TOptions::_drawPanel() {
  ResetDrawState(alpha);
  if (panel) DrawImage(panel, vx + 300, 110);
  if (tytul) DrawImage(tytul, vx + 300 + ImageWidth(panel) / 2, 110);
}

void TOptions::_drawTexts() {
  ResetDrawState(alpha);
  auto centred = [](const std::string& text, float top, int shift) {
    DrawText(text, kDesignWidth / 2 - TextWidth(text) / 2 + shift, top + shift);
  };
  SetColor(0, 0, 0);
  SetImageFont(fontTitle);
  centred(txtSettings, 85, 2);
  SetImageFont(font);
  centred(txtMusicVolume, 145, 2);
  centred(txtSoundVolume, 210, 2);
  SetColor(255, 255, 255);
  SetImageFont(fontTitle);
  centred(txtSettings, 85, 0);
  SetColor(kGoldR, kGoldG, kGoldB);
  SetImageFont(font);
  centred(txtMusicVolume, 145, 0);
  centred(txtSoundVolume, 210, 0);
  DrawText(txtFullScreen, vx + 420, 330);
  DrawText(txtCustomCursor, vx + 420, 290);
}

void TOptions::_drawPasek(float x, float y, float fraction) {
  if (!pasek) return;
  float w = ImageWidth(pasek) * fraction;
  float h = ImageHeight(pasek);
  DrawSubImageRect(pasek, x, y, w, h, 0, 0, w, h);
}

void TOptions::_drawBars() {
  ResetDrawState(alpha);
  if (bar2) {
    DrawImage(bar2, vx + 340, 180);
    DrawImage(bar2, vx + 340, 250);
  }
  SetColor(kGoldR, kGoldG, kGoldB);
  DrawRect(vx + 349, 187, 335 * musicVol, 6);
  DrawRect(vx + 349, 257, 335 * soundVol, 6);
  SetColor(255, 255, 255);
  if (bar) {
    DrawImage(bar, vx + 340, 180);
    DrawImage(bar, vx + 340, 250);
  }
  if (kosc) {
    DrawImage(kosc, vx + kKnobLeft + kBarWidth * musicVol, 190);
    DrawImage(kosc, vx + kKnobLeft + kBarWidth * soundVol, 260);
  }
}

}  // namespace sorvanta
