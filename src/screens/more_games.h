#pragma once
// The more-games screen: a stand-in that goes straight back to the menu.
#include <memory>
#include <string>

#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TMoreGames {
 public:
  virtual ~TMoreGames() = default;
  virtual std::string mainLoop() { return kStateMainMenu; }
};

extern std::shared_ptr<TMoreGames> moreGames;

}  // namespace sorvanta
