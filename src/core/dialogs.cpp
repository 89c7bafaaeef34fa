#include "core/dialogs.h"

#include <algorithm>
#include <deque>
#include <utility>

#include "core/states.h"

namespace sorvanta {

namespace {

TDialogBindings& bound() {
  static TDialogBindings bindings;
  return bindings;
}

std::deque<std::string>& waiting() {
  static std::deque<std::string> texts;
  return texts;
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
  if (text.empty() || std::find(waiting().begin(), waiting().end(), text) != waiting().end()) return;
  waiting().push_back(text);
}

bool messageWaiting() { return !waiting().empty(); }

bool waitingMessageShowsNow(bool screenSettled) {
  if (!messageWaiting()) return false;
  return screenSettled || ++framesHeld() >= kNoticeHeldFrames;
}

std::string takeWaitingMessage() {
  framesHeld() = 0;
  if (waiting().empty()) return {};
  std::string text = std::move(waiting().front());
  waiting().pop_front();
  return text;
}

std::string runPauseMenu(std::shared_ptr<TEkran> screen) {
  if (!bound().options) return kOptionsClosed;
  return stateFromPauseMenu(bound().options(std::move(screen)));
}

}  // namespace sorvanta
