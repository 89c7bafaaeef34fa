#include "platform/lua_bridge.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/lua_register.h"

namespace sorvanta {
namespace {

using Calls = std::vector<std::vector<std::string>>;

std::shared_ptr<TLuaObject> Start(const std::string& source) {
  auto cls = TLuaClass::Create(source);
  EXPECT_TRUE(cls) << source;
  return TLuaObject::Create(cls, nullptr);
}

// What a script printed while running `start`.
std::string StartOutput(const std::string& source) {
  ::testing::internal::CaptureStdout();
  Start(source)->Invoke("start");
  return ::testing::internal::GetCapturedStdout();
}

TEST(LuaBridge, ScriptsCallBackIntoTheGame) {
  Calls calls;
  LuaRegister("record", [&](const std::vector<std::string>& args) { calls.push_back(args); });
  auto obj = Start(R"(
    count = 0
    function start() record("start", 2, true, nil, 1.5) end
    function update() count = count + 1; record("update", count) end
  )");
  obj->Invoke("start");
  obj->Invoke("update");
  obj->Invoke("missing");  // nothing to call: nothing happens
  obj->Invoke("count");    // not a function either
  EXPECT_EQ(calls, (Calls{{"start", "2", "true", "", "1.5"}, {"update", "1"}}));

  // Each object has its own globals, even from the same class.
  calls.clear();
  auto cls = TLuaClass::Create("n = 0 function bump() n = n + 1 record(n) end");
  auto a = TLuaObject::Create(cls);
  a->Invoke("bump");
  a->Invoke("bump");
  TLuaObject::Create(cls)->Invoke("bump");
  EXPECT_EQ(calls, (Calls{{"1"}, {"2"}, {"1"}}));

  // Only the safe libraries are there.
  calls.clear();
  Start("function start() record(type(io), type(os), type(require), type(loadstring), "
        "type(dofile), type(string.dump), type(string.format), type(math.floor), type(table.insert)) end")
      ->Invoke("start");
  EXPECT_EQ(calls, (Calls{{"nil", "nil", "nil", "nil", "nil", "nil", "function", "function", "function"}}));

  // An exception of the game's own passes through the script untouched.
  LuaRegister("fail", [](const std::vector<std::string>&) { throw std::runtime_error("from game"); });
  calls.clear();
  obj = Start("function start() fail() end function update() record('after') end");
  EXPECT_THROW(obj->Invoke("start"), std::runtime_error);
  obj->Invoke("update");
  EXPECT_EQ(calls, Calls{{"after"}});
}

TEST(LuaBridge, ErrorsAreReportedAndPlayGoesOn) {
  Calls calls;
  LuaRegister("record", [&](const std::vector<std::string>& args) { calls.push_back(args); });

  ::testing::internal::CaptureStdout();
  auto obj = Start("function start() error('boom') end function update() record('alive') end");
  obj->Invoke("start");
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("boom"), std::string::npos) << out;
  EXPECT_EQ(out.find('\n'), out.size() - 1) << "one line: " << out;
  obj->Invoke("update");
  EXPECT_EQ(calls, Calls{{"alive"}});

  ::testing::internal::CaptureStdout();
  EXPECT_FALSE(TLuaClass::Create("function start( end"));
  EXPECT_FALSE(TLuaClass::Create(std::string("\x1bLua\x51\0\1\4\4\4\x08\0", 12)));
  const std::string refused = ::testing::internal::GetCapturedStdout();
  EXPECT_NE(refused.find("precompiled"), std::string::npos) << refused;
  TLuaObject::Create(nullptr)->Invoke("start");  // a failed script's object does nothing

  // A loop that never ends is stopped, even when it catches the error that
  // stops it, in a coroutine too.
  EXPECT_NE(StartOutput("function start() while true do end end").find("too long"), std::string::npos);
  EXPECT_NE(StartOutput("function spin() while true do end end function start() while true do "
                        "pcall(spin) coroutine.resume(coroutine.create(spin)) end end")
                .find("too long"),
            std::string::npos);

  // A script that asks for huge amounts of memory gets a memory error.
  ::testing::internal::CaptureStdout();
  calls.clear();
  auto greedy = Start("t = {} function start() for i = 1, 100 do t[i] = string.rep('x', 2^20 * i) end end "
                      "function update() t = nil collectgarbage() record('alive') end");
  greedy->Invoke("start");
  EXPECT_NE(::testing::internal::GetCapturedStdout().find("memory"), std::string::npos);
  greedy->Invoke("update");
  EXPECT_EQ(calls, Calls{{"alive"}});
}

// Scripts have no Lua patterns, which can run for ever inside one C call:
// string.find searches plain text (as string.find in Lua 5.1 with plain set)
// in linear time, and string.rep refuses what no script may hold.
TEST(LuaBridge, StringLibraryCannotHangTheGame) {
  Calls calls;
  LuaRegister("record", [&](const std::vector<std::string>& args) { calls.push_back(args); });
  const std::pair<const char*, std::vector<std::string>> rows[] = {
      {"string.find('a.c', '.')", {"2", "2"}},
      {"('abcabc'):find('c', 4)", {"6", "6"}},
      {"string.find('abc', 'b', -2)", {"2", "2"}},
      {"string.find('abc', 'x')", {""}},
      {"string.find('abc', '', 10)", {"4", "3"}},
      {"string.find('aab', 'ab')", {"2", "3"}},
      {"type(string.match), type(string.gmatch), type(string.gsub), type(('x').match)", {"nil", "nil", "nil", "nil"}},
      {"string.find(string.rep('a', 40), string.rep('a*', 40) .. 'b')", {""}},
      {"string.find(string.rep('a', 2^20), string.rep('a', 2^19) .. 'b')", {""}},
      {"string.rep('ab', 3), string.rep('', 1e15), string.rep('x', -1)", {"ababab", "", ""}},
      {"string.rep('ab', 2.7), string.rep('x', 0/0)", {"abab", ""}},  // cut, never rounded
      {"(pcall(string.rep, 'ab', 1e15))", {"false"}},
      {"(pcall(string.rep, 'ab', 2^32 + 1))", {"false"}},  // not 1 copy from a wrapped 32-bit count
  };
  for (const auto& [expression, expected] : rows) {
    calls.clear();
    Start(std::string("function start() record(") + expression + ") end")->Invoke("start");
    EXPECT_EQ(calls, Calls{expected}) << expression;
  }
}

}  // namespace
}  // namespace sorvanta
