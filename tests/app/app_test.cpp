#include "app/app.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "app/control.h"
#include "campaign/level_manager.h"
#include "core/settings.h"
#include "core/shell_test_support.h"
#include "gui/gui.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/single_copy.h"
#include "puzzle/play/level_summary.h"
#include "puzzle/play/lose_screen.h"
#include "screens/profile_name.h"
#include "screens/loading_screen.h"
#include "sound/volume_settings.h"

#include "app_test_support.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

// Starts the whole game as the program body does, over a fresh home folder,
// and quits through the main menu's "x", answering its question with Enter.
TEST(App, StartsFromNothingAndEndsThroughTheMenu) {
  ShellWorld world(shell_test::NoCapture());
  test::TempFolder home;
  shell_test::SetHome(home.path().c_str());

  test::CreateTheGame();
  auto recorder = std::make_shared<shell_test::RecordingProfileManager>();
  profileManager = recorder;
  ASSERT_TRUE(control && options && loading && popUp && mainMenu && tutorial);
  world.h().SetFrameCap(2000);
  auto title = LoadGui(bDir + "gfx/gui/titleScreen/en/title.gui");
  auto x = ShellWorld::Centre(title, "x");
  world.ClickAt(x.first, x.second, 150);
  world.h().Wait(40).HitKey(KEY_ENTER);

  std::vector<std::string> lines;
  EXPECT_EQ(test::EndStatus(init, &lines), 0);
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

// The frame's system step runs in every screen's loop and in every dialog's
// nested one, whoever wrote the screen: in each, F11 switches the mode (and
// writes it) and a window close ends the game through ende.
TEST(App, EveryScreenAndDialogRunsTheFrameStep) {
  test::FreshStart start;
  auto game = std::make_shared<test::ScriptedGame>();
  test::StdoutLines([&] { test::StartGame(game); });
  test::StdoutLines([] { profileManager->CreateNewProfile("ADA"); });
  std::shared_ptr<TLevel> level;
  test::StdoutLines([&] { level = LoadLevel(test::kLevelDir + "picross.lvl"); });
  ASSERT_TRUE(level);
  game->setLevel(level);
  const auto stage = levelManager->getStageById(1, 1);
  ASSERT_TRUE(stage);
  struct Row {
    const char* name;
    std::function<void()> run;
  };
  const Row rows[] = {
      {"loading screen's fade", [] { loading->fadeUp(); }},
      {"main menu", [] { mainMenu->mainLoop(); }},
      {"more games", [] { moreGames->mainLoop(); }},
      {"mode picker", [] { pickTryb->mainloop(); }},
      {"continue dialog", [] { continueQuest->mainLoop(); }},
      {"players' list", [] { profileManager->mainLoop(); }},
      {"name entry", [] { profileName->mainloop(profileManager, "", "", 0, 0); }},
      {"options", [] { options->mainLoop(mainMenu); }},
      {"pop-up", [] { popUp->mainLoop("?", mainMenu, 1); }},
      {"credits", [] { credits->mainLoop(mainMenu); }},
      {"map", [] { mapScreen->mainloop(); }},
      {"stage screen", [&] { stageScreen->mainloop(stage); }},
      {"intro", [] { intro->mainloop(); }},
      {"outro", [] { outro->mainloop(); }},
      {"play screen", [] { mainGame->mainloop(); }},
      {"lose panel", [] { loseScreen->mainLoop(); }},
      {"level summary", [] { levelSummary->mainloop(); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const bool full = settings().fullScreen != 0;
    start.h.Wait(4).HitKey(KEY_F11).Wait(4).RequestQuit();
    EXPECT_EQ(test::EndStatus(row.run), 0);
    EXPECT_NE(settings().fullScreen != 0, full) << "F11 did not switch the mode";
  }
}

// Every file under folder with its bytes, but the lock of the running copy.
std::map<std::string, std::string> Files(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
    if (e.is_regular_file() && e.path().filename() != "running.lock")
      files[e.path().string()] = test::ReadFile(e.path().string());
  return files;
}

// A second copy started with the same home (a double click, a terminal)
// says so and ends with 0 before it reads or writes anything of the
// players; the first copy's files stay as they are. A copy that died, even
// by SIGKILL, keeps no one out.
TEST(App, ASecondCopyWithTheSameHomeEndsAndTouchesNothing) {
  ShellWorld world(shell_test::NoCapture());
  test::TempFolder home;
  shell_test::SetHome(home.path().c_str());
  const std::string folder = home.path() + "/Library/Preferences/.Sorvanta";
  test::WriteFile(folder + "/Data/settings.dat", "settings {\n\tfullScreen = 0\n}\n");
  test::WriteFile(folder + "/Profiles/profiles.dat", "profiles {\n\ti = 1\n\tprofile1 = \"65\"\n}\n");
  test::WriteFile(folder + "/Profiles/65/profile.dat", "profile {\n\tdata {\n\t\tname = \"A\"\n\t}\n}\n");

  // The first copy: another process that holds the folder until it is
  // killed, at the latest when this one ends.
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t first = ::fork();
  ASSERT_GE(first, 0);
  if (first == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const char held = TakeCopyLock(folder + "/running.lock") == CopyLock::kTaken ? 1 : 0;
    if (::write(ready[1], &held, 1) != 1) ::_exit(1);
    for (;;) ::pause();
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  ASSERT_EQ(held, 1);
  const auto before = Files(folder);

  test::CreateTheGame();
  auto recorder = std::make_shared<shell_test::RecordingProfileManager>();
  profileManager = recorder;
  std::vector<std::string> lines;
  EXPECT_EQ(test::EndStatus([] { loadGame(false); }, &lines), 0);
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "Sorvanta is already running. Only one copy plays at a time, so that no progress is lost."),
            lines.end());
  EXPECT_EQ(recorder->loads, 0);
  EXPECT_EQ(recorder->saves, 0);
  EXPECT_EQ(Files(folder), before);

  ::kill(first, SIGKILL);
  ::waitpid(first, nullptr, 0);
  EXPECT_EQ(test::EndStatus([] { loadGame(false); }), -1) << "the game started";
  EXPECT_EQ(recorder->loads, 1);
  ::close(ready[0]);
  ::close(ready[1]);
}

}  // namespace
}  // namespace sorvanta
