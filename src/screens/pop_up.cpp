// The modal message box.
#include "screens/pop_up.h"

#include <algorithm>

#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "gui/gui.h"
#include "gui/mouse.h"
#include "gui/my_font.h"
#include "formats/text_utils.h"
#include "gui/wrapped_text.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/strings.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

// The message's box on the panel, and its height above the buttons.
constexpr int kTextLeft = 310, kTextTop = 270, kTextWidth = 420;
constexpr int kTextRoom = 469 - kTextTop;

}  // namespace

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
  // Laid out once: the text stays the same while the dialog is up.
  shown = message(txt);
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
  drawSpecText(shown.text, kTextLeft, kTextTop, kTextWidth, "CENTER", 0, shown.font, 1);
}

TPopUp::TMessage TPopUp::message(const std::string& text) const {
  std::shared_ptr<TImageFont> last;
  for (const auto& font : {_font, _smallFont, _smallestFont}) {
    if (!font) continue;
    last = font;
    SetImageFont(font);
    const TSpecTextLayout layout = layoutSpecText(text, kTextLeft, kTextTop, kTextWidth, "CENTER", 1);
    bool fits = layout.height <= kTextRoom;
    // Lines are broken at blanks only, so one long word is a line wider than the box.
    for (const TSpecTextPiece& line : layout.pieces) fits = fits && TextWidth(line.text) <= kTextWidth;
    if (fits) return {font, text};
  }
  if (!last) return {_font, text};
  SetImageFont(last);
  // Each piece as the wrap measures a line's first word: after a blank.
  std::string out;
  for (const std::string& word : rozbijTekst(text, " ", "", "")) {
    std::string piece;
    for (char32_t c : Utf8ToU32(word)) {
      const std::string ch = U32ToUtf8(std::u32string(1, c));
      if (!piece.empty() && TextWidth(" " + piece + ch) > kTextWidth) {
        out += piece + " ";
        piece.clear();
      }
      piece += ch;
    }
    out += piece + " ";
  }
  if (!out.empty()) out.pop_back();
  return {last, cutToRoom(out)};
}

std::string TPopUp::cutToRoom(const std::string& text) {
  const TSpecTextLayout layout = layoutSpecText(text, kTextLeft, kTextTop, kTextWidth, "CENTER", 1);
  if (layout.height <= kTextRoom || layout.lines <= 0) return text;
  // Too long even in the smallest size: the lines that fit, the last one
  // ending in "..." to say there was more.
  const int keep = std::max(1, kTextRoom / (layout.height / layout.lines));
  std::string out;
  for (int i = 0; i < keep && i < static_cast<int>(layout.pieces.size()); ++i) {
    if (i + 1 < keep) {
      // Each kept line ended where the next word would not fit: joined by
      // blanks, they wrap where they did.
      out += layout.pieces[static_cast<size_t>(i)].text + " ";
      continue;
    }
    std::u32string line = Utf8ToU32(layout.pieces[static_cast<size_t>(i)].text);
    while (!line.empty() && TextWidth(U32ToUtf8(line) + "...") > kTextWidth) line.pop_back();
    out += U32ToUtf8(line) + "...";
  }
  return out;
}

int yesOrNo(const std::string& text, std::shared_ptr<TEkran> screen) {
  return popUp->mainLoop(text, std::move(screen), 1);
}

int showInfo(const std::string& text, std::shared_ptr<TEkran> screen) {
  return popUp->mainLoop(text, std::move(screen), 0);
}

}  // namespace sorvanta
