// The credits roll and its lines.
#include "screens/credits.h"

#include "core/design_size.h"
#include "core/display.h"
#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "formats/txt_file.h"
#include "gui/mouse.h"
#include "gui/my_font.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/strings.h"
#include "platform/video.h"
#include "screens/main_menu.h"

namespace sorvanta {

std::shared_ptr<TCredits> credits;

namespace {

constexpr float kCentreX = 512;
constexpr int kLineGap = 2;

// The text without its first and last character (empty when shorter);
// characters are code points, so a letter outside ASCII goes whole.
std::string cutEnds(const std::string& text) {
  const int length = Len(text);
  return length < 2 ? "" : Mid(text, 2, length - 2);
}

}  // namespace

void TCreditData::draw(int y, float alpha) const {
  SetImageFont(font);
  const int w = TextWidth(txt);
  const float left = kCentreX - w / 2;
  SetAlpha(alpha * 0.4f);
  SetColor(0, 0, 0);
  DrawText(txt, left + 2, y + 2);
  SetAlpha(alpha);
  // Tinted character by character; characters are code points, so a
  // non-ASCII letter is never split.
  const std::u32string chars = Utf8ToU32(txt);
  const float n = static_cast<float>(chars.size());
  float x = left;
  for (size_t k = 0; k < chars.size(); ++k) {
    const float t = k / n;
    SetColor(static_cast<int>(255 - 255 * t), static_cast<int>(255 * t), 255);
    const std::string one = U32ToUtf8(chars.substr(k, 1));
    DrawText(one, x, y);
    x += TextWidth(one);
  }
}

void TCredits::addLine(const std::string& line) {
  if (line.empty()) return;
  auto data = std::make_shared<TCreditData>();
  data->txt = line;
  data->font = font1;
  if (data->txt[0] == '#') {
    data->font = font2;
    data->txt = cutEnds(data->txt);
  }
  if (!data->txt.empty() && data->txt[0] == '$') {
    data->font = font3;
    data->txt = cutEnds(data->txt);
  }
  lista.push_back(data);
}

void TCredits::setup() {
  img = LoadImage(bDir + "gfx/backgrounds/background_2.jpg", -1);
  font1 = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 26);
  font2 = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 42);
  font3 = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 60);
  auto file = loadTxtFile(bDir + "txt/#LANG#/credits.txt");
  lista.clear();
  for (int i = 1; file && i <= file->lines(); ++i) addLine(readTxtData(file, i));
}

void TCredits::prepare(std::shared_ptr<TEkran> prev) {
  ekr = prev ? std::move(prev) : mainMenu;
  alpha = 0;
  dAlpha = 1;
  y = kDesignHeight;
}

int TCredits::mainLoop(std::shared_ptr<TEkran> prev) {
  prepare(std::move(prev));
  // Like the other loops but cleared with the letterbox bars.
  runScreenLoop(
      *this,
      [this] {
        // A click, Enter, Space or Escape ends the roll.
        if ((mouse && mouse->leftPressed) || KeyHit(KEY_ENTER) || KeyHit(KEY_SPACE) || KeyHit(KEY_ESCAPE)) dAlpha = 0;
      },
      [this] { return alpha == 0 && dAlpha == 0; }, TLoopClear::kWithBars);
  return 0;
}

void TCredits::update() {
  _updateFade();
  _updateAlpha();
  _updateMove();
}

void TCredits::_updateMove() { y -= delta; }

void TCredits::draw() {
  _drawBack();
  _drawCredits();
  _drawFade();
}

void TCredits::_drawBack() {
  if (ekr && ekr.get() != this) ekr->draw();
  ResetDrawState(alpha);
  if (img) DrawImage(img, 0, 0);
}

void TCredits::_drawCredits() {
  float y0 = y;
  for (const auto& line : lista) {
    line->draw(static_cast<int>(y0), alpha);
    y0 += (line->font ? line->font->height() : 0) + kLineGap;
  }
  if (y0 < 0) y = kCreditsRestartY;
  ResetDrawState();
}

}  // namespace sorvanta
