#pragma once
// The map screen: a stand-in that goes back to the menu.
#include <memory>
#include <string>

#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TMapScreen : public TEkran {
 public:
  virtual std::string mainloop() { return kStateMainMenu; }
};

extern std::shared_ptr<TMapScreen> mapScreen;

}  // namespace sorvanta
