#include "core/dialogs.h"

#include <utility>

#include "core/states.h"

namespace sorvanta {

namespace {

TDialogBindings& bound() {
  static TDialogBindings bindings;
  return bindings;
}

}  // namespace

void bindDialogs(TDialogBindings bindings) { bound() = std::move(bindings); }

int askYesNo(const std::string& text, std::shared_ptr<TEkran> screen) {
  return bound().popUp ? bound().popUp(text, std::move(screen), 1) : 0;
}

std::string runPauseMenu(std::shared_ptr<TEkran> screen) {
  if (!bound().options) return kOptionsClosed;
  return stateFromPauseMenu(bound().options(std::move(screen)));
}

}  // namespace sorvanta
