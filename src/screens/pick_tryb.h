#pragma once
// The mode picker: a stand-in with nothing to show.
#include <memory>
#include <string>

#include "core/ekran.h"
#include "core/states.h"

namespace sorvanta {

class TPickTryb : public TEkran {};

extern std::shared_ptr<TPickTryb> pickTryb;

}  // namespace sorvanta
