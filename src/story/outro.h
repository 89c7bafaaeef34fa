#pragma once
// The outro: a stand-in that goes back to the menu.
#include <memory>
#include <string>

#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TOutro : public TEkran {
 public:
  virtual std::string mainloop() { return kStateMainMenu; }
  virtual void pause() {}
  virtual void unpause() {}
};

extern std::shared_ptr<TOutro> outro;

}  // namespace sorvanta
