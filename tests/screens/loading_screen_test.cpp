#include "screens/loading_screen.h"

#include <gtest/gtest.h>

#include "app/loading_steps.h"
#include "core/shell_test_support.h"
#include "platform/image.h"
#include "platform/video.h"
#include "screens/profile_name.h"

namespace sorvanta {
namespace {

TEST(LoadingScreen, FivePhasesReportEachStepAndFillTheBar) {
  shell_test::ShellWorld world;
  // The singletons the phases set up, as the program body makes them.
  levelManager = std::make_shared<TLevelManager>();
  pickTryb = std::make_shared<TPickTryb>();
  continueQuest = std::make_shared<TQuestContinue>();
  mapScreen = std::make_shared<TMapScreen>();
  stageScreen = std::make_shared<TStageScreen>();
  profileName = std::make_shared<TProfileName>();
  levelSummary = std::make_shared<TLevelSummary>();
  loseScreen = std::make_shared<TLoseScreen>();
  tutorial = std::make_shared<TTutorial>();
  mainGame = std::make_shared<TMainGame>();
  globalSnd = std::make_shared<TGlobalSnd>();
  Harness& h = world.h();
  TLoadingScreen screen;
  addLoadingSteps(screen);
  ASSERT_TRUE(screen.bar);
  EXPECT_EQ(screen.txtLoading, "Loading...");

  // A point near the right end of the filling: empty at first, full at the end.
  int barWidth = ImageWidth(screen.bar);
  float probeX = 512 - barWidth / 2 + barWidth * 0.95f, probeY = 710;
  screen.drawNormal();
  std::uint32_t empty = h.Pixel(probeX, probeY);

  int framesBefore = h.frames();
  auto lines = shell_test::StdoutLines([&] {
    screen.Setup();
    screen.PART1();
    screen.PART2();
    screen.PART3();
    screen.PART4();
    screen.PART5();
  });
  std::vector<std::string> steps;
  for (auto& line : lines)
    if (line.rfind("adp = ", 0) == 0) steps.push_back(line);
  ASSERT_EQ(steps.size(), 25u);
  for (int i = 0; i < 25; ++i) EXPECT_EQ(steps[i], "adp = " + std::to_string(i + 1));
  EXPECT_EQ(screen.p, 23);
  EXPECT_EQ(h.frames() - framesBefore, 26);  // the first frame, then one per step
  EXPECT_NE(h.Pixel(probeX, probeY), empty);

  // What the phases load for the frame cycle: the cursor, the pause texts, the dialogs.
  ASSERT_TRUE(TMouse::img);
  EXPECT_EQ(TMouse::img->handleX, 2.0f);
  EXPECT_TRUE(pauseFont && !txtPause.empty() && popUp->gui && options->gui);

  // The fade to black ends on exact equality, after about 20 frames at 60 per
  // second (the first frame measures no time, and frames last 16 or 17 ms).
  framesBefore = h.frames();
  screen.fadeUp();
  EXPECT_EQ(screen.fade, 1.0f);
  EXPECT_GE(h.frames() - framesBefore, 20);
  EXPECT_LE(h.frames() - framesBefore, 22);
  EXPECT_EQ(h.Pixel(512, 300) & 0xffffffu, 0u);
}

// A window close or SIGTERM while loading ends the game at the next step,
// through ende, as on every other screen.
TEST(LoadingScreen, AQuitRequestDuringLoadingEndsTheGameThroughEnde) {
  shell_test::ShellWorld world(shell_test::NoCapture());
  TLoadingScreen screen;
  int status = -1;
  world.h().RequestQuit();
  try {
    screen.progress();
  } catch (const EndRequested& end) {
    status = end.status;
  }
  EXPECT_EQ(status, 0);
  EXPECT_EQ(world.endStatus, 0);
  EXPECT_EQ(world.recProfiles->saves, 1);
  EXPECT_EQ(screen.adp, 1);
}

}  // namespace
}  // namespace sorvanta
