#include "screens/credits.h"

namespace sorvanta {

std::shared_ptr<TCredits> credits;

}  // namespace sorvanta
