#pragma once
// The program-wide state every test is wrapped in: taken before each test (and
// each test suite) and put back after it, so that no test sees what another
// left behind, whatever the order or process they run in.
//
// A new global gets one line in the table in global_state.cpp:
//   {"lastLevel", Value(lastLevel)},                   // copied and assigned back
//   {"level cache", ResetBy([] { ClearLevelCache(); }), {"level.cpp: cache"}},
// (only resettable; the last part names the globals of src/ it covers). A
// test scans src/ for globals and fails on one without its line. A KeepGlobal
// at namespace scope in a test file adds a line the same way.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace sorvanta::test {

// Puts one piece of state back.
using Restore = std::function<void()>;
// Takes one piece of state and returns what puts it back.
using Snapshot = std::function<Restore()>;

// A variable whose value is copied before and assigned back after.
template <class T>
Snapshot Value(T& var) {
  return [&var] { return Restore([&var, old = var] { var = old; }); };
}

// State that cannot be read, only set back to how the program starts: reset
// runs after every test.
inline Snapshot ResetBy(std::function<void()> reset) {
  return [reset = std::move(reset)] { return Restore(reset); };
}

// Adds a piece of state to the snapshot. Construct it at namespace scope, so
// that it is registered before any test runs.
struct KeepGlobal {
  KeepGlobal(std::string name, Snapshot take);
};

// The names of the kept state, and of the globals each piece covers besides;
// with coversOnly, only the latter.
std::vector<std::string> KeptGlobalNames(bool coversOnly = false);

// Takes every registered piece of state; the result puts them all back,
// latest registered first.
Restore TakeGlobals();

// The listener that wraps every test suite and test in TakeGlobals; the test
// main installs it.
class GlobalStateGuard : public ::testing::EmptyTestEventListener {
 public:
  void OnTestSuiteStart(const ::testing::TestSuite&) override { Push(); }
  void OnTestSuiteEnd(const ::testing::TestSuite&) override { Pop(); }
  void OnTestStart(const ::testing::TestInfo&) override { Push(); }
  void OnTestEnd(const ::testing::TestInfo&) override { Pop(); }

 private:
  void Push();
  void Pop();
  std::vector<Restore> open_;
};

}  // namespace sorvanta::test
