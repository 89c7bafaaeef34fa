#include "core/screen_loop.h"

#include "core/ekran.h"
#include "core/frame.h"
#include "platform/video.h"

namespace sorvanta {

void runScreenLoop(TEkran& screen, const std::function<void()>& act,
                   const std::function<bool()>& finished) {
  do {
    Cls();
    screen.update();
    screen.draw();
    myFlip(0);
    if (act) act();
  } while (!finished());
}

}  // namespace sorvanta
