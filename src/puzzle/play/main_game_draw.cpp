// The play screen's drawing: the frame's layers in order, both boards with
// their frames, grid lines, clues and previews, and the tutorial's curves.
#include "core/draw_state.h"
#include "core/globals.h"
#include "effects/particle.h"
#include "gui/gui_types.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "platform/video.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/color.h"
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/flying_rock.h"
#include "puzzle/board/flying_tiles.h"
#include "puzzle/board/level.h"
#include "puzzle/board/number.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/board/tile.h"
#include "puzzle/play/main_game.h"
#include "puzzle/play/tutorial_links.h"

namespace sorvanta {

void TMainGame::draw() {
  _drawBack();
  _drawLevel();
  if (level && level->tryb != kRulesetPicross) _drawFrame();
  _drawFlyingTiles();
  DrawTutorialOver(shared_from_this());
  _drawPanel();
  if (level && level->tryb != kRulesetFill) _drawMistakes();
  _drawFlyingHints();
  _drawFlyingRocks();
  _drawFlyingAddHint();
  _drawParticles();
  _drawFade();
}

int TMainGame::_drawBack() {
  ResetDrawState();
  if (level && level->backgroundImg) DrawImg(level->backgroundImg, 0, 0);
  return 0;
}

int TMainGame::_drawLevel() {
  if (!level) return 0;
  if (level->tryb == kRulesetFill) {
    _drawNormalLevel();
    _drawBadTiles();
  } else if (level->tryb == kRulesetPicross) {
    _drawMesalorLevel();
  }
  return 0;
}

int TMainGame::_drawNormalLevel() {
  SetBlend(ALPHABLEND);
  SetColor(255, 255, 255);
  SetScale(level->scale, level->scale);
  SetRotation(0);
  SetAlpha(1);
  if (pickedColor) {
    const auto focus = pickedColor->id >= 2 ? pickedColor : lastColor;
    for (int r = 0; r < level->tile.rows(); ++r)
      for (int c = 0; c < level->tile.cols(); ++c) {
        auto cell = level->tile.get(r, c);
        if (!cell) continue;
        cell->Draw(focus);
        cell->DrawX(focus);
      }
  }
  // The wrongly painted cells are drawn at scale 1 in this state.
  SetScale(1, 1);
  SetAlpha(0.4f);
  SetRotation(0);
  SetColor(255, 0, 0);
  return 0;
}

int TMainGame::_drawBadTiles() {
  if (badTiles.empty()) {
    batAlpha = 0;
    dBatAlpha = 0;
    return 0;
  }
  if (batAlpha == dBatAlpha) dBatAlpha = dBatAlpha == 0 ? 1.0f : 0.0f;
  rampToward(batAlpha, dBatAlpha, 0.05f);
  for (const auto& cell : badTiles)
    if (cell) cell->drawLightUp(batAlpha);
  return 0;
}

int TMainGame::_drawMesalorLevel() {
  SetBlend(ALPHABLEND);
  SetColor(255, 255, 255);
  SetScale(level->scale, level->scale);
  SetRotation(0);
  SetAlpha(1);
  TATile::updateTileAnim();
  _drawLevelFrame();
  for (int r = 0; r < level->atiles.rows(); ++r)
    for (int c = 0; c < level->atiles.cols(); ++c) {
      auto cell = level->atiles.get(r, c);
      if (!cell) continue;
      cell->draw();
      if (cell == aOverTile) cell->drawAsOver(0, overClick);
    }
  _drawMesalorOvers();
  _drawMesalorOvers2();
  _drawMesalorNumbers();
  return 0;
}

int TMainGame::_drawLevelFrame() {
  auto first = level->atiles.get(0, 0);
  auto last = level->atiles.get(level->rows - 1, level->cols - 1);
  if (!first || !last) return 0;
  lFrameX = static_cast<float>(first->x - static_cast<int>(level->tileW * 0.5f) + 11);
  lFrameY = static_cast<float>(first->y - static_cast<int>(level->tileH * 0.5f) + 10);
  lFrameW = last->x + level->tileW / 2.0f - 10 - lFrameX;
  lFrameH = last->y + level->tileH / 2.0f - 10 - lFrameY;
  SetAlpha(0.5f * level->emptyA);
  _drawMyFrame(static_cast<int>(lFrameX), static_cast<int>(lFrameY), lFrameW, lFrameH);
  for (const auto& f : level->additionalFrames) {
    if (!f) continue;
    SetColor(0, 0, 0);
    SetAlpha(level->emptyA * f->a);
    SetBlend(ALPHABLEND);
    DrawRect(static_cast<float>(f->x), static_cast<float>(f->y), static_cast<float>(f->w),
             static_cast<float>(f->h));
  }
  return 0;
}

int TMainGame::_drawMyFrame(int x, int y, float w, float h) {
  SetScale(1, 1);
  DrawImg(aFrame[0], x, y);
  DrawImg(aFrame[2], x + w, y);
  DrawImg(aFrame[6], x, y + h);
  DrawImg(aFrame[8], x + w, y + h);
  // A missing piece measures 0: its scale stays 1 instead of dividing by 0.
  auto ratio = [](float len, float size) { return size > 0 ? len / size : 1.0f; };
  scx = ratio(w, ImgWidth(aFrame[1]));
  scy = ratio(h, ImgHeight(aFrame[3]));
  pomscX = ratio(w, ImgWidth(aFrame[4]));
  pomscY = ratio(h, ImgHeight(aFrame[4]));
  SetScale(scx, 1);
  DrawImg(aFrame[1], x, y);
  DrawImg(aFrame[7], x, y + h);
  SetScale(1, scy);
  DrawImg(aFrame[3], x, y);
  DrawImg(aFrame[5], x + w, y);
  SetScale(pomscX, pomscY);
  DrawImg(aFrame[4], x, y);
  SetScale(1, 1);
  return 0;
}

int TMainGame::_drawMesalorOvers() {
  const bool left = mouse && mouse->leftHolded, right = mouse && mouse->rightHolded;
  if (left == right) return 0;
  if (actionType == 1)
    _color = left ? 0 : 1;
  else
    _color = left ? 1 : 0;
  int n = 1;
  for (const auto& cell : overTiles)
    if (cell) cell->drawAsOver(n++, _color);
  return 0;
}

int TMainGame::_drawMesalorOvers2() {
  if (aOverTile) _drawMesalorTileCross();
  return 0;
}

int TMainGame::_drawMesalorTileCross() {
  const int row = aOverTile->r, col = aOverTile->c;
  for (int r = 0; r < level->rows; ++r) {
    auto cell = level->atiles.get(r, col);
    if (cell && cell != aOverTile) cell->drawCross(alpha);
  }
  for (int c = 0; c < level->cols; ++c) {
    auto cell = level->atiles.get(row, c);
    if (cell && cell != aOverTile) cell->drawCross(alpha);
  }
  SetBlend(ALPHABLEND);
  return 0;
}

int TMainGame::_drawMesalorNumbers() {
  int r = 0;
  for (const auto& clue : level->numberRows) {
    auto cell = level->atiles.get(r, 0);
    if (clue && cell) {
      if (aOverTile && aOverTile->r == r) {
        clue->drawCross(cell->x, cell->y);
        SetBlend(ALPHABLEND);
      } else {
        clue->draw(cell->x, cell->y);
      }
    }
    ++r;
  }
  int c = 0;
  for (const auto& clue : level->numberCols) {
    auto cell = level->atiles.get(0, c);
    if (clue && cell) {
      if (aOverTile && aOverTile->c == c) {
        clue->drawCross(cell->x, cell->y);
        SetBlend(ALPHABLEND);
      } else {
        clue->draw(cell->x, cell->y);
      }
    }
    ++c;
  }
  return 0;
}

int TMainGame::_drawFrame() {
  if (!level || level->tryb == kRulesetPicross) return 0;
  ResetDrawState(frameA);
  const float s = level->scale, hw = level->tileW / 2.0f, hh = level->tileH / 2.0f;
  const float L = level->drawX - hw * s, T = level->drawY - hh * s;
  const float R = level->drawX + (level->width - hw) * s, B = level->drawY + (level->height - hh) * s;
  const auto& lu = levelFrame[0];
  const auto& ru = levelFrame[2];
  const auto& ld = levelFrame[5];
  DrawImg(lu, L, T);
  DrawImg(ru, R - 1, T);
  DrawImg(ld, L, B - 1);
  DrawImg(levelFrame[7], R - 1, B - 1);
  fx1 = L - (lu ? lu->hx : 0) + ImgWidth(lu) - 1;
  fy1 = T;
  fx2 = R - (ru ? ru->hx : 0) + 1;
  fy2 = B;
  fx3 = L;
  fy3 = T - (lu ? lu->hy : 0) + ImgHeight(lu);
  fx4 = L + level->width * s;
  fy4 = T + level->height * s - (ld ? ld->hy : 0);
  const float topW = ImgWidth(levelFrame[1]), leftH = ImgHeight(levelFrame[3]);
  fsx = topW > 0 ? (fx2 - fx1) / topW : 1.0f;
  fsy = leftH > 0 ? (fy4 - fy3) / leftH : 1.0f;
  SetScale(fsx, 1);
  DrawImg(levelFrame[1], fx1, fy1);
  DrawImg(levelFrame[6], fx1, fy2 - 1);
  SetScale(1, fsy);
  DrawImg(levelFrame[3], fx3, fy3);
  DrawImg(levelFrame[4], fx4 - 1, fy3);
  SetScale(1, 1);
  const float midX = fx1 + (fx2 - fx1) / 2, midY = fy3 + (fy4 - fy3) / 2;
  DrawImg(levelFrame[8], midX, fy1 - 5);
  DrawImg(levelFrame[11], midX, fy2 + 5);
  DrawImg(levelFrame[9], fx3 - 5, midY);
  DrawImg(levelFrame[10], fx4 + 5, midY);
  SetColor(255, 255, 255);
  return 0;
}

int TMainGame::_drawSpecArrow(float x1, float y1, float x2, float y2, float mx, float my,
                              const std::shared_ptr<TRGB>& rgb) {
  SetBlend(ALPHABLEND);
  SetScale(1, 1);
  SetAlpha(1);
  SetRotation(0);
  SetColor(rgb ? static_cast<int>(rgb->r) : 255, rgb ? static_cast<int>(rgb->g) : 255,
           rgb ? static_cast<int>(rgb->b) : 255);
  float px = x1, py = y1;
  // t advances in single-precision steps; rounding stops it at 0.95, so the
  // curve ends a little short of its end point.
  for (float t = 0; t <= 1.0f; t += 0.05f) {
    const float x = x1 + 2 * t * (mx - x1) + t * t * (x2 - 2 * mx + x1);
    const float y = y1 + 2 * t * (my - y1) + t * t * (y2 - 2 * my + y1);
    DrawLine(px, py, x, y);
    px = x;
    py = y;
  }
  return 0;
}

}  // namespace sorvanta
