// Drawing of the Picross cell: in place, with its glow, the hover band, the
// drag-preview mark and the row demonstration's shade.
#include <string>

#include "platform/font.h"
#include "platform/image.h"
#include "platform/video.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/board_links.h"
#include "puzzle/board/cell_draw_support.h"
#include "puzzle/board/flying_tiles.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile_data.h"

namespace sorvanta {

namespace {

bool validSize(int size) { return size >= 0 && size < 5; }

std::shared_ptr<TImage> slot(const std::array<std::shared_ptr<TImage>, 10>& images, int size) {
  return validSize(size) ? images[size] : nullptr;
}

std::shared_ptr<TLevel> levelOf(const TATile& cell) {
  if (auto level = cell._level.lock()) return level;
  return PlayedLevel();
}

// A cell linked to its fall is drawn by the fall. Flights do not yet tell
// whether they have started; until they do, a linked cell counts as fallen
// (a waiting flight draws the cell in its place itself).
bool drawnByFlight(const TATile& cell) { return cell._flyingTile && cell._flyingTile->started; }

// A filled rectangle of the image's size centred on the cell.
void centredRect(const TATile& cell, const std::shared_ptr<TImage>& image) {
  const int w = ImageWidth(image), h = ImageHeight(image);
  DrawRect(static_cast<float>(cell.x - w / 2), static_cast<float>(cell.y - h / 2), static_cast<float>(w),
           static_cast<float>(h));
}

}  // namespace

int TATile::draw() {
  CountPomDims();
  if (drawnByFlight(*this)) return 0;
  if (td) _drawTD();
  else _drawNull();
  _drawLightUp();
  if (SolutionShown() && td && validSize(size)) {
    SetColor(255, 255, 255);
    DrawImage(td->img[size], static_cast<float>(x), static_cast<float>(y));
  }
  return 0;
}

int TATile::_drawTD() { return odkryte == 0 ? _drawHide() : _drawTD_Odkryte(); }

int TATile::_drawNull() { return odkryte == 0 ? _drawHide() : _drawX(); }

int TATile::_drawHide() {
  auto level = levelOf(*this);
  const float s = drawScale * (level ? level->scale : 1.0f);
  SetScale(s, s);
  SetColor(255, 255, 255);
  SetAlpha(drawAlpha * (level ? level->emptyA : 1.0f));
  SetRotation(0);
  DrawImage(slot(empty, size), static_cast<float>(x), static_cast<float>(y));
  return 0;
}

int TATile::_drawTD_Odkryte() {
  auto level = levelOf(*this);
  const float s = drawScale * (level ? level->scale : 1.0f);
  SetScale(s, s);
  SetColor(255, 255, 255);
  SetAlpha(drawAlpha);
  SetRotation(0);
  if (td && validSize(size)) DrawImage(td->img[size], static_cast<float>(x), static_cast<float>(y));
  return 0;
}

// An acted empty cell shows the board behind it.
int TATile::_drawX() { return 0; }

int TATile::_drawLightUp() {
  const float strength = drawAlpha * lightUPa * 0.4f;
  if (strength == 0) return 0;
  const float a = (0.5f + 0.5f * lightAnim) * strength;
  SetBlend(ALPHABLEND);
  SetAlpha(a);
  SetColor(0, 160, 160);
  centredRect(*this, slot(empty, size));
  SetBlend(LIGHTBLEND);
  centredRect(*this, slot(empty, size));
  SetColor(255, 255, 255);
  SetAlpha(drawAlpha);
  SetBlend(ALPHABLEND);
  return 0;
}

int TATile::drawCross(float a) {
  SetBlend(LIGHTBLEND);
  SetAlpha(0.1f * a);
  SetColor(255, 255, 255);
  SetScale(1, 1);
  centredRect(*this, slot(xImg, size));
  return 0;
}

int TATile::drawAsOver(int n, int kind) {
  SetScale(1, 1);
  SetImageFont(validSize(size) ? font2[size] : nullptr);
  if (odkryte == 0) {
    if (kind == 0) {
      SetBlend(ALPHABLEND);
      SetColor(0, 0, 0);
    } else {
      SetBlend(LIGHTBLEND);
      SetColor(255, 255, 255);
    }
    SetAlpha(0.3f);
    centredRect(*this, slot(xImg, size));
    SetBlend(ALPHABLEND);
    SetAlpha(1);
  }
  if (n == 0) return 0;
  const std::string text = std::to_string(n);
  pomXX = static_cast<float>(x - TextWidth(text) / 2);
  pomYy = static_cast<float>(y - TextHeight(text) / 2);
  SetColor(0, 0, 0);
  SetAlpha(0.5f);
  DrawText(text, pomXX + 1, pomYy + 1);
  SetAlpha(1);
  SetScale(1, 1);
  SetRotation(0);
  if (kind == 0) SetColor(255, 0, 0);
  else SetColor(0, 255, 255);
  DrawText(text, pomXX, pomYy);
  return 0;
}

int TATile::drawPosibility() {
  SetBlend(ALPHABLEND);
  SetAlpha(drawAlpha * 0.5f);
  SetScale(1, 1);
  SetColor(0, 0, 0);
  DrawImage(slot(empty, size), static_cast<float>(x), static_cast<float>(y));
  return 0;
}

int TATile::EDITOR_Draw(const std::shared_ptr<TATile>& selected) {
  SetAlpha(1);
  if (selected.get() == this) SetColor(150, 150, 150);
  else SetColor(255, 255, 255);
  DrawImage(slot(empty, size), static_cast<float>(x), static_cast<float>(y));
  if (td && validSize(size)) DrawImage(td->img[size], static_cast<float>(x), static_cast<float>(y));
  return 0;
}

}  // namespace sorvanta
