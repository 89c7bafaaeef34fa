#pragma once
// The map screen: a stand-in that goes back to the menu.
#include <memory>
#include <string>

#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TMapScreen : public TEkran {
 public:
  int noPrepare = 0;  // set by the stage screen's hand-back: the next entry shows at once
  virtual std::string mainloop() { return kStateMainMenu; }
  // Rebuilds the stages shown, also while the stage screen runs over the map.
  virtual void _prepareStages() {}
};

extern std::shared_ptr<TMapScreen> mapScreen;

}  // namespace sorvanta
