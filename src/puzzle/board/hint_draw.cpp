// Drawing of a hint icon with its glow, fade and charge gauge.
#include "platform/image.h"
#include "platform/video.h"
#include "puzzle/board/board_links.h"
#include "puzzle/board/hint.h"

namespace sorvanta {

int THint::Draw() {
  const std::shared_ptr<TImage>& face = img[t == 0 ? 0 : 1];
  SetColor(255, 255, 255);
  SetBlend(ALPHABLEND);
  SetScale(1, 1);
  SetRotation(0);
  DrawImage(face, x, y);
  if (t == 0 && PlayHoveredHint() == this) {
    SetAlpha(0.3f);
    SetBlend(LIGHTBLEND);
    DrawImage(face, x, y);
    SetAlpha(1);
    SetBlend(ALPHABLEND);
  }
  if (a != 0) {
    SetAlpha(a);
    DrawImage(img[0], x, y);
  }
  if (myLoad != 0 && t == 1) {
    const int w = ImageWidth(img[0]), h = ImageHeight(img[0]);
    _x = x - w / 2;
    _y = y + (1 - myLoad) * h - h / 2;
    _w = static_cast<float>(w);
    _h = myLoad * h;
    _sx = 0;
    _sy = (1 - myLoad) * h;
    _sw = static_cast<float>(w);
    _sh = myLoad * h;
    DrawSubImageRect(img[0], _x, _y, _w, _h, _sx, _sy, _sw, _sh);
  }
  return 0;
}

}  // namespace sorvanta
