// The binding of the current player's game type.
#include "puzzle/player_link.h"

namespace sorvanta {

namespace {
std::function<std::string()>& Source() {
  static std::function<std::string()> source;
  return source;
}
}  // namespace

void BindPlayerGameType(std::function<std::string()> source) { Source() = std::move(source); }

std::string PlayerGameType() { return Source() ? Source()() : "NORMAL"; }

}  // namespace sorvanta
