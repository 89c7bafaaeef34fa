#pragma once
// What the frame cycle calls in the layers above it. The start-up binds these
// (app/bindings.cpp); unbound, a step does nothing and a quit ends the
// process at once.
#include <functional>

namespace sorvanta {

struct TFrameBindings {
  std::function<void(int status)> quit;  // ends the game, saving first (ende)
  std::function<void()> updateInput;     // reads this frame's mouse
  std::function<void()> drawCursor;      // draws the cursor before the frame is shown
  std::function<void()> updateSound;     // the sound registry's frame step
  std::function<void()> pause;           // the pause screen opens: stop what runs on time
  std::function<void()> resume;          // and closes again
};

void bindFrame(TFrameBindings bindings);
const TFrameBindings& frameBindings();

// Ends the game the one way it ends: through the bound quit.
[[noreturn]] void quitGame(int status = 0);

}  // namespace sorvanta
