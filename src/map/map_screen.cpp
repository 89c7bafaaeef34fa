// The map screen: set-up, preparation, the loop, hover and click on the
// stages, and the drawing order of a frame.
#include "map/map_screen.h"

#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/states.h"
#include "effects/particle.h"
#include "gui/gui.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "gui/my_font.h"
#include "map/map_decoration.h"
#include "map/map_stage_marker.h"
#include "map/stage_screen.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/video.h"
#include "sound/global_snd.h"

namespace sorvanta {

std::shared_ptr<TMapScreen> mapScreen;

namespace {
constexpr int kAutoFlags = -1;
constexpr int kTitleFontSize = 20;
// The foot of the flag's pole in its picture.
constexpr int kFlagFootX = 6, kFlagFootY = 103;
}  // namespace

TMapScreen::TMapScreen() = default;

void TMapScreen::setup() {
  const std::string dir = bDir + "gfx/gui/map/";
  back = LoadImg2(dir + "back.jpg", kAutoFlags);
  gui = LoadGui(dir + lang + "/mapScreen.gui");
  kompas = LoadImg2(dir + "compass.png", kAutoFlags);
  flaga[0] = LoadImg2(dir + "flaga0.png", kAutoFlags);
  flaga[1] = LoadImg2(dir + "flaga1.png", kAutoFlags);
  frameLeft = LoadImg2(dir + "frameLeft.png", kAutoFlags);
  frameRight = LoadImg2(dir + "frameRight.png", kAutoFlags);
  frameUp = LoadImg2(dir + "frameUp.png", kAutoFlags);
  ship = LoadImg2(dir + "ship.png", kAutoFlags);
  MidHandleImg(ship);
  font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", kTitleFontSize);
  for (auto& f : flaga) SetImgHandle(f, kFlagFootX, kFlagFootY);
  for (size_t k = 0; k < fogDim.size(); ++k) fogDim[k].x = kFogPoints[k].x, fogDim[k].y = kFogPoints[k].y;
  for (size_t k = 0; k < lavaDim.size(); ++k) lavaDim[k].x = kLavaPoints[k].x, lavaDim[k].y = kLavaPoints[k].y;
  for (size_t k = 0; k < pox.size(); ++k) pox[k] = kSeaPolygon[k].x, poy[k] = kSeaPolygon[k].y;
}

TProfile* TMapScreen::player() const { return profileManager ? profileManager->profile.get() : nullptr; }

const std::list<std::shared_ptr<TStage>>* TMapScreen::catalogue() const {
  TProfile* p = player();
  return p && levelManager ? levelManager->stagesOf(p->tryb) : nullptr;
}

void TMapScreen::_prepareSelf() {
  if (noPrepare == 0) {
    fade = 1;
    dFade = 0;
  } else {
    noPrepare = 0;  // the stage screen left both ramps at 0: the map shows at once
  }
  alpha = dAlpha = 1;
  if (TProfile* p = player()) p->SetActScreen(kStateMapScreen);
}

void TMapScreen::_prepareStages() {
  stages.clear();
  TProfile* p = player();
  const auto* set = catalogue();
  if (!set) return;
  for (const auto& stage : *set) {
    if (!stage || !p->QUEST_StageUnlocked(stage->id)) continue;
    if (p->QUEST_StageUnlockShowed(stage->id) == 0) {
      stage->unlockPer = 0;
      stage->dUnlockPer = 1;
    } else {
      stage->unlockPer = stage->dUnlockPer = 1;
    }
    // Placed earlier in this run, for this player or another: no second animation.
    if (stage->unlocked) stage->unlockPer = 1;
    stage->unlocked = 1;
    p->QUEST_UnlockShowDone(stage->id);
    stages.push_back(stage);
  }
}

void TMapScreen::prepare() {
  _prepareSelf();
  _prepareStages();
  if (TProfile* p = player()) p->Save();
  if (globalSnd) globalSnd->playMyMusic("title");
  _prepareDelta();
}

std::string TMapScreen::mainloop() {
  prepare();
  runScreenLoop(
      *this,
      [this] {
        // The buttons wait for the map to stand still; stage clicks do not.
        if (fade != 0 || !gui) return;
        if (gui->clickedItem("PLAY"))
          goPlay();
        else if (gui->clickedItem("MENU"))
          goMenu();
      },
      [this] { return dFade == 1 && fade == 1; });
  Print("EXITING MAP SCREEN");
  clearParticles();
  return wynik;
}

void TMapScreen::update() {
  _updateFade();
  _updateStages();
  _updateEnviroment();
  _updateGui();
}

void TMapScreen::_updateStages() {
  overStage = nullptr;
  const auto* set = catalogue();
  if (!set) return;
  // The cheat replays every marker's animation; the key is read once a frame.
  const bool replay = cheatsOn != 0 && KeyHit(KEY_SPACE) > 0;
  TProfile* p = player();
  for (const auto& stage : *set)
    if (stage && stageUpdate(*stage, replay) && p->QUEST_StageUnlocked(stage->id)) overStage = stage;
  if (mouse && mouse->leftPressed && overStage) goToStage(overStage);
}

void TMapScreen::goToStage(std::shared_ptr<TStage> stage) {
  if (!stageScreen || !stage) return;
  if (stageScreen->mainloop(stage) == kStateMainGame) {
    wynik = kStateMainGame;
    fade = dFade = 1;
  }
}

void TMapScreen::goPlay() {
  TProfile* p = player();
  if (!p) return;
  for (const auto& stage : stages)
    if (stage->unlocked && p->QUEST_StageFinished(stage->id) == 0) return goToStage(stage);
}

void TMapScreen::goMenu() {
  if (TProfile* p = player()) {
    p->SetActScreen(kStateMapScreen);
    p->Save();
  }
  noPrepare = 0;
  wynik = kStateMainMenu;
  dFade = 1;
}

void TMapScreen::draw() {
  _drawBack();
  _drawStages();
  _drawGUI();
  _drawParticles();
  _drawTitles();
  _drawFrames();
  _drawFade();
}

void TMapScreen::_drawFlag(const TStage& stage) {
  SetAlpha(stage.unlockPer);
  DrawImg(flaga[overStage.get() == &stage ? 1 : 0], static_cast<float>(stage.x), static_cast<float>(stage.y));
  SetAlpha(1);
}

void TMapScreen::_drawStages() {
  ResetDrawState();
  for (const auto& stage : stages) {
    _drawFlag(*stage);
    stageDraw(*stage);
    if (overStage == stage) stageDrawOver(*stage);
  }
}

void TMapScreen::_drawTitles() {
  ResetDrawState();
  for (const auto& stage : stages) stageDrawTitle(*stage, overStage == stage ? 1 : 0, font);
}

}  // namespace sorvanta
