// The play screen's frame update and its play states: start, play, the win
// zoom ending in the summary, the fall ending in the lose panel.
#include <cmath>

#include "core/frame.h"
#include "core/globals.h"
#include "core/states.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "platform/clock.h"
#include "platform/trig.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"
#include "puzzle/board/player_link.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/board/tile.h"
#include "puzzle/play/flight_plan.h"
#include "puzzle/play/level_summary.h"
#include "puzzle/play/lose_screen.h"
#include "puzzle/play/main_game.h"
#include "puzzle/play/play_effects.h"
#include "puzzle/play/tutorial_links.h"
#include "sound/global_snd.h"

namespace sorvanta {

namespace {

constexpr float kFrameSpeed = 0.02f;
constexpr float kZoomSpeed = 0.02f;
constexpr float kZoomSide = 340.0f;   // the longer side of a won board
constexpr float kSmallZoom = 1.3f;    // a board smaller than that grows by this
constexpr int kWinWait = 1000;        // ms from the win to the summary
constexpr int kLoseWait = 3000;       // ms from the loss to the lose panel
constexpr float kWinCentreX = 512.0f;
constexpr float kWinCentreY = 420.0f;
constexpr float kPicrossWinCentreY = 350.0f;
constexpr float kPomButtonX = 850.0f;
constexpr float kPomButtonY = 510.0f;

template <typename Cell, typename Step>
void forEachCell(const TCellGrid<Cell>& grid, Step step) {
  for (int r = 0; r < grid.rows(); ++r)
    for (int c = 0; c < grid.cols(); ++c)
      if (auto cell = grid.get(r, c)) step(*cell);
}

}  // namespace

void TMainGame::update() {
  _updateState();
  _updateAlpha();
  _updateFlyingTiles();
  _updateFlyingRocks();
  _updateFlyingHints();
  _updateFlyingAddHint();
  _updateGui();
  _updateFrame();
  _updatePomButton();
  _updateFade();
  if (level) UpdateTutorialOver(shared_from_this(), PlayerTryb(level->tryb));
}

int TMainGame::_updateState() {
  if (state != kPlayNormal) aOverTile = nullptr;
  switch (state) {
    case kPlayBegin: return _update_BEGIN();
    case kPlayNormal: return _update_NORMAL();
    case kPlayWin: return _update_WIN();
    case kPlayLose: return _update_LOSE();
    default: return 0;
  }
}

int TMainGame::_update_BEGIN() {
  if (flyingTiles.empty()) {
    state = kPlayNormal;
    dFrameA = 1.0f;
  }
  return 0;
}

int TMainGame::_update_NORMAL() {
  if (level->tryb == kRulesetFill) {
    _updateTilesOver();
    _updateColorsOver();
    _updateHintsOver();
    _updateGameTryb();
  } else {
    _updateTilesOverMesalor();
    _updateNumbers();
    _updateLoseMesalor();
    // A level won or lost this frame takes no more clicks: a hint would
    // send its sparks onto the finished board.
    if (state == kPlayNormal) {
      _updateHintsOver();
      _updateTools();
    }
  }
  _updateTime();
  return 0;
}

int TMainGame::_updateTime() {
  // At most one second per 1000 ms of play: time spent outside play counts
  // one second in all.
  const int now = Millisecs2();
  if (msPast(now, secondTime, 1000)) {
    secondTime = msAfter(now, 1000);
    level->time += 1;
  }
  return 0;
}

int TMainGame::_updateFrame() {
  rampToward(frameA, dFrameA, kFrameSpeed);
  return 0;
}

int TMainGame::_updatePomButton() {
  if (PlayerTryb(level ? level->tryb : kRulesetFill) == kRulesetPicross) return 0;
  if (dButA == 0) badTiles.clear();
  pomButtonOver = 0;
  rampToward(butA, dButA, 0.05f);
  if (dButA != 0 && mouse) {
    if (mouse->inRect(kPomButtonX, kPomButtonY, ImgWidth(pomButton[0]), ImgHeight(pomButton[0])))
      pomButtonOver = 1;
    if (pomButtonOver && mouse->leftPressed) ShowBadTiles();
  }
  return 0;
}

int TMainGame::WIN() {
  if (globalSnd) {
    globalSnd->hideMusic();
    globalSnd->playMySound("win");
  }
  return WINNormal();
}

int TMainGame::WINNormal() {
  state = kPlayWin;
  badTiles.clear();
  dButA = 0;
  butA = 0;
  TTile::dEAlpha = 0;
  if (level->tryb == kRulesetFill) {
    // Clues and crosses fade; the painted picture stays.
    forEachCell(level->tile, [](TTile& t) {
      if (t.number || t.isZero || !t.xList.empty()) t.dAlpha = 0;
    });
  } else {
    forEachCell(level->atiles, [](TATile& t) {
      if (!t.td) t.dDrawAlpha = 0;
      t.lightUPa = 0;
      t.dLightUpA = 0;
    });
  }
  winTime = msAfter(Millisecs2(), kWinWait);
  const float w = level->COUNT_Standard_Width();
  const float h = level->COUNT_Standard_Height();
  dLS = kZoomSide / (w <= h ? h : w);
  if (dLS > 1.0f) dLS = kSmallZoom;
  dlsx = level->x;
  dlsy = level->y;
  dlx = w - level->tileW;
  dly = h - level->tileH;
  level->stCX = level->centerX;
  level->stCY = level->centerY;
  level->centW = kWinCentreX - level->centerX;
  level->centH = kWinCentreY - level->centerY;
  if (level->tryb == kRulesetPicross) {
    level->centH = kPicrossWinCentreY - level->centerY;
    level->COUNT_Dif(dLS);
  }
  dLSS = level->scale;
  dAlpha = 0;
  wP = 0;
  return 0;
}

int TMainGame::_update_WIN() {
  overTiles.clear();
  overTile = nullptr;
  aOverTile = nullptr;
  wP += kZoomSpeed * delta;
  if (wP > 1.0f) wP = 1.0f;
  const float s = static_cast<float>(Sin(90.0 * wP));
  level->scale = dLSS + (dLS - dLSS) * s;
  level->x = dlsx + (dlx - dlsx) * s;
  level->y = dlsy + (dly - dlsy) * s;
  level->dEmptyA = 0;
  frameA = dFrameA = static_cast<float>(Sin(90.0 * (1.0 - wP)));
  level->COUNT_Dims();
  if (level->tryb == kRulesetPicross) {
    level->COUNT_Position2(wP);
    forEachCell(level->atiles, [](TATile& t) { t.Finish(); });
  } else {
    // Symmetric about x 512 for odd and even widths alike.
    const float half = level->cols % 2 == 0 ? level->tileW * 0.5f : 0.0f;
    level->centerX = level->stCX + level->centW * s - half;
    level->centerY = level->stCY - level->centH * s;
    level->COUNT_Position();
  }
  if (level->tryb == kRulesetFill)
    forEachCell(level->tile, [](TTile& t) { t._updateAlpha(); });
  else
    forEachCell(level->atiles, [](TATile& t) { t._updateAlpha(); });
  level->updateAlpha();
  if (msPast(Millisecs2(), winTime, kWinWait) && wP == 1.0f) {
    wynik = levelSummary ? levelSummary->mainloop() : std::string(kStateNextLevel);
    state = kPlayFinished;
    _exit = 1;
  }
  return 0;
}

int TMainGame::LOSE() {
  state = kPlayLose;
  winTime = msAfter(Millisecs2(), kLoseWait);
  flyingTiles.clear();
  for (const auto& f : loseFallPlan(*level))
    CreateFlyingATile(f.aTile, f.x1, f.y1, f.x2, f.y2, f.mx, f.my, f.stScale, f.endScale, f.stAlpha, f.endAlpha,
                      f.stRot, f.endRot, f.lifeTime, f.delay);
  level->dEmptyA = 0;
  return 0;
}

int TMainGame::_update_LOSE() {
  overTiles.clear();
  overTile = nullptr;
  aOverTile = nullptr;
  level->updateAlpha();
  if (msPast(Millisecs2(), winTime, kLoseWait)) {
    const int r = loseScreen ? loseScreen->mainLoop() : 0;
    state = kPlayFinished;
    if (r == 1) {
      wynik = kStateMainMenu;
      PlayerSetActScreen(kStateStageScreen);
    } else {
      wynik = kStateRestartLevel;
    }
    _exit = 1;
  }
  return 0;
}

int TMainGame::WIN_CHEAT() {
  if (level->tryb == kRulesetFill)
    forEachCell(level->tile, [](TTile& t) {
      if (t.color) t.putColor = t.color;
    });
  else
    forEachCell(level->atiles, [](TATile& t) { t.odkryte = 1; });
  return WIN();
}

}  // namespace sorvanta
