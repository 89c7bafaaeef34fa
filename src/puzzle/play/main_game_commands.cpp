// The play screen's commands: the pause menu and its results, the Fill
// "show" button, the help button's bad cells and the developer keys.
#include "core/dialogs.h"
#include "core/globals.h"
#include "core/states.h"
#include "gui/gui.h"
#include "platform/input.h"
#include "puzzle/board/fill_board.h"
#include "puzzle/board/level.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/board/tile.h"
#include "puzzle/play/main_game.h"
#include "sound/global_snd.h"

namespace sorvanta {

int TMainGame::goMenu() {
  // The menu's answer comes mapped to a state; a raw "RESTART" is taken
  // too. "" lets play go on.
  std::string r = runPauseMenu(shared_from_this());
  if (r == kOptionsRestart) r = kStateRestartLevel;
  if (r == kStateMainMenu) goMainMenu();
  else if (r == kStateRestartLevel) goRestart();
  else if (r == kStateMapScreen) goMapScreen();
  return 0;
}

int TMainGame::goMainMenu() {
  wynik = kStateMainMenu;
  dFade = 1.0f;
  return 0;
}

int TMainGame::goRestart() {
  wynik = kStateRestartLevel;
  dFade = 1.0f;
  return 0;
}

int TMainGame::goMapScreen() {
  wynik = kStateMapScreen;
  dFade = 1.0f;
  return 0;
}

int TMainGame::goShow() {
  if (!level || level->tryb != kRulesetFill) return 0;
  const auto& cells = level->tile.all();
  for (const auto& t : cells)
    if (t) t->showMeAlpha = t->dShowMeAlpha = 0;
  const auto first = level->tile.get(0, 0);
  if (!lastShowTile && first && first->isDone() == 0) {
    lastShowTile = first;
    first->dShowMeAlpha = 1.0f;
    return 0;
  }
  std::shared_ptr<TTile> chosen, firstCandidate;
  bool afterLast = !lastShowTile;
  for (const auto& t : cells) {
    if (!t || !t->number || t->isDone() != 0) continue;
    if (!firstCandidate) firstCandidate = t;
    if (afterLast) {
      chosen = t;
      break;
    }
    if (t == lastShowTile) afterLast = true;
  }
  if (!chosen) chosen = firstCandidate;
  if (!chosen) return 0;
  lastShowTile = chosen;
  chosen->dShowMeAlpha = 1.0f;
  if (globalSnd) globalSnd->playMySound("show-number");
  return 0;
}

int TMainGame::ShowBadTiles() {
  badTiles.clear();
  if (!level) return 0;
  const auto& cells = level->tile.all();
  for (int i : FillStrayPaint(FillBoardOf(*level))) badTiles.push_back(cells[i]);
  return 0;
}

int TMainGame::CONTROL_KEYBOARD() {
  if (cheatsOn == 0 || !level) return 0;
  auto move = [&](float dx, float dy, float ds) {
    level->scale += ds;
    level->x += dx;
    level->y += dy;
    if (ds != 0) level->COUNT_Dims();
    level->COUNT_Position();
  };
  if (KeyDown(KEY_A)) move(0, 0, 0.01f);
  if (KeyDown(KEY_A + ('Z' - 'A'))) move(0, 0, -0.01f);
  if (KeyDown(KEY_LEFT)) move(-3.0f, 0, 0);
  if (KeyDown(KEY_RIGHT)) move(3.0f, 0, 0);
  if (KeyDown(KEY_UP)) move(0, -3.0f, 0);
  if (KeyDown(KEY_DOWN)) move(0, 3.0f, 0);
  if (KeyHit(KEY_A + ('H' - 'A'))) AddHintPower();
  if (KeyHit(KEY_A + ('W' - 'A'))) WIN_CHEAT();
  return 0;
}

int TMainGame::CONTROL_GUI() {
  if (!gui) return 0;
  if (gui->clickedItem("pause")) goMenu();
  if (gui->clickedItem("show")) goShow();
  return 0;
}

}  // namespace sorvanta
