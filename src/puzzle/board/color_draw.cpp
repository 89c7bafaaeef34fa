// Drawing of a colour: its clue digits with the satisfied dot, and its
// painted-cell image.
#include "gui/img.h"
#include "platform/strings.h"
#include "platform/video.h"
#include "puzzle/board/color.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

namespace {
bool validSize(int size) { return size >= 0 && size < 5; }
}  // namespace

int TColor::drawNumber(float x, float y, int n, int size, const TTile* tile, const std::shared_ptr<TColor>& pickedColor,
                       float alpha, int) const {
  // A stored clue is never recounted, so a damaged file can hold any value.
  if (alpha == 0 || n < 0 || n > 9 || !validSize(size)) return 0;
  const bool black = ForceBlack(tile) != 0;
  SetColor(rr, gg, bb);
  SetAlpha(pickedColor.get() == this ? alpha : 0.3f * alpha);
  const std::shared_ptr<TImg>& digit = numbers[n][size];
  if (black) {
    SetColor(255, 255, 255);
    DrawImg(numbersBlack[n][size], FloatToInt(x), FloatToInt(y));
  } else {
    DrawImg(digit, FloatToInt(x), FloatToInt(y));
  }
  SetColor(255, 255, 255);
  if (tile && tile->count == tile->userCount) {
    if (!black) SetColor(rr, gg, bb);
    const float w = ImgWidth(digit), h = ImgHeight(digit);
    DrawImg(black ? pointImgBlack[size] : pointImg[size], FloatToInt(x + 0.26f * w), FloatToInt(y - 0.4f * h));
    SetColor(255, 255, 255);
    SetAlpha(1);
  }
  SetAlpha(1);
  return 0;
}

int TColor::draw(float x, float y, int size, int kind) const {
  if (!validSize(size) || kind < 0 || kind > 1) return 0;
  SetColor(255, 255, 255);
  DrawImg(img[kind][size], FloatToInt(x), FloatToInt(y));
  return 0;
}

}  // namespace sorvanta
