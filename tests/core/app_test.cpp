#include "core/app.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/control.h"
#include "core/shell_test_support.h"
#include "platform/files.h"
#include "platform/input.h"
#include "screens/loading_screen.h"
#include "sound/volume_settings.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;
using shell_test::StdoutLines;
using test::ReadFile;
using test::TempFolder;

// Starts the whole game as the program body does, over a fresh home folder,
// and answers the main menu's quit question with scripted keys.
TEST(App, StartsFromNothingAndEndsThroughTheMenu) {
  ShellWorld world(shell_test::NoCapture());
  TempFolder home;
  std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", home.path().c_str(), 1);

  createGlobals();
  // The test program lives in no application package: use the repository's assets.
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  createSingletons();
  auto recorder = std::make_shared<shell_test::RecordingProfileManager>();
  profileManager = recorder;
  ASSERT_TRUE(control && options && loading && popUp && mainMenu && tutorial);
  Harness& h = world.h();
  h.SetFrameCap(2000);
  // Escape on the menu asks the quit question; Enter says yes.
  h.Wait(150).HitKey(KEY_ESCAPE).Wait(40).HitKey(KEY_ENTER);

  int status = -1;
  std::vector<std::string> lines = StdoutLines([&] {
    try {
      init();
    } catch (const EndRequested& end) {
      status = end.status;
    }
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(recorder->loads, 1);
  EXPECT_EQ(recorder->saves, 1);
  EXPECT_EQ(control->where, "END");

  std::string folder = home.path() + "/Library/Preferences/.Sorvanta";
  EXPECT_EQ(myDocsFolder, folder);
  EXPECT_EQ(FileType(folder + "/Profiles"), 2);
  EXPECT_EQ(ReadFile(folder + "/Data/settings.dat"),
            "settings {\n\tfullScreen = 1\n\twideScreen = 1\n\tcustomCursor = 1\n"
            "\tmusicVolume = 0.500000000\n\tsoundVolume = 0.500000000\n"
            "\tlastLoadedMusic1 = 0\n}\n\n");
  int steps = 0;
  for (auto& line : lines)
    if (line == "adp = " + std::to_string(steps + 1)) ++steps;
  EXPECT_EQ(steps, 25);

  if (savedHome.empty()) ::unsetenv("HOME"); else ::setenv("HOME", savedHome.c_str(), 1);
  bindVolumeSettings(nullptr, nullptr);
  control.reset();
  loading.reset();
  levelManager.reset();
  profileName.reset();
  moreGames.reset();
  levelSummary.reset();
  mapScreen.reset();
  stageScreen.reset();
  loseScreen.reset();
  pickTryb.reset();
  continueQuest.reset();
  tutorial.reset();
}

}  // namespace
}  // namespace sorvanta
