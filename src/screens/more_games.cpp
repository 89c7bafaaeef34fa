#include "screens/more_games.h"

namespace sorvanta {

std::shared_ptr<TMoreGames> moreGames;

}  // namespace sorvanta
