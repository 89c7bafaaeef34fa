#include "story/outro.h"

namespace sorvanta {

std::shared_ptr<TOutro> outro;

}  // namespace sorvanta
