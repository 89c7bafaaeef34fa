#include "screens/pick_tryb.h"

namespace sorvanta {

std::shared_ptr<TPickTryb> pickTryb;

}  // namespace sorvanta
