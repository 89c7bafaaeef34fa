// The main menu's loop, buttons and play decision.
#include "screens/main_menu.h"

#include "campaign/profile_manager.h"
#include "core/dialogs.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/states.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/play/main_game.h"
#include "screens/credits.h"
#include "screens/options.h"
#include "screens/pick_tryb.h"
#include "screens/quest_continue.h"
#include "sound/global_snd.h"

namespace sorvanta {

std::shared_ptr<TMainMenu> mainMenu;

namespace {

// Top left of each picture pair and of each portal glow.
constexpr TPoint2 kPairAt[kTitlePairs] = {{13, 35}, {55, 196}, {367, 259}, {630, 192}, {701, 35}};
constexpr int kPortalAt[kTitlePairs][2] = {{23, 17}, {68, 177}, {354, 221}, {625, 176}, {700, 13}};

std::string titlePath(const std::string& name) { return bDir + "gfx/gui/titleScreen/" + name; }

std::shared_ptr<TProfile> currentPlayer() { return profileManager ? profileManager->profile : nullptr; }

}  // namespace

void TMainMenu::setup() {
  txtAreYouSure = readTxtData(loadTxtFile(bDir + "txt/#LANG#/mainMenu.txt"), 9);
  back = LoadImage(titlePath("back.png"), -1);
  for (int k = 0; k < kTitlePairs; ++k)
    for (int j = 0; j < 2; ++j)
      obrazek[k][j] = LoadImage(titlePath("game" + std::to_string(k + 1) + std::to_string(j + 1) + ".png"), -1);
  logo = LoadImage(titlePath(lang + "/logo.png"), -1);
  if (logo) MidHandleImage(logo);
  for (int k = 0; k < kTitlePairs; ++k) portal[k] = LoadImage(titlePath("portal" + std::to_string(k + 1) + ".png"), -1);
  gui = LoadGui(titlePath(lang + "/title.gui"));
  aSpeed = 0.02f;
  for (int k = 0; k < kTitlePairs; ++k) {
    px[k] = kPortalAt[k][0];
    py[k] = kPortalAt[k][1];
    obrDim[k] = kPairAt[k];
  }
}

void TMainMenu::_prepareSelf() {
  fade = 1;
  dFade = 0;
  alpha = 0;
  dAlpha = 1;
  wynik.clear();
}

void TMainMenu::_prepareCredits() { creditsTime = msAfter(MilliSecs(), kCreditsIdleMs); }

void TMainMenu::prepare() {
  _prepareSelf();
  _prepareCredits();
  _prepareEffects();
  if (globalSnd) globalSnd->playMyMusic("title");
  _prepareDelta();
}

std::string TMainMenu::mainLoop() {
  prepare();
  runScreenLoop(
      *this,
      [this] {
        if (!gui) return;
        if (gui->clickedItem("play")) goPlay();
        if (gui->clickedItem("settings")) goSettings();
        if (gui->clickedItem("more")) goMore();
        if (gui->clickedItem("x")) goExit();
      },
      [this] { return dFade == 1 && fade == 1; });
  return wynik;
}

void TMainMenu::update() {
  _updateFade();
  _updateAlpha();
  _updateGui();
  _updatePortale();
  _updateObrazki();
  _updateProfileCheck();
  _updateCredits();
}

void TMainMenu::_updateProfileCheck() {
  if (alpha == 1 && fade == 0 && profileManager) profileManager->Check();
}

void TMainMenu::_updateCredits() {
  if (!msPast(MilliSecs(), creditsTime)) return;
  if (credits) credits->mainLoop(shared_from_this());
  _prepareCredits();
}

int TMainMenu::goExit() {
  if (askYesNo(txtAreYouSure, shared_from_this()) == 1) {
    wynik = kStateEnd;
    dFade = 1;
  }
  _prepareCredits();
  return 0;
}

int TMainMenu::goMore() {
  wynik = kStateMoreGames;
  dFade = 1;
  return 0;
}

int TMainMenu::goSettings() {
  // The options save the current player as they open: without one there is
  // nothing to save, and the profiles screen would edit no one.
  if (!currentPlayer()) return 0;
  if (options) options->mainLoop(shared_from_this());
  _prepareCredits();
  return 0;
}

int TMainMenu::goPlay() {
  auto profile = currentPlayer();
  if (!profile) return 0;
  const int mode = pickTryb ? pickTryb->mainloop() : kRulesetPicross;
  dFade = 1;
  profile->tryb = mode;
  if (profile->QUEST_CanContinue() == 0) {
    goNew();
  } else {
    const std::string answer = continueQuest ? continueQuest->mainLoop() : kAnswerContinue;
    if (answer == kAnswerContinue) {
      goContinue();
    } else if (answer == kAnswerNew) {
      goNew();
    } else {
      _prepareCredits();
      dFade = 0;
      return 0;
    }
  }
  _prepareCredits();
  return 0;
}

int TMainMenu::goContinue() {
  auto profile = currentPlayer();
  dFade = 1;
  if (!profile) return 0;
  wynik = profile->GetActScreen();
  const TProfile::Position at = profile->position();
  std::shared_ptr<TLevel> level = at.inProgress;
  // A tutorial level restarts from its file with its tips pending again (its
  // saved board is not needed, so a lost level file costs nothing), and on
  // the play screen whatever was stored: the stage screen has no tutorial
  // stage to show. A tutorial level won before the game ended goes on to
  // the next one, as its summary leads.
  if (at.stage == 0 && (level || at.level > 0) && wynik != kStateNextLevel) {
    profile->QUEST_PrepareTutorialForActLevel();
    profile->QUEST_LoadActLevel();
    level = profile->position().inProgress;
    wynik = kStateMainGame;
  }
  if (level && mainGame) mainGame->setLevel(level);
  // The play screen needs a level: with none in progress the campaign goes on from the map.
  if (wynik == kStateMainGame && !level) wynik = kStateMapScreen;
  return 0;
}

int TMainMenu::goNew() {
  auto profile = currentPlayer();
  if (profile) wynik = profile->tryb == kRulesetPicross ? kStateNewGamePicross : kStateNewGameFill;
  dFade = 1;
  _prepareCredits();
  return 0;
}

}  // namespace sorvanta
