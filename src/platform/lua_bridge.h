#pragma once
// Runs Lua scripts that layouts name. Scripts get the base, string, table and
// math libraries only, the string library without patterns (find searches
// plain text; match, gmatch and gsub are gone); errors are reported on
// stdout and the game carries on.
#include <memory>
#include <string>

namespace sorvanta {

class LuaState;

// A compiled script.
class TLuaClass {
 public:
  // Compiles source text; none (and a report) on a syntax error or a
  // precompiled chunk.
  static std::shared_ptr<TLuaClass> Create(const std::string& source);
  ~TLuaClass();
  TLuaClass(const TLuaClass&) = delete;
  TLuaClass& operator=(const TLuaClass&) = delete;

 private:
  friend class TLuaObject;
  TLuaClass() = default;
  std::shared_ptr<LuaState> state_;
  int ref_ = -1;
};

// One running instance of a script: the script's top level has run in an
// environment of its own, whose functions Invoke calls.
class TLuaObject {
 public:
  // A null class gives an object without functions.
  static std::shared_ptr<TLuaObject> Create(std::shared_ptr<TLuaClass> cls,
                                            std::nullptr_t host = nullptr);
  ~TLuaObject();
  TLuaObject(const TLuaObject&) = delete;
  TLuaObject& operator=(const TLuaObject&) = delete;

  // Calls the script's function name without arguments; a missing function
  // does nothing. Exceptions thrown by C++ functions a script calls pass through.
  void Invoke(const std::string& name);

 private:
  TLuaObject() = default;
  std::shared_ptr<LuaState> state_;
  int ref_ = -1;
};

}  // namespace sorvanta
