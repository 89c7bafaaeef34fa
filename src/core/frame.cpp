#include "core/frame.h"

#include <vector>

#include "core/delta_time.h"
#include "core/design_size.h"
#include "core/dialogs.h"
#include "core/display.h"
#include "core/draw_state.h"
#include "core/ekran.h"
#include "core/frame_bindings.h"
#include "core/globals.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/timings.h"
#include "platform/video.h"

namespace sorvanta {

namespace {

constexpr int kKeyF = 70;
constexpr int kKeyQ = 81;

// The design area as it stands (its real pixels, wherever the letterbox put
// it), to be drawn back stretched over the same area; none without a mode.
std::shared_ptr<TImage> grabDesignArea() {
  auto pixmap = GrabPixmap(0, 0, kDesignWidth, kDesignHeight);
  return pixmap ? LoadImage(pixmap, -1) : nullptr;
}

// A frame that stands still behind a message.
class TFrozenFrame : public TEkran {
 public:
  explicit TFrozenFrame(std::shared_ptr<TImage> image) : image_(std::move(image)) {}
  void draw() override {
    ResetDrawState();
    if (image_) DrawImage(image_, 0, 0);
  }

 private:
  std::shared_ptr<TImage> image_;
};

}  // namespace

void checkQuitRequest() {
  // The second key's hit is read only as a chord with its modifier, so a
  // lone F4 or Q stays queued for the screen that reads it.
  if (AppTerminate() || KeyHitWith(KEY_LALT, KEY_F4) != 0) quitGame();
  if (KeyHitWith(KEY_COMMAND, kKeyQ) != 0) quitGame();
}

void _updateSystem() {
  const TFrameBindings& bound = frameBindings();
  deltaUpdate();
  if (bound.updateInput) bound.updateInput();
  checkQuitRequest();
  // Super+F as on the Mac, F11 as Linux desktops have it; both read, so a
  // hit of either is used up this frame.
  const int superF = KeyHitWith(KEY_COMMAND, kKeyF);
  if (superF + KeyHit(KEY_F11) != 0) {
    settings().switchScreen();
    settings().save();
  }
  if (bound.updateSound) bound.updateSound();
}

void myFlip(int n, bool screenSettled) {
  // A waiting message goes over this frame as drawn, cursor left out.
  const bool tell = n == 0 && waitingMessageShowsNow(screenSettled);
  std::shared_ptr<TImage> frame = tell ? grabDesignArea() : nullptr;
  _drawMouse();
  if (n == 0 && AppSuspended()) pauseGame();
  Flip(-1);
  ReportPresentedFrames();
  AspectCls();
  if (!tell) return;
  // Each message in a pop-up of its own, one after the other over the same
  // frame; taken first, so that none opens over the pop-up of another.
  std::vector<std::string> messages;
  while (messageWaiting()) messages.push_back(takeWaitingMessage());
  const auto frozen = std::make_shared<TFrozenFrame>(std::move(frame));
  for (const std::string& text : messages) tellPlayer(text, frozen);
}

void pauseGame() {
  if (frameBindings().pause) frameBindings().pause();

  std::shared_ptr<TImage> frozen = grabDesignArea();

  int frames = 0;
  do {
    ++frames;
    Cls();
    ResetDrawState();
    if (frozen) DrawImage(frozen, 0, 0);
    SetColor(0, 0, 0);
    SetAlpha(0.6f);
    DrawRect(0, 0, kDesignWidth, kDesignHeight);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetImageFont(pauseFont);
    int w = TextWidth(txtPause);
    int h = TextHeight(txtPause);
    DrawText(txtPause, kDesignWidth / 2 - w / 2, kDesignHeight / 2 - h / 2);
    Flip(-1);
    AspectCls();
    // A window close or SIGTERM must not wait for the focus to come back
    // (a logout would kill the game unsaved): end as the frame step does.
    if (AppTerminate()) quitGame();
    // Nothing moves while paused: no need to redraw at full speed.
    Delay(50);
  } while (AppSuspended());
  // A click that brings the window back once the pause has shown only ends
  // it: it must not act on the board or button the darkened frame hid. One
  // that came with the first pause frame, before anyone could see it, was
  // meant for the game.
  if (frames > 1) FlushMouse();

  if (frameBindings().resume) frameBindings().resume();
}

int Millisecs2() { return MilliSecs(); }

void _drawMouse() {
  if (frameBindings().drawCursor) frameBindings().drawCursor();
}

void SetIcon() {}

}  // namespace sorvanta
