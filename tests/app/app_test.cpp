#include "app/app.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/control.h"
#include "core/shell_test_support.h"
#include "gui/gui.h"
#include "platform/files.h"
#include "platform/input.h"
#include "screens/loading_screen.h"
#include "sound/volume_settings.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

// Starts the whole game as the program body does, over a fresh home folder,
// and quits through the main menu's "x", answering its question with Enter.
TEST(App, StartsFromNothingAndEndsThroughTheMenu) {
  ShellWorld world(shell_test::NoCapture());
  test::TempFolder home;
  shell_test::SetHome(home.path().c_str());

  createGlobals();
  // The test program lives in no application package: use the repository's assets.
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  createSingletons();
  auto recorder = std::make_shared<shell_test::RecordingProfileManager>();
  profileManager = recorder;
  ASSERT_TRUE(control && options && loading && popUp && mainMenu && tutorial);
  world.h().SetFrameCap(2000);
  auto title = LoadGui(bDir + "gfx/gui/titleScreen/en/title.gui");
  auto x = ShellWorld::Centre(title, "x");
  world.ClickAt(x.first, x.second, 150);
  world.h().Wait(40).HitKey(KEY_ENTER);

  int status = -1;
  auto lines = shell_test::StdoutLines([&] {
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
  EXPECT_EQ(FileType(folder + "/Data/settings.dat"), 1);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "adp = 25"), lines.end());
  // The window got the icon from the asset tree.
  for (const auto& line : lines) EXPECT_EQ(line.find("window icon"), std::string::npos) << line;
}

}  // namespace
}  // namespace sorvanta
