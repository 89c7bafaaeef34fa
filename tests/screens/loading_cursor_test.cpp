// With the custom cursor on, the loading screen hides the system pointer in
// its first phase; with it off, the last phase shows the pointer.
#include <gtest/gtest.h>

#include "core/shell_test_support.h"
#include "core/settings.h"
#include "platform/input.h"
#include "platform/read_back.h"
#include "screens/loading_screen.h"

namespace sorvanta {
namespace {

TEST(LoadingCursor, TheFirstPhaseHidesThePointerForTheCustomCursorTheLastShowsThePlainOne) {
  for (int custom : {1, 0}) {
    shell_test::ShellWorld world(shell_test::NoCapture());
    settings().customCursor = custom;
    TLoadingScreen screen;
    ShowMouse();
    screen.PART1();
    EXPECT_EQ(MouseHidden(), custom != 0) << "custom cursor " << custom;
    HideMouse();
    screen.PART5();
    EXPECT_EQ(MouseHidden(), custom != 0) << "custom cursor " << custom;
    ShowMouse();
  }
}

}  // namespace
}  // namespace sorvanta
