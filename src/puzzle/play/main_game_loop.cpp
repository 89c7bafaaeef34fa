// The play screen's level start (its reset, music, save and start animation)
// and its loop.
#include "core/frame.h"
#include "core/screen_loop.h"
#include "core/settings.h"
#include "core/states.h"
#include "gui/gui.h"
#include "gui/gui_object.h"
#include "platform/random.h"
#include "platform/system.h"
#include "platform/video.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "puzzle/board/player_link.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/board/tile.h"
#include "puzzle/play/flight_plan.h"
#include "puzzle/play/main_game.h"
#include "puzzle/play/play_effects.h"
#include "puzzle/play/tutorial_links.h"
#include "sound/global_snd.h"

namespace sorvanta {

int TMainGame::_prepareSelf() {
  _exit = 0;
  TTile::eAlpha = 1;
  TTile::dEAlpha = 1;
  fade = 1;
  dFade = 0;
  alpha = 0;
  dAlpha = 1;
  lastPickedHint = nullptr;
  if (level->tryb == kRulesetFill) pickColor(2);
  // A Picross level keeps the colours the last Fill level left.
  lastColor = pickedColor;
  xColor = pickedColor;
  PlayerSetActScreen(kStateMainGame);
  lastShowTile = nullptr;
  oldTool = static_cast<float>(PlayerTool());
  return 0;
}

int TMainGame::_prepareFrame() {
  frameA = 0;
  dFrameA = 0;
  return 0;
}

int TMainGame::_prepareLevelNumbers() {
  // A level restored from a save shows the counts of its paint at once.
  if (level->tryb == kRulesetFill) level->COUNT_UserPutColorNumber();
  return 0;
}

void TMainGame::flyIn(int pattern) {
  for (const auto& f : fillFlyInPlan(*level, pattern))
    createFlyingTile(f.tile, f.x1, f.y1, f.x2, f.y2, f.mx, f.my, f.stScale, f.endScale, f.stAlpha, f.endAlpha,
                     f.stRot, f.endRot, f.lifeTime, f.delay);
}

int TMainGame::_prepareBeginNormal_1() { return flyIn(1), 0; }
int TMainGame::_prepareBeginNormal_2() { return flyIn(2), 0; }
int TMainGame::_prepareBeginNormal_3() { return flyIn(3), 0; }
int TMainGame::_prepareBeginNormal_4() { return flyIn(4), 0; }
int TMainGame::_prepareBeginNormal_5() { return flyIn(5), 0; }

int TMainGame::_prepareBeginNormal() {
  state = kPlayBegin;
  switch (Rand(1, 5)) {
    case 1: return _prepareBeginNormal_1();
    case 2: return _prepareBeginNormal_2();
    case 3: return _prepareBeginNormal_3();
    case 4: return _prepareBeginNormal_4();
    default: return _prepareBeginNormal_5();
  }
}

int TMainGame::_prepareBeginMesalor() {
  // No cell flies: play starts as soon as no flight is left.
  state = kPlayBegin;
  return 0;
}

int TMainGame::_prepareBegin() {
  // The animation follows the player's mode; without a player, the level's.
  return PlayerTryb(level->tryb) == kRulesetFill ? _prepareBeginNormal() : _prepareBeginMesalor();
}

int TMainGame::prepare() {
  _prepareSelf();
  _prepareFrame();
  _prepareLevelNumbers();
  // "show" walks Fill clues only; on a Picross board it would be a button
  // that does nothing, so it is hidden there.
  if (gui)
    if (auto show = gui->GetObject("show")) show->setState(level->tryb == kRulesetFill, level->tryb == kRulesetFill);
  if (globalSnd) {
    globalSnd->playMusicByNumber(level->actMusicN);
    settings().lastLoadedMusic = globalSnd->getActMusicN();
  }
  SaveAllProfiles();
  badTiles.clear();
  trelmoActionType = 0;
  _prepareBegin();
  _prepareDelta();
  return 0;
}

void TMainGame::settleEffects(const std::string& result) {
  // A next or restarted level starts clean; anything else would carry the
  // flights over to whatever level runs next, so they land here and now.
  if (result == kStateNextLevel || result == kStateRestartLevel)
    dropFlyingEffects();
  else
    settleFlyingEffects();
}

std::string TMainGame::mainloop() {
  if (!level || !level->hasCells()) {
    // The reader has already named the file that failed.
    Print(level ? "Level without cells (" + std::string(level->tryb == kRulesetPicross ? "Picross " : "Fill ") +
                      std::to_string(level->rows) + " x " + std::to_string(level->cols) +
                      ") is not played: back to MAIN-MENU"
                : std::string("No level to play: back to MAIN-MENU"));
    return kStateMainMenu;
  }
  prepare();
  runScreenLoop(
      *this,
      [this] {
        CONTROL_KEYBOARD();
        CONTROL_GUI();
      },
      [this] { return (fade == 1.0f && dFade == 1.0f) || _exit != 0; });
  DropRunningTutorialTip();
  // An armed Fill hint not yet spent goes back: the next start disarms it.
  if (trelmoActionType != 0 && lastPickedHint) lastPickedHint->Reuse();
  trelmoActionType = 0;
  settleEffects(wynik);
  return wynik;
}

}  // namespace sorvanta
