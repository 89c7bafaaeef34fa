#include "map/map_screen.h"

namespace sorvanta {

std::shared_ptr<TMapScreen> mapScreen;

}  // namespace sorvanta
