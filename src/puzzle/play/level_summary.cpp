// The level summary: its set-up, loop, buttons and drawing.
#include "puzzle/play/level_summary.h"

#include "core/dialogs.h"
#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/states.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "gui/gui_object.h"
#include "gui/img.h"
#include "gui/my_font.h"
#include "platform/font.h"
#include "platform/trig.h"
#include "platform/video.h"
#include "puzzle/board/level.h"
#include "puzzle/board/player_link.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/play/main_game.h"

namespace sorvanta {

std::shared_ptr<TLevelSummary> levelSummary;

namespace {

constexpr float kStatSpeed = 0.05f;

std::string twoDigits(int n) {
  std::string digits(n < 10 ? "0" : "");
  return digits += std::to_string(n);
}

void setWidgetState(const std::shared_ptr<TGui>& gui, const std::string& name, int visible, int active) {
  if (!gui) return;
  if (auto object = gui->GetObject(name)) object->setState(visible, active);
}

// "stats" and "view" share one place and cross-fade: each fades whole, its
// caption with its picture (a caption otherwise keeps the layout's alpha), so
// the button shows one label at a time.
void setWidgetAlpha(const std::shared_ptr<TGui>& gui, const std::string& name, float a) {
  auto object = gui ? gui->GetObject(name) : nullptr;
  if (!object || !object->standardProps) return;
  object->SetMyAlpha(a);
  AlphaPtr& caption = object->standardProps->tAlpha;
  if (caption)
    caption->a = a;
  else
    caption = CreateAlpha(a);
}

}  // namespace

std::string getTimeString(int seconds) { return twoDigits(seconds / 60) + ":" + twoDigits(seconds % 60); }

TLevelSummary::TLevelSummary() = default;

void TLevelSummary::setup() {
  auto texts = loadTxtFile(bDir + "txt/#LANG#/levelSummary.txt");
  txtLevelScore = readTxtData(texts, 3);
  txtLevelTime = readTxtData(texts, 5);
  txtMistakes = readTxtData(texts, 4);
  txtAreYouSure = readTxtData(texts, 6);
  font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 24);
  font2 = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 36);
  panel = LoadImg2(bDir + "gfx/gui/levelSummary/panel.png", -1);
  gui = LoadGui(bDir + "gfx/gui/levelSummary/" + lang + "/summary.gui");
  panelIn = LoadImg2(bDir + "gfx/gui/levelSummary/in.png", -1);
  MidHandleImg(panel);
  aSpeed = 0.02f;
  auto picross = loadTxtFile(bDir + "txt/#LANG#/levelNamesMesalor.txt");
  auto fill = loadTxtFile(bDir + "txt/#LANG#/levelNamesTrelmo.txt");
  for (int i = 0; i < kLevelNameCount; ++i) {
    namesMesalor[i] = readTxtData(picross, i + 1);
    namesTrelmo[i] = readTxtData(fill, i + 1);
  }
}

int TLevelSummary::prepare() {
  alpha = 0;
  dAlpha = 1;
  fade = 0;
  dFade = 0;
  PlayerPutData(1);
  // The win is on disk before the summary's first frame, not at the next level's start.
  SaveAllProfiles();
  if (mainGame && mainGame->level) {
    levelTime = mainGame->level->time;
    levelScore = mainGame->level->score;
    mistakes = mainGame->level->mistakes;
  }
  numerLevelu = PlayerLevelNumber();
  statA = 0;
  dStatA = 0;
  if (PlayerTryb(mainGame && mainGame->level ? mainGame->level->tryb : kRulesetFill) == kRulesetFill) {
    setWidgetState(gui, "stats", 0, 0);
  } else {
    setWidgetState(gui, "stats", 1, 1);
  }
  setWidgetState(gui, "view", 0, 0);
  return 0;
}

void TLevelSummary::_updateGui() {
  if (!gui) return;
  gui->update();
  setWidgetAlpha(gui, "stats", 1 - statA);
  setWidgetAlpha(gui, "view", statA);
}

int TLevelSummary::_updateStats() {
  rampToward(statA, dStatA, kStatSpeed);
  return 0;
}

// The play screen's own appearance ramp keeps running underneath, stepped
// before the frame's system step.
void TLevelSummary::_updateBeforeSystem() {
  if (mainGame) mainGame->_updateAlpha();
}

void TLevelSummary::update() {
  _updateAlpha();
  _updateGui();
  _updateStats();
  _updateFade();
}

int TLevelSummary::SwitchStats() {
  dStatA = dStatA == 0 ? 1.0f : 0.0f;
  if (dStatA == 1) {
    setWidgetState(gui, "view", 1, 0);
    setWidgetState(gui, "stats", 1, 1);
  } else {
    setWidgetState(gui, "stats", 1, 0);
    setWidgetState(gui, "view", 1, 1);
  }
  return 0;
}

int TLevelSummary::goPlay() {
  dFade = 1;
  if (mainGame) mainGame->fade = mainGame->dFade = 1;
  wynik = kStateNextLevel;
  return 0;
}

int TLevelSummary::goReplay() {
  if (askYesNo(txtAreYouSure, shared_from_this()) == 1) {
    goPlay();
    wynik = kStateRestartLevel;
  }
  return 0;
}

std::string TLevelSummary::mainloop() {
  prepare();
  runScreenLoop(
      *this,
      [this] {
        if (!gui) return;
        if (gui->clickedItem("play")) goPlay();
        if (gui->clickedItem("replay")) goReplay();
        if (gui->clickedItem("stats") || gui->clickedItem("view")) SwitchStats();
      },
      [this] { return fade == 1 && dFade == 1; });
  return wynik;
}

std::string TLevelSummary::levelName() const {
  if (numerLevelu < 0 || numerLevelu >= kLevelNameCount) return "";
  const int mode = PlayerTryb(mainGame && mainGame->level ? mainGame->level->tryb : kRulesetFill);
  return mode == kRulesetPicross ? namesMesalor[numerLevelu] : namesTrelmo[numerLevelu];
}

int TLevelSummary::_drawBack() {
  if (mainGame) {
    mainGame->_drawBack();
    mainGame->_drawPanel();
  }
  return 0;
}

int TLevelSummary::_drawPanel() {
  ResetDrawState(static_cast<float>(Sin(90.0 * alpha)));
  DrawImg(panel, 512, 410);
  return 0;
}

int TLevelSummary::_drawLevel() {
  SetColor(255, 255, 255);
  if (mainGame) mainGame->_drawLevel();
  SetImageFont(font);
  SetAlpha(alpha);
  SetScale(1, 1);
  SetColor(255, 255, 255);
  SetRotation(0);
  if (PlayerStage() > 0) {
    const std::string name = levelName();
    if (!name.empty()) {
      const int half = TextWidth(name) / 2;
      SetColor(0, 0, 0);
      SetAlpha(0.5f * alpha);
      DrawText(name, static_cast<float>(514 - half), 542);
      SetColor(255, 255, 255);
      SetAlpha(alpha);
      DrawText(name, static_cast<float>(512 - half), 540);
    }
  }
  return 0;
}

int TLevelSummary::_drawMyText(const std::string& text, int x, int y, int light) {
  SetColor(0, 0, 0);
  DrawText(text, static_cast<float>(x + 2), static_cast<float>(y + 2));
  if (light)
    SetColor(255, 255, 255);
  else
    SetColor(255, 206, 34);
  DrawText(text, static_cast<float>(x), static_cast<float>(y));
  return 0;
}

int TLevelSummary::_drawStats() {
  if (statA == 0) return 0;
  SetColor(255, 255, 255);
  SetAlpha(statA * alpha);
  DrawImg(panelIn, 295, 150);
  SetImageFont(font2);
  _drawMyText(txtLevelScore, 530 - TextWidth(txtLevelScore), 220, 0);
  _drawMyText(txtMistakes, 530 - TextWidth(txtMistakes), 300, 0);
  _drawMyText(txtLevelTime, 530 - TextWidth(txtLevelTime), 380, 0);
  _drawMyText(std::to_string(levelScore), 560, 220, 1);
  _drawMyText(std::to_string(mistakes), 560, 300, 1);
  _drawMyText(getTimeString(levelTime), 560, 380, 1);
  return 0;
}

void TLevelSummary::draw() {
  _drawBack();
  _drawPanel();
  _drawLevel();
  _drawStats();
  _drawGUI();
  _drawFade();
}

}  // namespace sorvanta
