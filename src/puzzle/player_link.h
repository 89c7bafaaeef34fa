#pragma once
// What the puzzle reads of the current player. The campaign sits above the
// puzzle, so it binds this at start-up instead of being included here.
#include <functional>
#include <string>

namespace sorvanta {

// The current player's game type; Fill paint strokes run only while it is
// "NORMAL". Unbound, it reads "NORMAL". An empty function unbinds.
void BindPlayerGameType(std::function<std::string()> source);
std::string PlayerGameType();

}  // namespace sorvanta
