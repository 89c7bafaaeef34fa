// The test program's entry: every test suite and test runs inside a snapshot
// of the program-wide state (support/global_state.h).
#include <gtest/gtest.h>

#include "support/global_state.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new sorvanta::test::GlobalStateGuard);
  return RUN_ALL_TESTS();
}
