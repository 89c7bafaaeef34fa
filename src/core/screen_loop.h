#pragma once
// The one loop of a modal screen (the options, the pop-up, the loading
// screen's fade, the dialogs): every frame clears, updates and draws the
// screen and ends the frame; then act() answers this frame's input. The loop
// ends when finished() holds after a frame.
#include <functional>

namespace sorvanta {

class TEkran;

// Keys belong to the screen they are pressed in. Held for the life of a
// screen's loop: the key presses and typed characters still waiting are
// dropped as the screen opens, so one nobody read before (an Escape in a
// level) never acts in it, and again as it closes, so what it left unread
// never acts in the screen it returns to. runScreenLoop holds one; a screen
// that writes its loop out holds one around it.
class TScreenKeys {
 public:
  TScreenKeys();
  ~TScreenKeys();
  TScreenKeys(const TScreenKeys&) = delete;
  TScreenKeys& operator=(const TScreenKeys&) = delete;
};

// How a frame is cleared: the whole window, or the design area and the
// letterbox bars apart (for screens that leave the bars black).
enum class TLoopClear { kWindow, kWithBars };

void runScreenLoop(TEkran& screen, const std::function<void()>& act,
                   const std::function<bool()>& finished, TLoopClear clear = TLoopClear::kWindow);

}  // namespace sorvanta
