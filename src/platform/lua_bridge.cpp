#include "platform/lua_bridge.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/lua_state.h"
#include "platform/system.h"

namespace sorvanta {

namespace {

// A script that runs this many instructions in one call is stopped, so a
// loop that never ends cannot hang the game.
constexpr long long kStepLimit = 50'000'000;
constexpr int kHookEvery = 10'000;
// What a running script may make the interpreter hold; more fails inside the
// script as a memory error instead of exhausting the machine.
constexpr std::size_t kMemoryLimit = 64u << 20;

void* Allocate(void* ud, void* block, std::size_t oldSize, std::size_t newSize) {
  auto* state = static_cast<LuaState*>(ud);
  if (newSize == 0) {
    std::free(block);
    state->memory -= oldSize;
    return nullptr;
  }
  const std::size_t room = kMemoryLimit - std::min(state->memory, kMemoryLimit);
  if (state->limitMemory && newSize > oldSize && newSize - oldSize > room) return nullptr;
  void* grown = std::realloc(block, newSize);
  if (grown) state->memory = state->memory - oldSize + newSize;
  return grown;
}

int Panic(lua_State* L) {
  const char* message = lua_tostring(L, -1);
  std::fprintf(stderr, "Lua error outside a script: %s\n", message ? message : "unknown");
  return 0;
}

void Report(const std::string& message) {
  std::string line = message;
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  Print("Lua error: " + line);
}

void CountHook(lua_State* L, lua_Debug*) {
  LuaState* state = LuaStateOf(L);
  if (state->steps <= kStepLimit) state->steps += kHookEvery;
  if (state->steps > kStepLimit) {
    // From now on every instruction fails, so a script that catches the
    // error (pcall) cannot run on.
    lua_sethook(L, CountHook, LUA_MASKCOUNT, 1);
    luaL_error(L, "script ran too long");
  }
}

void OpenLibrary(lua_State* L, lua_CFunction open, const char* name) {
  lua_pushcfunction(L, open);
  lua_pushstring(L, name);
  lua_call(L, 1, 0);
}

// string.find without patterns: Lua's pattern matcher can run for ever inside
// one C call, where the instruction limit never looks. Knuth-Morris-Pratt
// keeps the search linear. Arguments and results as string.find's in Lua
// 5.1, the fourth argument (plain) implied.
int PlainFind(lua_State* L) {
  std::size_t length = 0, wantedLength = 0;
  const char* text = luaL_checklstring(L, 1, &length);
  const char* wanted = luaL_checklstring(L, 2, &wantedLength);
  lua_Integer init = luaL_optinteger(L, 3, 1);
  if (init < 0) init += static_cast<lua_Integer>(length) + 1;
  const std::size_t start =
      init <= 1 ? 0 : std::min(static_cast<std::size_t>(init - 1), length);
  if (wantedLength == 0) {
    lua_pushinteger(L, static_cast<lua_Integer>(start) + 1);
    lua_pushinteger(L, static_cast<lua_Integer>(start));
    return 2;
  }
  // Lua owns the table, so a memory error unwinds without a leak.
  auto* border = static_cast<std::size_t*>(lua_newuserdata(L, wantedLength * sizeof(std::size_t)));
  border[0] = 0;
  for (std::size_t i = 1, k = 0; i < wantedLength; ++i) {
    while (k > 0 && wanted[i] != wanted[k]) k = border[k - 1];
    if (wanted[i] == wanted[k]) ++k;
    border[i] = k;
  }
  for (std::size_t i = start, k = 0; i < length; ++i) {
    while (k > 0 && text[i] != wanted[k]) k = border[k - 1];
    if (text[i] == wanted[k]) ++k;
    if (k == wantedLength) {
      lua_pushinteger(L, static_cast<lua_Integer>(i + 2 - wantedLength));
      lua_pushinteger(L, static_cast<lua_Integer>(i + 1));
      return 2;
    }
  }
  lua_pushnil(L);
  return 1;
}

// string.rep that refuses a result larger than a script may hold; the
// original loops once per copy, for ever when the string is empty. The count
// is judged as the number it is: Lua's integer is 32 bits on 32-bit systems,
// where a huge count would wrap (rounded, not cut, there) before the check.
int BoundedRep(lua_State* L) {
  std::size_t length = 0;
  const char* text = luaL_checklstring(L, 1, &length);
  const lua_Number count = luaL_checknumber(L, 2);
  if (length == 0 || !(count >= 1)) {  // NaN too
    lua_pushliteral(L, "");
    return 1;
  }
  if (count > static_cast<lua_Number>(kMemoryLimit / length)) return luaL_error(L, "string.rep result too large");
  auto times = static_cast<std::size_t>(count);  // a fraction cut off, as on 64-bit systems
  luaL_Buffer buffer;
  luaL_buffinit(L, &buffer);
  while (times-- > 0) luaL_addlstring(&buffer, text, length);
  luaL_pushresult(&buffer);
  return 1;
}

void RemoveGlobal(lua_State* L, const char* name) {
  lua_pushnil(L);
  lua_setglobal(L, name);
}

}  // namespace

std::shared_ptr<LuaState> SharedLuaState() {
  static std::shared_ptr<LuaState> state = std::make_shared<LuaState>();
  return state;
}

LuaState* LuaStateOf(lua_State* L) {
  lua_getfield(L, LUA_REGISTRYINDEX, "sorvanta.state");
  auto* state = static_cast<LuaState*>(lua_touserdata(L, -1));
  lua_pop(L, 1);
  return state;
}

LuaState::LuaState() : L(lua_newstate(Allocate, this)) {
  lua_atpanic(L, Panic);
  OpenLibrary(L, luaopen_base, "");
  OpenLibrary(L, luaopen_string, LUA_STRLIBNAME);
  OpenLibrary(L, luaopen_table, LUA_TABLIBNAME);
  OpenLibrary(L, luaopen_math, LUA_MATHLIBNAME);
  // No file access, and no loading of precompiled code, which can crash the interpreter.
  for (const char* name : {"dofile", "loadfile", "load", "loadstring"}) RemoveGlobal(L, name);
  // No patterns either: a pattern can hang the game inside one C call.
  lua_getglobal(L, LUA_STRLIBNAME);
  for (const char* name : {"dump", "match", "gmatch", "gsub"}) {
    lua_pushnil(L);
    lua_setfield(L, -2, name);
  }
  lua_pushcfunction(L, PlainFind);
  lua_setfield(L, -2, "find");
  lua_pushcfunction(L, BoundedRep);
  lua_setfield(L, -2, "rep");
  lua_pop(L, 1);
  lua_pushlightuserdata(L, this);
  lua_setfield(L, LUA_REGISTRYINDEX, "sorvanta.state");
}

bool LuaState::Call(const char* what) {
  // A game function may run another script; the outer call's count resumes after it.
  const long long outer_steps = steps;
  const bool nested = lua_gethook(L) != nullptr;
  steps = 0;
  pending = nullptr;
  limitMemory = true;
  lua_sethook(L, CountHook, LUA_MASKCOUNT, kHookEvery);
  const int status = lua_pcall(L, 0, 0, 0);
  if (nested) {
    steps = outer_steps;
    lua_sethook(L, CountHook, LUA_MASKCOUNT, kHookEvery);
  } else {
    lua_sethook(L, nullptr, 0, 0);
    limitMemory = false;
  }
  if (pending) {
    if (status != 0) lua_pop(L, 1);
    std::exception_ptr e = std::move(pending);
    pending = nullptr;
    std::rethrow_exception(e);
  }
  if (status == 0) return true;
  const char* message = lua_tostring(L, -1);
  Report(std::string(what) + ": " + (message ? message : "unknown error"));
  lua_pop(L, 1);
  return false;
}

std::shared_ptr<TLuaClass> TLuaClass::Create(const std::string& source) {
  if (source.compare(0, std::strlen(LUA_SIGNATURE), LUA_SIGNATURE) == 0) {
    Report("precompiled scripts are not run");
    return nullptr;
  }
  std::shared_ptr<LuaState> state = SharedLuaState();
  lua_State* L = state->L;
  if (luaL_loadbuffer(L, source.data(), source.size(), "=script") != 0) {
    const char* message = lua_tostring(L, -1);
    Report(message ? message : "cannot compile script");
    lua_pop(L, 1);
    return nullptr;
  }
  std::shared_ptr<TLuaClass> cls(new TLuaClass());
  cls->state_ = std::move(state);
  cls->ref_ = luaL_ref(L, LUA_REGISTRYINDEX);
  return cls;
}

TLuaClass::~TLuaClass() {
  if (state_) luaL_unref(state_->L, LUA_REGISTRYINDEX, ref_);
}

std::shared_ptr<TLuaObject> TLuaObject::Create(std::shared_ptr<TLuaClass> cls, std::nullptr_t) {
  std::shared_ptr<TLuaObject> obj(new TLuaObject());
  obj->state_ = SharedLuaState();
  lua_State* L = obj->state_->L;
  // The object's own globals; everything else is read from the shared ones.
  lua_newtable(L);
  lua_newtable(L);
  lua_pushvalue(L, LUA_GLOBALSINDEX);
  lua_setfield(L, -2, "__index");
  lua_setmetatable(L, -2);
  lua_pushvalue(L, -1);
  obj->ref_ = luaL_ref(L, LUA_REGISTRYINDEX);
  if (cls) {
    // Runs the script's top level in the object's table, so the functions it
    // defines belong to this object.
    lua_rawgeti(L, LUA_REGISTRYINDEX, cls->ref_);
    lua_pushvalue(L, -2);
    lua_setfenv(L, -2);
    lua_remove(L, -2);  // the table; the script stays on top
    obj->state_->Call("script start-up");
  } else {
    lua_pop(L, 1);
  }
  return obj;
}

TLuaObject::~TLuaObject() {
  if (state_) luaL_unref(state_->L, LUA_REGISTRYINDEX, ref_);
}

void TLuaObject::Invoke(const std::string& name) {
  lua_State* L = state_->L;
  lua_rawgeti(L, LUA_REGISTRYINDEX, ref_);
  lua_pushlstring(L, name.data(), name.size());
  lua_rawget(L, -2);
  lua_remove(L, -2);
  if (!lua_isfunction(L, -1)) {
    lua_pop(L, 1);
    return;
  }
  state_->Call(name.c_str());
}

}  // namespace sorvanta
