// Drawing of the Picross clues and of the clue lists beside the board.
#include <string>

#include "platform/font.h"
#include "platform/strings.h"
#include "platform/video.h"
#include "puzzle/board/level.h"
#include "puzzle/board/number.h"

namespace sorvanta {

int TNumber::draw(float x, float y) { return drawFace(x, y, 255, 255, 0); }

int TNumber::drawCross(float x, float y) {
  SetBlend(ALPHABLEND);
  return drawFace(x, y, 255, 0, 0);
}

int TNumber::drawFace(float x, float y, int red, int green, int blue) {
  const std::string text = std::to_string(tiles.size());
  auto lv = level.lock();
  const float layer = lv ? lv->emptyA : 1.0f;
  SetScale(1, 1);
  SetImageFont(size >= 0 && size < static_cast<int>(font.size()) ? font[size] : nullptr);
  const int halfW = TextWidth(text) / 2, halfH = TextHeight(text) / 2;
  SetColor(0, 0, 0);
  SetAlpha(a * layer);
  DrawText(text, FloatToInt(x + 2 - halfW), FloatToInt(y + 2 - halfH));
  SetColor(red, green, blue);
  SetAlpha((0.25f + 0.75f * a) * layer);
  DrawText(text, FloatToInt(x - halfW), FloatToInt(y - halfH));
  return 0;
}

float TNumberRow::clueX(int i, int x) const { return static_cast<float>(x - (i * w + 15)); }

float TNumberCol::clueY(int i, int y) const { return y - (i * h * 0.7f + 15); }

int TNumberRow::drawCross(int x, int y) {
  int i = 0;
  for (const auto& clue : list) clue->drawCross(clueX(++i, x), static_cast<float>(y));
  return 0;
}

int TNumberRow::draw(int x, int y) {
  int i = 0;
  for (const auto& clue : list) clue->draw(clueX(++i, x), static_cast<float>(y));
  return 0;
}

int TNumberCol::drawCross(int x, int y) {
  int i = 0;
  for (const auto& clue : list) clue->drawCross(static_cast<float>(x), clueY(++i, y));
  return 0;
}

int TNumberCol::draw(int x, int y) {
  int i = 0;
  for (const auto& clue : list) clue->draw(static_cast<float>(x), clueY(++i, y));
  return 0;
}

}  // namespace sorvanta
