// The flying copies of both cells: what a flight draws in their place.
#include "gui/img.h"
#include "platform/image.h"
#include "platform/video.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/board_links.h"
#include "puzzle/board/cell_draw_support.h"
#include "puzzle/board/color.h"
#include "puzzle/board/tile.h"
#include "puzzle/board/tile_data.h"

namespace sorvanta {

namespace {

bool validSize(int size) { return size >= 0 && size < 5; }

// Paint out of focus is dimmed, as on the board, but in every play state.
bool paintDimmed(const TTile& cell) {
  const std::shared_ptr<TColor> picked = PlayPickedColor();
  const std::shared_ptr<TColor> last = PlayLastColor();
  if (cell.putColor == picked) return false;
  return !(picked && picked->id == kCrossColorId && cell.putColor == last);
}

}  // namespace

int TTile::drawAsFlying(float px, float py) {
  if (!validSize(size)) return 0;
  DrawImg(empty[size], px, py);
  if (isZero != 0) {
    DrawImg(TColor::xImg[size], px, py);
  } else if (putColor) {
    // The paint fades with its flight.
    const float flight = GetAlpha();
    if (paintDimmed(*this)) SetAlpha(flight * alpha * 0.5f);
    SetColor(255, 255, 255);
    DrawImg(putColor->img[PictureStyle()][size], px, py);
    SetAlpha(flight);
  }
  if (showCount && number) number->drawNumber(px, py, count, size, this, nullptr, GetAlpha(), putColor ? 0 : 1);
  return 0;
}

int TATile::drawAsFlying(float px, float py) {
  if (!validSize(size)) return 0;
  if (odkryte == 0) DrawImage(empty[size], px, py, 0);
  else if (td) DrawImage(td->img[size], px, py, 0);
  return 0;
}

}  // namespace sorvanta
