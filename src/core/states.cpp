#include "core/states.h"

#include <utility>

#include "platform/system.h"

namespace sorvanta {

namespace {

StateTable& table() {
  static StateTable operations;
  return operations;
}

}  // namespace

std::string stateFromPauseMenu(const std::string& result) {
  if (result == kOptionsRestart) return kStateRestartLevel;
  if (result == kStateMainMenu || result == kStateMapScreen) return result;
  return kOptionsClosed;
}

void registerState(const std::string& state, StateOperation run) {
  table()[state] = std::move(run);
}

StateTable& registeredStatesForTests() { return table(); }

std::string runRegisteredState(const std::string& state) {
  auto it = table().find(state);
  if (it == table().end() || !it->second) {
    Print("Unknown state \"" + state + "\": back to MAIN-MENU");
    return kStateMainMenu;
  }
  // A copy: the operation may register states itself.
  StateOperation run = it->second;
  return run();
}

}  // namespace sorvanta
