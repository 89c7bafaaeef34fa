#pragma once
// The one loop of every screen (the play screen, the options, the pop-up,
// the loading screen's fade, the dialogs and the rest): every frame clears,
// runs the system step, updates and draws the screen and ends the frame; then
// act() answers this frame's input. The loop ends when finished() holds after
// a frame.
#include <functional>

namespace sorvanta {

class TEkran;

// How a frame is cleared: the whole window, or the design area and the
// letterbox bars apart (for screens that leave the bars black).
enum class TLoopClear { kWindow, kWithBars };

// Keys and mouse buttons belong to the screen they are pressed in: the key
// presses, typed characters and mouse presses still waiting are dropped, and
// buttons still held read as up until pressed again, as the loop starts, so
// one nobody read before (an Escape in a level, a click that skipped the
// story) never acts in this screen, and again as it ends (also by an
// exception), so what it left unread, or a press released only after it,
// never acts in the screen it returns to.
void runScreenLoop(TEkran& screen, const std::function<void()>& act,
                   const std::function<bool()>& finished, TLoopClear clear = TLoopClear::kWindow);

// One update of a screen as its loop gives it: screen._updateBeforeSystem(),
// the frame's system step (_updateSystem: timer and delta, mouse, quit keys,
// full screen, sound), then screen.update(). The loop owns the step, so no screen can leave it
// out, and a dialog's loop nested in a screen's update steps only its own
// frames. A screen's update() itself never runs the step.
void updateScreen(TEkran& screen);

}  // namespace sorvanta
