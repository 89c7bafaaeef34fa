#include "map/stage_screen.h"

namespace sorvanta {

std::shared_ptr<TStageScreen> stageScreen;

}  // namespace sorvanta
