// The profiles screen.
#include "screens/profiles_screen.h"

#include "core/draw_state.h"
#include "core/globals.h"
#include "core/screen_loop.h"
#include "gui/gui.h"
#include "gui/mouse.h"
#include "gui/my_font.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/video.h"
#include "screens/options.h"

namespace sorvanta {

void TProfilesScreen::setup() {
  TProfileManager::setup();
  gui = LoadGui(bDir + "gfx/gui/profileManager/" + lang + "/profileManager.gui");
  panel = LoadImage(bDir + "gfx/gui/profileManager/panel.png", -1);
  font = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 20);
  fontTitle = myLoadImageFont(bDir + "gfx/fonts/font.ttf", 32);
}

void TProfilesScreen::prepare() {
  alpha = 0;
  dAlpha = 1;
}

int TProfilesScreen::mainLoop() {
  prepare();
  runScreenLoop(
      *this,
      [this] {
        if (!gui) return;
        if (gui->clickedItem("NEW")) goNew(nullptr);
        if (gui->clickedItem("OK")) goOk();
        if (gui->clickedItem("DELETE")) goDelete();
        if (gui->clickedItem("RENAME")) goRename();
      },
      // Without a layout nothing could close the screen.
      [this] { return !gui || (alpha == 0 && dAlpha == 0); });
  return 0;
}

void TProfilesScreen::update() {
  _updateButtons();
  _updateprofiles();
  _updateAlpha();
  _updateGui();
}

void TProfilesScreen::_updateButtons() {
  if (!gui) return;
  const int canDelete = profiles.size() >= 2, canAdd = profiles.size() < kMaxPlayers;
  if (auto button = gui->GetObject("delete")) button->setState(canDelete, canDelete);
  if (auto button = gui->GetObject("new")) button->setState(canAdd, canAdd);
}

TProfilesScreen::Row TProfilesScreen::rowOf(int i) {
  return {kHitLeft, kRowsTop + kRowStep * static_cast<float>(i), kHitWidth, kHitHeight};
}

void TProfilesScreen::_updateprofiles() {
  over = nullptr;
  if (!mouse) return;
  int i = 0;
  for (auto& player : profiles) {
    const Row row = rowOf(i++);
    if (mouse->inRect(row.x, row.y, row.w, row.h)) over = player;
  }
  if (over && mouse->leftPressed) profile = over;
}

void TProfilesScreen::draw() {
  _drawBack();
  _drawPanel();
  _drawProfiles();
  _drawGUI();
}

void TProfilesScreen::_drawBack() {
  if (options) options->draw();
}

void TProfilesScreen::_drawPanel() {
  ResetDrawState(alpha);
  if (panel) DrawImage(panel, 300, 200);
}

void TProfilesScreen::_drawProfiles() {
  ResetDrawState(alpha);
  SetBlend(ALPHABLEND);
  SetImageFont(fontTitle);
  const int tw = TextWidth(txtPlayers);
  SetColor(0, 0, 0);
  SetAlpha(0.6f * alpha);
  DrawText(txtPlayers, static_cast<float>(502 - tw / 2), 220);
  SetAlpha(alpha);
  SetColor(255, 206, 34);
  DrawText(txtPlayers, static_cast<float>(500 - tw / 2), 218);
  SetImageFont(font);
  int i = 0;
  for (auto& player : profiles) {
    const float x = kRowsX - static_cast<float>(TextWidth(player->name) / 2), y = rowOf(i++).y;
    SetBlend(ALPHABLEND);
    SetAlpha(alpha);
    SetColor(255, 255, 255);
    DrawText(player->name, x, y);
    if (player == profile) {
      SetColor(250, 100, 0);
      DrawText(player->name, x, y);
    }
    // The red glow adds to the row's colour, the current player's too.
    if (player == over) {
      SetBlend(LIGHTBLEND);
      SetAlpha(0.5f * alpha);
      SetColor(250, 0, 0);
      DrawText(player->name, x, y);
    }
  }
  ResetDrawState(alpha);
}

}  // namespace sorvanta
