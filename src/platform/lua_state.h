#pragma once
// The one Lua interpreter behind lua_bridge.h, for the platform's own files:
// its state, and where a C function called from a script finds it.
#include <lua.hpp>

#include <cstddef>
#include <exception>
#include <memory>

namespace sorvanta {

// The one Lua interpreter; classes and objects keep it alive while they exist.
class LuaState {
 public:
  LuaState();
  ~LuaState() { lua_close(L); }
  LuaState(const LuaState&) = delete;
  LuaState& operator=(const LuaState&) = delete;

  // Runs the function on top of the stack (popped) without arguments.
  // False after reporting a script error; a pending C++ exception is rethrown.
  bool Call(const char* what);

  // Before L: the allocator counts from the interpreter's first allocation.
  std::size_t memory = 0;      // bytes the interpreter holds
  bool limitMemory = false;    // set while a script runs
  lua_State* L;
  // An exception a C function caught to raise a Lua error instead; Call
  // rethrows it once the script has unwound.
  std::exception_ptr pending;
  long long steps = 0;
};

std::shared_ptr<LuaState> SharedLuaState();
// The state whose interpreter L is.
LuaState* LuaStateOf(lua_State* L);

}  // namespace sorvanta
