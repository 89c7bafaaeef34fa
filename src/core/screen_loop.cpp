// The screen loop and the input scope it holds.
#include "core/screen_loop.h"

#include "core/display.h"
#include "core/ekran.h"
#include "core/frame.h"
#include "platform/input.h"
#include "platform/video.h"

namespace sorvanta {

namespace {

// Drops the waiting keys and mouse presses, and forgets held buttons, when
// made and when gone.
class TScreenInput {
 public:
  TScreenInput() { forget(); }
  ~TScreenInput() { forget(); }
  TScreenInput(const TScreenInput&) = delete;
  TScreenInput& operator=(const TScreenInput&) = delete;

 private:
  static void forget() {
    FlushKeys();
    FlushMouse();
  }
};

}  // namespace

void updateScreen(TEkran& screen) {
  screen._updateBeforeSystem();
  _updateSystem();
  screen.update();
}

void runScreenLoop(TEkran& screen, const std::function<void()>& act,
                   const std::function<bool()>& finished, TLoopClear clear) {
  const TScreenInput input;
  do {
    if (clear == TLoopClear::kWithBars) {
      AspectCls();
    } else {
      Cls();
    }
    updateScreen(screen);
    screen.draw();
    // Settled: the fade is off and the ramps stand at their targets.
    myFlip(0, screen.fade <= 0 && screen.fade == screen.dFade && screen.alpha == screen.dAlpha);
    if (act) act();
  } while (!finished());
}

}  // namespace sorvanta
