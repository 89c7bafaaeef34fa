// With the custom cursor on, the loading screen hides the system pointer in
// its first phase; with it off, the last phase shows the pointer.
#include <gtest/gtest.h>

#include "core/shell_test_support.h"
#include "platform/input.h"
#include "screens/loading_screen.h"

namespace sorvanta {
namespace {

TEST(LoadingCursor, TheFirstPhaseHidesThePointerForTheCustomCursorTheLastShowsThePlainOne) {
  for (int custom : {1, 0}) {
    shell_test::ShellWorld world(shell_test::NoCapture());
    world.Keep(levelSummary, loseScreen, tutorial);
    levelSummary = std::make_shared<TLevelSummary>();
    loseScreen = std::make_shared<TLoseScreen>();
    tutorial = std::make_shared<TTutorial>();
    mainGame = std::make_shared<TMainGame>();
    options->customCursor = custom;
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
