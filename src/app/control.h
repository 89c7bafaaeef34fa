#pragma once
// The screen state machine: the current state names what runs next, and the
// result of each run becomes the next state, from "MAIN-MENU" to "END". What
// each state runs is the table of core/states.h, filled at start-up.
#include <memory>
#include <string>

namespace sorvanta {

class TControl {
 public:
  std::string where;  // the current state

  virtual ~TControl() = default;
  // Runs the screens until a state "END"; returns 0.
  virtual int mainLoop();
  // Runs the one operation of state and returns its result; a state outside
  // the table is reported and leads back to "MAIN-MENU".
  std::string runState(const std::string& state);
};

extern std::shared_ptr<TControl> control;

}  // namespace sorvanta
