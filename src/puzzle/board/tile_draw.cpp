// Drawing of the Fill cell on the board: its layers, the clue flash, its
// cross and the blink of a wrong paint.
#include <algorithm>
#include <cmath>

#include "core/globals.h"
#include "gui/img.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/strings.h"
#include "platform/trig.h"
#include "platform/video.h"
#include "puzzle/board/board_links.h"
#include "puzzle/board/cell_draw_support.h"
#include "puzzle/board/color.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

namespace {

// The light blink would not show on white paint.
constexpr int kWhitePaintId = 6;

bool validSize(int size) { return size >= 0 && size < 5; }

float levelScale(const TTile& cell) {
  auto level = cell._level.lock();
  return level ? level->scale : 1.0f;
}

// Paint of a colour out of focus is dimmed while the level starts or is
// played; the win and the loss show every paint in full.
bool paintOutOfFocus(const TTile& cell) {
  const std::shared_ptr<TColor> picked = PlayPickedColor();
  const std::shared_ptr<TColor> last = PlayLastColor();
  const int state = PlayState();
  if (cell.putColor == picked) return false;
  if (picked && picked->id == kCrossColorId && cell.putColor == last) return false;
  return state == 0 || state == 1;
}

}  // namespace

int TTile::Draw(const std::shared_ptr<TColor>& focus) {
  if (_flyingTile || !validSize(size)) return 0;
  const int px = FloatToInt(x), py = FloatToInt(y);
  const float s = levelScale(*this);
  SetColor(255, 255, 255);
  SetAlpha(eAlpha);
  SetScale(s, s);
  DrawImg(empty[size], px, py);
  SetAlpha(1);
  if (SolutionShown() && color) color->draw(x, y, size, 0);
  SetAlpha(1);
  if (color && color->id == kCrossColorId) SetAlpha(alpha);
  if (isZero != 0) {
    SetAlpha(alpha);
    DrawImg(TColor::xImg[size], px, py);
  } else if (putColor) {
    if (paintOutOfFocus(*this)) SetAlpha(alpha * 0.5f);
    SetColor(255, 255, 255);
    putColor->draw(x, y, size, PictureStyle());
  }
  if (showCount != 0 && number) {
    number->drawNumber(x, y, count, size, this, focus, alpha, putColor ? 0 : 1);
    DrawShow(focus);
  }
  return 0;
}

int TTile::DrawShow(const std::shared_ptr<TColor>& focus) {
  if (showMeAlpha == 0) return 0;
  SetBlend(LIGHTBLEND);
  // Three pulses while the flash rises and three while it falls.
  if (number)
    number->drawNumber(x, y, count, size, this, focus,
                       alpha * static_cast<float>(std::fabs(Sin(360.0 * showMeAlpha))), 0);
  SetBlend(ALPHABLEND);
  SetAlpha(alpha);
  timePartRot = FloatToInt(timePartRot + 5 * delta);
  const int now = MilliSecs();
  if (!msPast(now, showTimePart, 50)) return 0;
  showTimePart = msAfter(now, 50);
  const double a = timePartRot;
  const float w = static_cast<float>(GetMySizeWH());
  const float x1 = x + static_cast<float>(0.7 * Cos(a) * w), y1 = y + static_cast<float>(0.7 * Sin(a) * w);
  const float x2 = x + static_cast<float>(1.3 * Cos(a) * w), y2 = y + static_cast<float>(1.3 * Sin(a) * w);
  const int v = Rand(200, 255);
  int r = 0, g = v, b = v;
  if (Rand(0, 5) == 0) r = g = b = 255;
  const int k = Rand(1, 4);
  const int n = Rand(0, 1);
  createFlashSpark(n, x1, y1, x2, y2, r, g, b, 360.0f + 90.0f * k);
  return 0;
}

int TTile::DrawX(const std::shared_ptr<TColor>& focus) {
  if (_flyingTile || !validSize(size)) return 0;
  const float s = levelScale(*this);
  SetScale(s, s);
  if (focus && std::find(xList.begin(), xList.end(), focus) != xList.end()) {
    SetAlpha(eAlpha);
    DrawImg(TColor::xImg[size], FloatToInt(x), FloatToInt(y));
  }
  return 0;
}

int TTile::drawLightUp(float a) {
  if (!putColor) return 0;
  const std::shared_ptr<TImg> image = validSize(size) ? empty[size] : nullptr;
  const float w = ImgWidth(image), h = ImgHeight(image);
  if (putColor->id == kWhitePaintId) {
    SetColor(0, 0, 0);
  } else {
    SetBlend(LIGHTBLEND);
    SetColor(255, 255, 255);
  }
  SetAlpha(0.5f * a);
  DrawRect(x - w / 2, y - h / 2, w, h);
  SetAlpha(1);
  SetBlend(ALPHABLEND);
  return 0;
}

}  // namespace sorvanta
