#pragma once
// The shell's modal dialogs as any screen reaches them: the pop-up's question
// and the options overlay as a pause menu. The dialogs are screens a layer
// above puzzle play, so the start-up binds them here.
#include <functional>
#include <memory>
#include <string>

namespace sorvanta {

class TEkran;

struct TDialogBindings {
  // The pop-up over screen: 1 for yes, 0 for no; showNo 0 hides "no".
  std::function<int(const std::string& text, std::shared_ptr<TEkran> screen, int showNo)> popUp;
  // The options overlay over screen; its result as the overlay gives it.
  std::function<std::string(std::shared_ptr<TEkran> screen)> options;
};

void bindDialogs(TDialogBindings bindings);

// 1 for yes, 0 for no (also when no dialog is bound).
int askYesNo(const std::string& text, std::shared_ptr<TEkran> screen);
void tellPlayer(const std::string& text, std::shared_ptr<TEkran> screen);
// A message shown at the end of the next frame, over that frame (myFlip):
// for code that runs where no dialog can, such as a screen's preparation.
// Messages wait in the order told, each for a pop-up of its own; one
// already waiting is not queued again.
void tellPlayerAtFrameEnd(const std::string& text);
// Whether a message waits; takeWaitingMessage hands over the first and
// forgets it.
bool messageWaiting();
// Whether the waiting message goes over this frame: only over a screen that
// has settled (no fade or ramp under way), so it never freezes a half-faded
// or black frame; but one held for kNoticeHeldFrames frames goes over any,
// so a screen that never settles cannot keep it from the player.
constexpr int kNoticeHeldFrames = 180;
bool waitingMessageShowsNow(bool screenSettled);
std::string takeWaitingMessage();
// The options overlay over screen as its pause menu; the state it leads to
// (stateFromPauseMenu), "" when play goes on.
std::string runPauseMenu(std::shared_ptr<TEkran> screen);

}  // namespace sorvanta
