// The play screen's drawing: the frame's layers in order. The background,
// the side panel and a plain board stand here until the full drawing of
// boards, frames, clues, palette and tools fills the layers.
#include "core/draw_state.h"
#include "gui/img.h"
#include "platform/video.h"
#include "puzzle/atile.h"
#include "puzzle/color.h"
#include "puzzle/level.h"
#include "puzzle/main_game.h"
#include "puzzle/placeholders.h"
#include "puzzle/tile.h"

namespace sorvanta {

namespace {

// A cell as a plain square of the board's cell size, centred on (x, y).
void plainCell(float x, float y, float w, float h) { DrawRect(x - w * 0.5f + 1, y - h * 0.5f + 1, w - 2, h - 2); }

}  // namespace

void TMainGame::draw() {
  _drawBack();
  _drawLevel();
  if (level && level->tryb != 1) _drawFrame();
  _drawTutorial(shared_from_this());
  _drawPanel();
  if (level && level->tryb != 0) _drawMistakes();
  _drawFade();
}

int TMainGame::_drawBack() {
  ResetDrawState();
  if (level && level->backgroundImg) DrawImg(level->backgroundImg, 0, 0);
  return 0;
}

int TMainGame::_drawLevel() {
  if (!level) return 0;
  if (level->tryb == 0) {
    _drawNormalLevel();
    _drawBadTiles();
  } else if (level->tryb == 1) {
    _drawMesalorLevel();
  }
  return 0;
}

int TMainGame::_drawNormalLevel() {
  ResetDrawState();
  const float w = level->tileW * level->scale, h = level->tileH * level->scale;
  for (int r = 0; r < level->tile.rows(); ++r)
    for (int c = 0; c < level->tile.cols(); ++c) {
      auto cell = level->tile.get(r, c);
      if (!cell || cell->_flyingTile) continue;
      if (cell->putColor && cell->putColor->id != kCrossColorId)
        SetColor(cell->putColor->rr, cell->putColor->gg, cell->putColor->bb);
      else
        SetColor(200, 200, 200);
      SetAlpha(cell->putColor ? 1.0f : 0.6f * TTile::eAlpha);
      plainCell(cell->x, cell->y, w, h);
    }
  ResetDrawState();
  return 0;
}

int TMainGame::_drawMesalorLevel() {
  ResetDrawState();
  const float w = level->tileW * level->scale, h = level->tileH * level->scale;
  for (int r = 0; r < level->atiles.rows(); ++r)
    for (int c = 0; c < level->atiles.cols(); ++c) {
      auto cell = level->atiles.get(r, c);
      if (!cell || cell->_flyingTile) continue;
      if (cell->odkryte && !cell->td) continue;
      if (cell->odkryte)
        SetColor(cell->zepsute ? 200 : 250, cell->zepsute ? 60 : 230, cell->zepsute ? 60 : 160);
      else
        SetColor(90, 100, 120);
      SetAlpha(cell->drawAlpha);
      plainCell(static_cast<float>(cell->x), static_cast<float>(cell->y), w, h);
    }
  ResetDrawState();
  return 0;
}

int TMainGame::_drawPanel() {
  ResetDrawState(alpha);
  if (panel) DrawImg(panel, 1024 - ImgWidth(panel), 0);
  _drawGUI();
  return 0;
}

int TMainGame::_drawSpecArrow(float, float, float, float, float, float, const std::shared_ptr<TRGB>&) { return 0; }
int TMainGame::_drawMyFrame(int, int, float, float) { return 0; }
int TMainGame::_drawLevelFrame() { return 0; }
int TMainGame::_drawMesalorTileCross() { return 0; }
int TMainGame::_drawMesalorNumbers() { return 0; }
int TMainGame::_drawMesalorOvers2() { return 0; }
int TMainGame::_drawMesalorOvers() { return 0; }
int TMainGame::_drawBadTiles() { return 0; }
int TMainGame::_drawHand(int, int) { return 0; }
int TMainGame::_drawHook(int, int) { return 0; }
int TMainGame::_drawTools() { return 0; }
int TMainGame::_drawPomBut() { return 0; }
int TMainGame::_drawPomHint() { return 0; }
int TMainGame::_drawColors() { return 0; }
int TMainGame::_drawFrame() { return 0; }
int TMainGame::_drawHints() { return 0; }
int TMainGame::_drawHintInfo() { return 0; }
int TMainGame::_drawMistakes() { return 0; }

}  // namespace sorvanta
