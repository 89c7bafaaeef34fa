#include "core/dialogs.h"

#include <utility>

#include "core/states.h"

namespace sorvanta {

namespace {

TDialogBindings& bound() {
  static TDialogBindings bindings;
  return bindings;
}

std::string& waiting() {
  static std::string text;
  return text;
}

int& framesHeld() {
  static int frames = 0;
  return frames;
}

}  // namespace

void bindDialogs(TDialogBindings bindings) { bound() = std::move(bindings); }

int askYesNo(const std::string& text, std::shared_ptr<TEkran> screen) {
  return bound().popUp ? bound().popUp(text, std::move(screen), 1) : 0;
}

void tellPlayer(const std::string& text, std::shared_ptr<TEkran> screen) {
  if (bound().popUp) bound().popUp(text, std::move(screen), 0);
}

void tellPlayerAtFrameEnd(const std::string& text) {
  if (waiting().empty()) waiting() = text;
}

bool messageWaiting() { return !waiting().empty(); }

bool waitingMessageShowsNow(bool screenSettled) {
  if (!messageWaiting()) return false;
  return screenSettled || ++framesHeld() >= kNoticeHeldFrames;
}

std::string takeWaitingMessage() {
  framesHeld() = 0;
  return std::exchange(waiting(), std::string());
}

std::string runPauseMenu(std::shared_ptr<TEkran> screen) {
  if (!bound().options) return kOptionsClosed;
  return stateFromPauseMenu(bound().options(std::move(screen)));
}

}  // namespace sorvanta
