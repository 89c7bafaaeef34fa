// The modal message box.
#include "screens/pop_up.h"

#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "gui/gui.h"
#include "gui/mouse.h"
#include "gui/my_font.h"
#include "gui/wrapped_text.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/video.h"

namespace sorvanta {

std::shared_ptr<TPopUp> popUp;

void TPopUp::setup() {
  gui = LoadGui(bDir + "gfx/gui/popUp/" + lang + "/popUp.gui");
  _font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 42);
  _smallFont = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 24);
  _smallestFont = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 19);
  panel = LoadImage(bDir + "gfx/gui/popUp/panel.png", -1);
}

void TPopUp::prepare(const std::string& text, std::shared_ptr<TEkran> screen, int showNo) {
  txt = text;
  ekran = std::move(screen);
  // A question shows "yes" and "no"; a notice its one "ok", centred.
  if (gui) {
    for (const char* name : {"yes", "no"})
      if (auto button = gui->GetObject(name)) button->setState(showNo, showNo);
    if (auto ok = gui->GetObject("ok")) ok->setState(!showNo, !showNo);
  }
  // The click that opened the dialog does not reach it (nor the key: the
  // screen loop drops those).
  FlushMouse();
  if (mouse) mouse->clear();
  alpha = 0;
  dAlpha = 1;
  fade = 0;
  dFade = 0.5f;
}

int TPopUp::mainLoop(const std::string& text, std::shared_ptr<TEkran> screen, int showNo) {
  prepare(text, std::move(screen), showNo);
  runScreenLoop(
      *this,
      [this] {
        if ((gui && (gui->clickedItem("yes") || gui->clickedItem("ok"))) || KeyHit(KEY_ENTER)) {
          dFade = 0;
          dAlpha = 0;
          wyn = 1;
        }
        // Read second, so that "no" wins over "yes" in the same frame.
        if ((gui && gui->clickedItem("NO")) || KeyHit(KEY_ESCAPE)) {
          dFade = 0;
          dAlpha = 0;
          wyn = 0;
        }
      },
      [this] { return fade == 0 && alpha == 0 && dFade == 0 && dAlpha == 0; });
  return wyn;
}

void TPopUp::update() {
  _updateAlpha();
  _updateFade();
  _updateGui();
}

void TPopUp::_updateGui() {
  if (!gui) return;
  for (auto& object : gui->objects) object->SetMyAlpha(alpha);
  gui->update();
}

void TPopUp::draw() {
  // The caller may be a dialog showing this one; never draw ourselves twice.
  if (ekran && ekran.get() != this) ekran->draw();
  _drawFade();
  ResetDrawState(alpha);
  if (panel) DrawImage(panel, 265, 215);
  if (gui) gui->draw();
  ResetDrawState(alpha);
  SetImageFont(_font);
  // A long message (a reason, a folder's path that no line can break) would
  // run over the buttons or past the panel at the dialog's own size: it gets
  // the largest smaller size it fits in.
  for (const auto& smaller : {_smallFont, _smallestFont})
    if (smaller && !fitsPanel(txt)) SetImageFont(smaller);
  drawSpecText(txt, 310, 270, 420, "CENTER", 0, nullptr, 1);
}

bool TPopUp::fitsPanel(const std::string& text) {
  constexpr int kTextRoom = 469 - 270;  // down to the buttons' top
  const TSpecTextLayout layout = layoutSpecText(text, 310, 270, 420, "CENTER", 1);
  if (layout.height > kTextRoom) return false;
  for (const TSpecTextPiece& line : layout.pieces)
    if (TextWidth(line.text) > 420) return false;
  return true;
}

int yesOrNo(const std::string& text, std::shared_ptr<TEkran> screen) {
  return popUp->mainLoop(text, std::move(screen), 1);
}

int showInfo(const std::string& text, std::shared_ptr<TEkran> screen) {
  return popUp->mainLoop(text, std::move(screen), 0);
}

}  // namespace sorvanta
