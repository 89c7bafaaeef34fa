// The test program's entry: every test suite and test runs inside a snapshot
// of the program-wide state (support/global_state.h), and every process a
// test starts ends with it (support/process_lifetime.h).
#include <gtest/gtest.h>

#include "support/global_state.h"
#include "support/process_lifetime.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  auto& listeners = ::testing::UnitTest::GetInstance()->listeners();
  listeners.Append(new sorvanta::test::ProcessLifetime);
  listeners.Append(new sorvanta::test::GlobalStateGuard);
  return RUN_ALL_TESTS();
}
