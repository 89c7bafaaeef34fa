#pragma once
// C++ functions for the scripts to call, which tests register: the game
// registers none.
#include <functional>
#include <string>
#include <vector>

namespace sorvanta {

// Makes a global Lua function name that calls fn with its arguments as text
// (nil as "", booleans as "true"/"false"). Registering a name again replaces
// it. An exception fn throws passes through the script to whoever ran it.
void LuaRegister(const std::string& name, std::function<void(const std::vector<std::string>& args)> fn);

}  // namespace sorvanta
