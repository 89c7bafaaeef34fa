// Registered C++ functions, called from scripts through the one interpreter.
#include "platform/lua_register.h"

#include <exception>
#include <map>
#include <memory>
#include <utility>

#include "platform/lua_state.h"

namespace sorvanta {

namespace {

using Function = std::function<void(const std::vector<std::string>&)>;

std::map<std::string, Function>& Functions() {
  static auto* functions = new std::map<std::string, Function>;
  return *functions;
}

// Does the C++ part of a call from Lua; no C++ object may be alive when Lua
// raises an error (it unwinds with longjmp), so errors are returned as a flag.
bool CallFunction(lua_State* L, LuaState* state, const char* name) {
  try {
    auto it = Functions().find(name);
    if (it == Functions().end() || !it->second) return true;
    std::vector<std::string> args;
    const int n = lua_gettop(L);
    for (int i = 1; i <= n; ++i) {
      if (lua_isboolean(L, i)) {
        args.emplace_back(lua_toboolean(L, i) ? "true" : "false");
      } else if (lua_isstring(L, i)) {
        std::size_t len = 0;
        const char* text = lua_tolstring(L, i, &len);
        args.emplace_back(text, len);
      } else {
        args.emplace_back();
      }
    }
    auto fn = it->second;  // the callback may register functions itself
    fn(args);
    return true;
  } catch (...) {
    state->pending = std::current_exception();
    return false;
  }
}

int Registered(lua_State* L) {
  LuaState* state = LuaStateOf(L);
  const char* name = lua_tostring(L, lua_upvalueindex(1));
  if (!CallFunction(L, state, name)) {
    lua_pushstring(L, "game function failed");
    return lua_error(L);
  }
  return 0;
}

}  // namespace

void LuaRegister(const std::string& name, Function fn) {
  std::shared_ptr<LuaState> state = SharedLuaState();
  Functions()[name] = std::move(fn);
  lua_State* L = state->L;
  lua_pushlstring(L, name.data(), name.size());
  lua_pushcclosure(L, Registered, 1);
  lua_setglobal(L, name.c_str());
}

}  // namespace sorvanta
