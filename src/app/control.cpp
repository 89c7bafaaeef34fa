#include "app/control.h"

#include "core/states.h"

namespace sorvanta {

std::shared_ptr<TControl> control;

std::string TControl::runState(const std::string& state) { return runRegisteredState(state); }

int TControl::mainLoop() {
  where = kStateMainMenu;
  while (where != kStateEnd) where = runState(where);
  return 0;
}

}  // namespace sorvanta
