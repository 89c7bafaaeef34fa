#pragma once
// The one loop of a modal screen (the options, the pop-up, the loading
// screen's fade, the dialogs): every frame clears, updates and draws the
// screen and ends the frame; then act() answers this frame's input. The loop
// ends when finished() holds after a frame.
#include <functional>

namespace sorvanta {

class TEkran;

void runScreenLoop(TEkran& screen, const std::function<void()>& act,
                   const std::function<bool()>& finished);

}  // namespace sorvanta
