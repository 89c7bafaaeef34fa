// The stage screen: set-up, preparation, the frame, level picking and the
// two ways out.
#include "map/stage_screen.h"

#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "formats/rcm_file.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "gui/my_font.h"
#include "map/map_screen.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/system.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/play/main_game.h"

namespace sorvanta {

std::shared_ptr<TStageScreen> stageScreen;
TStoryParts TStageScreen::storyTexts;

namespace {

// The story page fades at this rate; the grid cross-fades with it.
constexpr float kStorySpeed = 0.025f;

struct TGridLayout {
  int maxA, stepW, stepH, startX, startY;
  float drawS;
};
// Exactly 25 levels fill three rows of nine small buttons; any other count
// takes rows of five.
constexpr TGridLayout kWideGrid = {8, 80, 56, 190, 590, 0.7f};
constexpr TGridLayout kNarrowGrid = {4, 125, 100, 260, 600, 1.0f};

std::shared_ptr<TProfile> player() { return profileManager ? profileManager->profile : nullptr; }

}  // namespace

void TStageScreen::setup() {
  const std::string folder = bDir + "gfx/gui/stageScreen/";
  gui = LoadGui(folder + lang + "/stageScreen.gui");
  back = LoadImage(folder + "back.jpg", -1);
  storyFont = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 24);
  levelImg = {LoadImg2(folder + "level.png", -1), LoadImg2(folder + "level1.png", -1),
              LoadImg2(folder + "level2.png", -1)};
  levelImgOver = {LoadImg2(folder + "levelOver.png", -1), LoadImg2(folder + "level1Over.png", -1)};
  levelImgAct = {LoadImg2(folder + "levelAct.png", -1), LoadImg2(folder + "level1Act.png", -1)};
  for (const auto& img : levelImg) MidHandleImg(img);
  for (const auto& img : levelImgOver) MidHandleImg(img);
  for (const auto& img : levelImgAct) MidHandleImg(img);

  auto file = loadRCMFile(bDir + "data/stagesStory.dat");
  auto txt = loadTxtFile(bDir + "txt/#LANG#/story.txt");
  titleFont = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 32);
  // The pages wrap in the selected font when this is not the global screen.
  SetImageFont(storyFont);
  storyTexts = readStoryParts(*file, txt);
}

void TStageScreen::prepare(std::shared_ptr<TStage> shown) {
  if (!shown) {
    auto p = player();
    if (p && levelManager) shown = levelManager->getStageById(p->position().stage, p->tryb);
  }
  stage = std::move(shown);
  if (!stage) return;
  actStageId = stage->id;
  stageTitle = stage->title;
  wynik.clear();
  if (auto p = player()) p->SetActScreen(kStateMapScreen);
  _prepareSelf();
  _prepareLevels();
  _prepareStory();
}

void TStageScreen::_prepareSelf() {
  if (noPrepare == 0) {
    alpha = 0;
    dAlpha = 1;
    fade = 0;
    dFade = 0;
  } else {
    alpha = 1;
    dAlpha = 1;
    fade = 1;
    dFade = 0;
  }
}

void TStageScreen::_prepareLevels() {
  auto p = player();
  for (const auto& level : stage->levels) {
    level->unlocked = p ? p->QUEST_LevelUnlocked(stage->id, level->id) : 0;
    level->played = p ? p->QUEST_LevelPlayed(stage->id, level->id) : 0;
  }
  const TGridLayout& g = stage->levels.size() == kWideGridLevels ? kWideGrid : kNarrowGrid;
  maxA = g.maxA;
  stepW = g.stepW;
  stepH = g.stepH;
  startX = g.startX;
  startY = g.startY;
  drawS = g.drawS;
}

void TStageScreen::_prepareStory() {
  actStory = nullptr;
  auto p = player();
  if (!p || p->QUEST_StoryRead(actStageId) == 0) {
    storyA = dStoryA = 1;
    actStory = findStoryPart(storyTexts, actStageId);
  } else {
    storyA = dStoryA = 0;
  }
}

std::pair<int, int> TStageScreen::levelCentre(int k) const {
  const int columns = maxA + 1;
  return {startX + (k % columns) * stepW, startY + (k / columns) * stepH};
}

bool TStageScreen::isCurrentLevel(int position) const {
  auto p = player();
  if (!p || !stage) return false;
  const TProfile::Position current = p->position();
  return IsRuleset(p->tryb) && current.level == position && current.stage == stage->id;
}

TLevelLook TStageScreen::levelLook(const TLevelData& level, int position) const {
  const bool over = overLevel.get() == &level;
  TLevelLook look;
  if (level.played == 1) {
    if (isCurrentLevel(position)) look.mark = levelImgAct[0];
    look.button = over ? levelImgOver[0] : levelImg[0];
  } else if (level.unlocked == 1) {
    if (isCurrentLevel(position)) {
      look.mark = levelImgAct[1];
      look.markDx = 4;
      look.markDy = 5;
    }
    look.button = over ? levelImgOver[1] : levelImg[1];
  } else {
    look.button = levelImg[2];
  }
  return look;
}

void TStageScreen::update() {
  _updateAlpha();
  _updateGui();
  _updateFade();
  _updateStoryAlpha();
  _updateLevels();
}

void TStageScreen::_updateStoryAlpha() { rampToward(storyA, dStoryA, kStorySpeed); }

void TStageScreen::_updateLevels() {
  overLevel = nullptr;
  if (!stage) return;
  const float w = ImgWidth(levelImg[0]) * drawS;
  const float h = ImgHeight(levelImg[0]) * drawS;
  int k = 0;
  for (const auto& level : stage->levels) {
    const auto [x, y] = levelCentre(k++);
    if (level->played != 1 && level->unlocked != 1) continue;
    if (mouse && mouse->inRect(x - w / 2, y - h / 2, w, h)) overLevel = level;
  }
  // Once a way out is chosen, a late click must not start a level under a
  // result that says otherwise.
  if (overLevel && mouse && mouse->leftPressed && wynik.empty()) pickLevel(overLevel);
}

std::string TStageScreen::mainloop(std::shared_ptr<TStage> shown) {
  prepare(std::move(shown));
  if (!stage) {
    // Such as the tutorial stage, which the catalogue does not hold.
    Print("No catalogue stage to show on the stage screen: back to the map");
    return kStateMapScreen;
  }
  runScreenLoop(
      *this,
      [this] {
        if (!gui || !wynik.empty()) return;
        if (gui->clickedItem("PLAY")) goPlay();
        if (gui->clickedItem("MAP")) goMap();
      },
      [this] { return (dFade == 1 && fade == 1) || (alpha == 0 && dAlpha == 0); });
  return wynik;
}

void TStageScreen::pickLevel(std::shared_ptr<TLevelData> level) {
  if (auto p = player()) p->QUEST_SetLevelAndStage(stage->id, level->id);
  goPlay();
}

void TStageScreen::goPlay() {
  if (dStoryA == 1) {
    dStoryA = 0;
    MarkStoryRead();
    return;
  }
  if (storyA > 0) return;
  auto p = player();
  if (!p || !stage) return;
  const TProfile::Position current = p->position();
  // The stage's level in progress resumes; another stage starts at its first.
  p->QUEST_SetLevelAndStage(stage->id, current.stage == stage->id ? current.level : 1);
  p->QUEST_LoadActLevel();
  auto loaded = p->position().inProgress;
  if (!loaded) {
    // Play needs a level: stay here, where MAP still leads away.
    Print("Stage " + std::to_string(stage->id) + " has no level to start in mode " + std::to_string(p->tryb));
    return;
  }
  if (mainGame) mainGame->setLevel(loaded);
  wynik = kStateMainGame;
  dFade = 1;
  if (mapScreen) {
    mapScreen->fade = 1;
    mapScreen->dFade = 1;
    mapScreen->noPrepare = 0;
  }
}

void TStageScreen::goMap() {
  if (mapScreen) {
    mapScreen->noPrepare = 1;
    mapScreen->fade = 0;
    mapScreen->dFade = 0;
    mapScreen->_prepareStages();
  }
  wynik = kStateMapScreen;
  dAlpha = 0;
}

void TStageScreen::MarkStoryRead() {
  if (auto p = player()) p->QUEST_MarkStoryRead(actStageId);
}

}  // namespace sorvanta
