#pragma once
// The stage screen: a stand-in that goes back to the map.
#include <memory>
#include <string>

#include "campaign/stage.h"
#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TStageScreen : public TEkran {
 public:
  int noPrepare = 0;  // set by the campaign when play hands over straight to this screen
  virtual std::string mainloop(std::shared_ptr<TStage>) { return kStateMapScreen; }
};

extern std::shared_ptr<TStageScreen> stageScreen;

}  // namespace sorvanta
