#include "core/frame.h"

#include "campaign/placeholders.h"
#include "core/app.h"
#include "core/delta_time.h"
#include "core/display.h"
#include "core/globals.h"
#include "gui/mouse.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/video.h"
#include "screens/options.h"
#include "sound/global_snd.h"

namespace sorvanta {

namespace {

constexpr int kKeyF = 70;
constexpr int kKeyQ = 81;

}  // namespace

void _updateSystem() {
  deltaUpdate();
  if (mouse) mouse->update();
  // The second key's hit is read only as a chord with its modifier, so a
  // lone F4, Q or F stays queued for the screen that reads it.
  if (AppTerminate() || KeyHitWith(KEY_LALT, KEY_F4) != 0) ende();
  if (KeyHitWith(KEY_COMMAND, kKeyQ) != 0) ende();
  if (options && KeyHitWith(KEY_COMMAND, kKeyF) != 0) {
    options->switchScreen();
    options->saveOptions();
  }
  if (globalSnd) globalSnd->update();
}

void myFlip(int n) {
  if (mouse) mouse->draw();
  if (n == 0 && AppSuspended()) pauseGame();
  Flip(-1);
  AspectCls();
}

void pauseGame() {
  if (intro) intro->pause();
  if (outro) outro->pause();
  if (globalSnd) globalSnd->pauseSounds();

  // The design area as it stands (its real pixels, wherever the letterbox
  // put it), drawn back stretched over the same area.
  std::shared_ptr<TImage> frozen;
  if (auto pixmap = GrabPixmap(0, 0, 1024, 768)) frozen = LoadImage(pixmap, -1);

  do {
    Cls();
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetAlpha(1);
    SetBlend(ALPHABLEND);
    SetRotation(0);
    if (frozen) DrawImage(frozen, 0, 0);
    SetColor(0, 0, 0);
    SetAlpha(0.6f);
    DrawRect(0, 0, 1024, 768);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetImageFont(pauseFont);
    int w = TextWidth(txtPause);
    int h = TextHeight(txtPause);
    DrawText(txtPause, 512 - w / 2, 384 - h / 2);
    Flip(-1);
    AspectCls();
    // A window close or SIGTERM must not wait for the focus to come back
    // (a logout would kill the game unsaved): end as the frame step does.
    if (AppTerminate()) ende();
    // Nothing moves while paused: no need to redraw at full speed.
    Delay(50);
  } while (AppSuspended());

  if (intro) intro->unpause();
  if (outro) outro->unpause();
  if (globalSnd) globalSnd->resumeSounds();
}

int Millisecs2() { return MilliSecs(); }

void _drawMouse() {
  if (mouse) mouse->draw();
}

void SetIcon() {}

}  // namespace sorvanta
