// Within one frame of the pop-up, "no" wins over "yes", whichever came first.
#include <gtest/gtest.h>

#include "core/shell_test_support.h"
#include "platform/input.h"
#include "screens/pop_up.h"

namespace sorvanta {
namespace {

TEST(PopUpAnswer, NoWinsOverYesWithinOneFrame) {
  shell_test::ShellWorld world(shell_test::NoCapture());
  popUp->setup();
  world.h().SetFrameCap(600);
  for (bool enterFirst : {true, false}) {
    world.h().Wait(20);
    if (enterFirst)
      world.h().HitKey(KEY_ENTER).HitKey(KEY_ESCAPE);
    else
      world.h().HitKey(KEY_ESCAPE).HitKey(KEY_ENTER);
    EXPECT_EQ(yesOrNo("Leave the game?", nullptr), 0) << "Enter first: " << enterFirst;
  }
}

}  // namespace
}  // namespace sorvanta
