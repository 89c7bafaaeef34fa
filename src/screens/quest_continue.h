#pragma once
// The continue dialog: a stand-in with nothing to show.
#include <memory>
#include <string>

#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TQuestContinue : public TEkran {};

extern std::shared_ptr<TQuestContinue> continueQuest;

}  // namespace sorvanta
