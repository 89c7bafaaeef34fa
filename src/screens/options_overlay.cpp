// The options overlay: the modal panel of TOptions drawn over the screen that
// opened it (the main menu, or the play screen as its pause menu).
#include <vector>

#include "campaign/profile_manager.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "core/states.h"
#include "formats/txt_file.h"
#include "gui/gui.h"
#include "gui/gui_object.h"
#include "gui/properties.h"
#include "gui/mouse.h"
#include "gui/my_font.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/system.h"
#include "puzzle/board/ruleset.h"
#include "screens/credits.h"
#include "screens/main_menu.h"
#include "screens/options.h"
#include "screens/pop_up.h"
#include "sound/global_snd.h"

namespace sorvanta {

namespace {

// The bars' rows, before the panel offset vx (their left end and width are
// TOptions').
constexpr float kBarLeft = TOptions::kBarLeft;
constexpr float kBarWidth = TOptions::kBarWidth;
constexpr float kMusicTop = 171;
constexpr float kSoundTop = 240;
constexpr float kBarHeight = 50;

}  // namespace

void TOptions::setup() {
  auto texts = loadTxtFile(bDir + "txt/#LANG#/settings.txt");
  txtSoundVolume = readTxtData(texts, 1);
  txtMusicVolume = readTxtData(texts, 2);
  txtFullScreen = readTxtData(texts, 3);
  txt100 = readTxtData(texts, 8);
  txtWideScreen = readTxtData(texts, 9);
  txtCustomCursor = readTxtData(texts, 10);
  txtSettings = readTxtData(texts, 14);
  txtAreYouSure = readTxtData(texts, 15);
  gui = LoadGui(bDir + "gfx/gui/options/" + lang + "/options.gui");
  kosc = LoadImage(bDir + "gfx/gui/options/suwak.png", -1);
  MidHandleImage(kosc);
  bar = LoadImage(bDir + "gfx/gui/options/bar.png", -1);
  bar2 = LoadImage(bDir + "gfx/gui/options/bar2.png", -1);
  pasek = LoadImage(bDir + "gfx/gui/options/pasek.png", -1);
  panel = LoadImage(bDir + "gfx/gui/options/panel.png", -1);
  tytul = LoadImage(bDir + "gfx/gui/options/title.png", -1);
  MidHandleImage(tytul);
  font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 20);
  fontTitle = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 28);
}

void TOptions::showWidget(const std::string& name, bool on) {
  if (!gui) return;
  if (auto object = gui->GetObject(name)) object->setState(on ? 1 : 0, on ? 1 : 0);
}

void TOptions::prepare(std::shared_ptr<TEkran> screen) {
  auto profile = profileManager ? profileManager->profile : nullptr;
  if (profile) profile->Save();
  ekran = std::move(screen);
  dAlpha = 1.0f;
  alpha = 0;
  dFade = 0.5f;
  fade = 0;
  wynik = kOptionsClosed;
  bool fromMenu = ekran && mainMenu && ekran.get() == mainMenu.get();
  showWidget("RESTART", !fromMenu);
  showWidget("MAINMENU", !fromMenu);
  showWidget("CREDITS", fromMenu);
  showWidget("PROFILE", fromMenu);
  if (fromMenu) {
    showWidget("BACKTOMAP", false);
  } else {
    // The way back to the map is closed on the tutorial stage (and without a player).
    bool tutorialStage = !profile || (IsRuleset(profile->tryb) && profile->position().stage == 0);
    showWidget("BACKTOMAP", !tutorialStage);
  }
  showWidget("ONW", false);
  showWidget("OFFW", false);
  _stackButtons();
}

void TOptions::_stackButtons() {
  if (!gui) return;
  // The shown buttons of the column one under another, OK last, centred in
  // the column's room: a hidden one leaves no hole.
  std::vector<std::shared_ptr<TGuiObject>> shown;
  for (const char* name : {"PROFILE", "RESTART", "CREDITS", "MAINMENU", "BACKTOMAP", "OK"}) {
    auto object = gui->GetObject(name);
    if (object && object->visible && object->standardProps && object->standardProps->dim) shown.push_back(object);
  }
  float y = columnTop(static_cast<int>(shown.size()));
  for (auto& object : shown) {
    object->standardProps->dim->y = y;
    object->InitObject();
    y += kColumnStep;
  }
}

std::string TOptions::mainLoop(std::shared_ptr<TEkran> screen) {
  prepare(std::move(screen));
  runScreenLoop(
      *this, [this] { if (alpha == 1.0f) examineClicks(); },
      [this] { return dAlpha == 0 && alpha == 0; });
  saveOptions();
  if (mouse) mouse->clear();
  FlushMouse();
  return wynik;
}

void TOptions::examineClicks() {
  auto clicked = [this](const char* name) { return gui && gui->clickedItem(name); };
  if (KeyHit(KEY_ESCAPE) || clicked("ok")) {
    dAlpha = 0;
    dFade = 0;
  } else if (clicked("on") || clicked("off")) {
    switchScreen();
  } else if (clicked("onW") || clicked("offW")) {
    wideScreen = wideScreen == 0 ? 1 : 0;
    if (fullScreen != 0) openScreen();
  } else if (clicked("onC") || clicked("offC")) {
    customCursor = customCursor == 0 ? 1 : 0;
    setupMouse();
  } else if (clicked("plus1")) {
    musicVol += 0.05f;
    checkSoundStuff();
  } else if (clicked("plus2")) {
    soundVol += 0.05f;
    checkSoundStuff();
  } else if (clicked("minus1")) {
    musicVol -= 0.05f;
    checkSoundStuff();
  } else if (clicked("minus2")) {
    soundVol -= 0.05f;
    checkSoundStuff();
  } else if (clicked("credits")) {
    goCREDITS();
  } else if (clicked("restart")) {
    goRESTART();
  } else if (clicked("MAINMENU")) {
    goMAINMENU();
  } else if (clicked("backToMap")) {
    goBackToMap();
  } else if (clicked("profile")) {
    goProfile();
  } else if (clicked("rules")) {
    goRULES();
  }
}

void TOptions::goProfile() {
  if (profileManager) profileManager->mainLoop();
}

void TOptions::goCREDITS() {
  if (credits) credits->mainLoop(options);
}

void TOptions::goBackToMap() {
  Print("CLICKED BACK TO MAP");
  wynik = kStateMapScreen;
  dAlpha = 0;
}

void TOptions::goRESTART() {
  if (yesOrNo(txtAreYouSure, options) == 1) {
    wynik = kOptionsRestart;
    dAlpha = 0;
    dFade = 0;
  }
}

void TOptions::goMAINMENU() {
  wynik = kStateMainMenu;
  dAlpha = 0;
  dFade = 0;
}

void TOptions::update() {
  _updateAlpha();
  _updateFade();
  _updateGUIOperations();
  _updateGui();
  _updateSpecGuiAlpha();
  _updateZarowka();
}

// The end zones beyond a bar's ends, within its row; they count only while a
// drag of that bar is under way.
namespace {

// The mouse beyond one end of a bar (left when beforeBar), strictly inside
// its row.
bool inEndZone(int holded, int vx, float rowTop, bool beforeBar) {
  if (!mouse || holded != 1) return false;
  bool beyond = beforeBar ? mouse->x < vx + kBarLeft : mouse->x > vx + kBarLeft + kBarWidth;
  return beyond && mouse->y > rowTop && mouse->y < rowTop + kBarHeight;
}

}  // namespace

int TOptions::mouseInMusicA() { return inEndZone(holdedMusic, vx, kMusicTop, true); }
int TOptions::mouseInMusicB() { return inEndZone(holdedMusic, vx, kMusicTop, false); }
int TOptions::mouseInSoundA() { return inEndZone(holdedSound, vx, kSoundTop, true); }
int TOptions::mouseInSoundB() { return inEndZone(holdedSound, vx, kSoundTop, false); }

void TOptions::_updateGUIOperations() {
  if (fullScreen == 1) {
    showWidget("on", true);
    showWidget("off", false);
  } else if (fullScreen == 0) {
    showWidget("off", true);
    showWidget("on", false);
  }
  if (customCursor == 1) {
    showWidget("onC", true);
    showWidget("offC", false);
  } else if (customCursor == 0) {
    showWidget("offC", true);
    showWidget("onC", false);
  }
  if (!mouse) return;
  const float left = vx + kBarLeft;
  if (mouse->leftHolded) {
    bool inA = mouseInMusicA(), inB = mouseInMusicB();
    if (mouse->inRect(left, kMusicTop, kBarWidth, kBarHeight) || inA || inB) {
      float p = inA ? left : inB ? left + kBarWidth : mouse->x;
      musicVol = (p - left) / kBarWidth;
      if (globalSnd) globalSnd->setMusicVol(musicVol);
      holdedMusic = 1;
    }
    inA = mouseInSoundA();
    inB = mouseInSoundB();
    if (mouse->inRect(left, kSoundTop, kBarWidth, kBarHeight) || inA || inB) {
      float p = inA ? left : inB ? left + kBarWidth : mouse->x;
      soundVol = (p - left) / kBarWidth;
      if (globalSnd) globalSnd->setSoundVol(soundVol);
      holdedSound = 1;
    }
  } else {
    holdedMusic = 0;
    holdedSound = 0;
  }
}

void TOptions::_updateZarowka() { rampToward(zarAlpha, dZarAlpha, 0.05f); }

}  // namespace sorvanta
