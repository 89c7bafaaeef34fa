#pragma once
// The credits roll: a stand-in that closes at once.
#include <memory>
#include <string>

#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TCredits : public TEkran {
 public:
  virtual int mainLoop(std::shared_ptr<TEkran>) { return 0; }
};

extern std::shared_ptr<TCredits> credits;

}  // namespace sorvanta
