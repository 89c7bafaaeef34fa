// The pause screen pauses the sound registry's music while the window is away
// and resumes it once the window is back.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/frame.h"
#include "core/shell_test_support.h"
#include "platform/input.h"

namespace sorvanta {
namespace {

struct PausingSnd : TGlobalSnd {
  std::vector<std::pair<std::string, bool>> calls;  // what, and whether the window was away then
  void pauseSounds() override { calls.emplace_back("pause", AppSuspended()); }
  void resumeSounds() override { calls.emplace_back("resume", AppSuspended()); }
};

TEST(PauseSound, ThePauseScreenPausesTheMusicAndResumesItWhenTheWindowIsBack) {
  shell_test::ShellWorld world(shell_test::NoCapture());
  auto snd = std::make_shared<PausingSnd>();
  globalSnd = snd;
  world.h().SetFrameCap(200);
  world.h().LoseFocus().Wait(5).GainFocus();
  PollSystem();
  myFlip(0);  // the pause screen runs until the focus is back
  const std::vector<std::pair<std::string, bool>> expected = {{"pause", true}, {"resume", false}};
  EXPECT_EQ(snd->calls, expected);
  snd->calls.clear();
  myFlip(0);  // with the focus there is no pause
  EXPECT_TRUE(snd->calls.empty());
}

}  // namespace
}  // namespace sorvanta
