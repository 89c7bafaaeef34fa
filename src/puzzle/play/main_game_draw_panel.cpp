// The play screen's side panel: hint banner, help band and button, panel art,
// the Fill palette, the Picross tools, hint icons and the mistakes counter.
#include <string>

#include "core/draw_state.h"
#include "gui/img.h"
#include "gui/wrapped_text.h"
#include "platform/font.h"
#include "platform/video.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/cell_draw_support.h"
#include "puzzle/board/color.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "puzzle/board/player_link.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/picross/picross_rules.h"
#include "puzzle/play/main_game.h"

namespace sorvanta {

namespace {

// Help band and button belong to Fill players only; with no player the
// level's own ruleset decides.
bool helpShown(const TLevel* level) { return PlayerTryb(level ? level->tryb : kRulesetFill) != kRulesetPicross; }

}  // namespace

int TMainGame::_drawPanel() {
  _drawHintInfo();
  _drawPomHint();
  ResetDrawState(alpha);
  if (panel) DrawImg(panel, 1024 - ImgWidth(panel), 0);
  DrawImg(hintImg, 856, 410);
  _drawGUI();
  if (level && level->tryb == kRulesetFill) {
    ResetDrawState(alpha);
    DrawImg(colorImg, 860, 200);
    _drawColors();
  } else {
    _drawTools();
  }
  _drawHints();
  _drawPomBut();
  return 0;
}

int TMainGame::_drawHintInfo() {
  if (trelmoActionType != 1) return 0;
  ResetDrawState(0.5f);
  SetColor(0, 0, 0);
  DrawRect(0, 20, 1024, 60);
  SetImageFont(hintFont);
  SetColor(255, 255, 255);
  SetAlpha(1);
  DrawText(txtHintInfo, 419 - TextWidth(txtHintInfo) / 2, 50 - TextHeight(txtHintInfo) / 2);
  return 0;
}

int TMainGame::_drawPomHint() {
  if (!helpShown(level.get())) return 0;
  SetBlend(ALPHABLEND);
  SetColor(0, 0, 0);
  SetAlpha(0.65f * butA);
  DrawRect(0, 668, 1024, 100);
  SetColor(255, 255, 255);
  SetAlpha(butA);
  drawSpecText(txtSpecHint, 100, startPomHintY, 700, "CENTER", 0, hintFont2, 1);
  return 0;
}

int TMainGame::_drawColors() {
  ResetDrawState(alpha);
  if (!level) return 0;
  const int fw = static_cast<int>(ImgWidth(frameImg)), fh = static_cast<int>(ImgHeight(frameImg));
  int k = 0;
  for (const auto& entry : level->availableColors) {
    const float x = static_cast<float>(colSX + (k % 3) * (fw - 4));
    const float y = static_cast<float>(colSY + (k / 3) * (fh - 4));
    ++k;
    if (!entry) continue;
    if (entry->id == kCrossColorId && xColor) xColor->draw(x, y, 1, PictureStyle());
    entry->draw(x + 2, y, 1, PictureStyle());
    DrawImg(frameImg, x, y);
    if (entry == overColor) {
      SetBlend(LIGHTBLEND);
      SetAlpha(0.5f * alpha);
      DrawImg(frameImg, x, y);
      SetBlend(ALPHABLEND);
      SetAlpha(alpha);
    }
    if (entry == pickedColor) DrawImg(checkedImg, x, y);
    if (entry->id >= 2 && entry->IsDone(*level)) {
      SetAlpha(alpha);
      DrawImg(tick, x, y);
      SetColor(255, 255, 255);
    }
  }
  return 0;
}

int TMainGame::_drawTools() {
  SetAlpha(alpha);
  const float fw = ImgWidth(toolFrame), fh = ImgHeight(toolFrame);
  _drawHand(static_cast<int>(860 + fw / 2), static_cast<int>(250 + fh / 2));
  _drawHook(static_cast<int>(940 + fw / 2), static_cast<int>(250 + fh / 2));
  DrawImg(toolFrame, 860 + fw / 2 + oldTool * 80, 250 + fh / 2 - 5);
  return 0;
}

int TMainGame::_drawHand(int x, int y) {
  SetColor(255, 255, 255);
  SetBlend(ALPHABLEND);
  SetRotation(0);
  SetScale(1, 1);
  DrawImg(reka[overTool == 0 ? 1 : 0], static_cast<float>(x), static_cast<float>(y));
  return 0;
}

int TMainGame::_drawHook(int x, int y) {
  SetColor(255, 255, 255);
  SetBlend(ALPHABLEND);
  SetRotation(0);
  SetScale(1, 1);
  DrawImg(hak[overTool == 1 ? 1 : 0], static_cast<float>(x), static_cast<float>(y));
  return 0;
}

int TMainGame::_drawPomBut() {
  if (!helpShown(level.get())) return 0;
  ResetDrawState(butA);
  const auto& button = pomButton[pomButtonOver == 1 ? 1 : 0];
  DrawImg(button, 850, 510);
  SetColor(0, 0, 0);
  if (TATile::font[3]) SetImageFont(TATile::font[3]);
  DrawText(txtShowBadTiles, 850 + ImgWidth(button) / 2 - TextWidth(txtShowBadTiles) / 2, 527);
  return 0;
}

int TMainGame::_drawHints() {
  if (!level) return 0;
  for (const auto& hint : level->hints) {
    if (!hint) continue;
    SetAlpha(alpha);
    hint->Draw();
  }
  return 0;
}

int TMainGame::_drawMistakes() {
  if (!level || level->tryb == kRulesetFill) return 0;
  SetImageFont(mistakesFont);
  ResetDrawState(alpha);
  DrawImg(mistakesImg, 856, 324);
  const std::string number = std::to_string(level->mistakes);
  const std::string rest = " / " + std::to_string(level->maxMistakes);
  mistTxt = number + rest;
  const float x0 = static_cast<float>(940 - TextWidth(mistTxt) / 2);
  SetColor(0, 0, 0);
  DrawText(mistTxt, x0 + 1, 361);
  if (PicrossLost(level->mistakes, level->maxMistakes)) {
    SetColor(255, 0, 0);
    DrawText(number, x0, 360);
    SetColor(255, 255, 255);
    DrawText(rest, x0 + TextWidth(number), 360);
  } else {
    SetColor(255, 255, 255);
    DrawText(mistTxt, x0, 360);
  }
  return 0;
}

}  // namespace sorvanta
