#include "app/app.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include "app/control.h"
#include "campaign/level_manager.h"
#include "campaign/save_notice.h"
#include "core/dialogs.h"
#include "core/folders.h"
#include "core/globals.h"
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

// The frame's system step runs in every screen's and every dialog's loop,
// also one nested in another: in each, F11 switches the mode (and writes it)
// and a window close ends the game through ende; the ramps move, as they
// would not with two steps in one frame.
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
    std::shared_ptr<TEkran> screen;
    std::function<void()> run;
    std::function<void(ShellWorld&)> first = nullptr;  // input before the step's keys
  };
  // The options' "restart" asks in the pop-up, which the keys then reach.
  auto restart = [](ShellWorld& w) {
    auto at = ShellWorld::Centre(options->gui, "restart");
    w.ClickAt(at.first, at.second, 20);
  };
  const Row rows[] = {
      {"loading screen's fade", loading, [] { loading->fadeUp(); }},
      {"main menu", mainMenu, [] { mainMenu->mainLoop(); }},
      {"more games", moreGames, [] { moreGames->mainLoop(); }},
      {"mode picker", pickTryb, [] { pickTryb->mainloop(); }},
      {"continue dialog", continueQuest, [] { continueQuest->mainLoop(); }},
      {"players' list", profileManager, [] { profileManager->mainLoop(); }},
      {"name entry", profileName, [] { profileName->mainloop(profileManager, "", "", 0, 0); }},
      {"options", options, [] { options->mainLoop(mainMenu); }},
      {"pop-up", popUp, [] { popUp->mainLoop("?", mainMenu, 1); }},
      {"credits", credits, [] { credits->mainLoop(mainMenu); }},
      {"map", mapScreen, [] { mapScreen->mainloop(); }},
      {"stage screen", stageScreen, [&] { stageScreen->mainloop(stage); }},
      {"intro", intro, [] { intro->mainloop(); }},
      {"outro", outro, [] { outro->mainloop(); }},
      {"play screen", mainGame, [] { mainGame->mainloop(); }},
      {"pop-up over the options over play", popUp, [] { options->mainLoop(mainGame); }, restart},
      {"lose panel", loseScreen, [] { loseScreen->mainLoop(); }},
      {"level summary", levelSummary, [] { levelSummary->mainloop(); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const bool full = settings().fullScreen != 0;
    row.screen->alpha = row.screen->fade = 0;  // whatever an earlier row left
    if (row.first) row.first(start.world);
    start.h.Wait(4).HitKey(KEY_F11).Wait(4).RequestQuit();
    EXPECT_EQ(test::EndStatus(row.run), 0);
    EXPECT_NE(settings().fullScreen != 0, full) << "F11 did not switch the mode";
    // One step a frame: a second would find no time passed, and the ramps would stand still.
    const TEkran& s = *row.screen;
    EXPECT_TRUE((s.alpha > 0 && s.alpha < 1) || (s.fade > 0 && s.fade < 1)) << s.alpha << " " << s.fade;
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

// The lock is ours once taken, refused only while another holder has it, and
// a folder that cannot hold it keeps no one out.
TEST(App, TheCopyLockIsRefusedOnlyWhileAnotherHolderHasIt) {
  test::TempFolder dir;
  const std::string folder = dir.path();
  EXPECT_EQ(TakeCopyLock(folder), CopyLock::kTaken);
  EXPECT_EQ(TakeCopyLock(folder), CopyLock::kTaken) << "taken again by its holder";
  ReleaseCopyLock();
  const int other = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
  EXPECT_EQ(TakeCopyLock(folder), CopyLock::kHeldElsewhere);
  ::close(other);
  EXPECT_EQ(TakeCopyLock(folder), CopyLock::kTaken) << "free again once the other holder is gone";
  EXPECT_EQ(TakeCopyLock(folder + "/missing"), CopyLock::kUnavailable);
  ReleaseCopyLock();
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
    const char held = TakeCopyLock(folder) == CopyLock::kTaken ? 1 : 0;
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
  // No name in the folder gets round the lock: the file older builds locked
  // deleted, or a folder or a dangling link in its place.
  const std::string old = folder + "/running.lock";
  const std::pair<const char*, std::function<void()>> swaps[] = {
      {"nothing changed", [] {}},
      {"the lock file deleted", [&] { std::filesystem::remove(old); }},
      {"a folder in its place",
       [&] {
         std::filesystem::remove(old);
         std::filesystem::create_directory(old);
       }},
      {"a dangling link in its place",
       [&] {
         std::filesystem::remove(old);
         std::filesystem::create_symlink(folder + "/gone", old);
       }},
  };
  for (const auto& [name, swap] : swaps) {
    test::WriteFile(old, "");
    swap();
    std::vector<std::string> lines;
    EXPECT_EQ(test::EndStatus([] { loadGame(false); }, &lines), 0) << name;
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Sorvanta is already running. Only one copy plays at a time, so that no progress is lost."),
              lines.end())
        << name;
    EXPECT_EQ(recorder->loads, 0) << name;
    EXPECT_EQ(recorder->saves, 0) << name;
    EXPECT_EQ(Files(folder), before) << name;
    std::filesystem::remove_all(old);
  }

  ::kill(first, SIGKILL);
  ::waitpid(first, nullptr, 0);
  EXPECT_EQ(test::EndStatus([] { loadGame(false); }), -1) << "the game started";
  EXPECT_EQ(recorder->loads, 1);
  ::close(ready[0]);
  ::close(ready[1]);

  // A lock that cannot be taken is told in one line, and the game goes on.
  myDocsFolder = home.path() + "/not-a-folder";
  test::WriteFile(myDocsFolder, "");
  const auto told = test::StdoutLines([] { endIfAlreadyRunning(); });
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].rfind("Cannot make sure that no other copy of Sorvanta uses " + myDocsFolder, 0), 0u) << told[0];
  // On screen too, once the game is loaded: a home under a file, where the
  // settings cannot be written either. Each notice in a pop-up of its own,
  // each with the real reason.
  shell_test::SetHome(myDocsFolder.c_str());
  while (messageWaiting()) takeWaitingMessage();
  test::EndStatus([] { loadGame(false); });
  std::vector<std::string> notices;
  while (messageWaiting()) notices.push_back(takeWaitingMessage());
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_NE(notices[0].find("cannot be saved: something else stands where its file or folder belongs"), std::string::npos)
      << notices[0];
  EXPECT_NE(notices[1].find("cannot make sure that no other copy of it plays with your progress (Not a directory)"), std::string::npos)
      << notices[1];
}

// A home the player may not write to (a read-only disk, or one of another
// user's) is told as such, not as the files missing that it could not hold.
TEST(App, AHomeThatCannotBeWrittenIsToldForWhatItIs) {
  test::TempFolder home;
  std::filesystem::permissions(home.path(), std::filesystem::perms::owner_all | std::filesystem::perms::others_read |
                                                std::filesystem::perms::others_exec);
  std::fflush(stdout);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Root writes everywhere: play the part of a user who may not.
    std::error_code ignored;
    if (::geteuid() != 0)
      std::filesystem::permissions(home.path(), std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::remove, ignored);
    else if (::setgid(65534) != 0 || ::setuid(65534) != 0)
      std::_Exit(10);
    shell_test::SetHome(home.path().c_str());
    myFolderName = "Sorvanta";
    clearFailedSaves();
    const auto lines = test::StdoutLines([] {
      systemSetup();
      endIfAlreadyRunning();
      settings().load();
    });
    const bool lockTold = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
      return line.find("Cannot make sure") != std::string::npos && line.find("(Permission denied)") != std::string::npos;
    });
    std::_Exit(failedSaves().cause != EACCES ? 1 : !lockTold ? 2 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "failed check " << WEXITSTATUS(status);
}

// Settings that hold no settings are told once the game is loaded, with
// where the damaged file went.
TEST(App, DamagedSettingsAreToldWithWhereTheyWent) {
  ShellWorld world(shell_test::NoCapture());
  test::TempFolder home;
  shell_test::SetHome(home.path().c_str());
  test::WriteFile(home / "Library/Preferences/.Sorvanta/Data/settings.dat", "\x01\x02 not settings");
  test::CreateTheGame();
  test::EndStatus([] { loadGame(false); });
  std::vector<std::string> notices;
  while (messageWaiting()) notices.push_back(takeWaitingMessage());
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0],
            "Your settings could not be read, so the game starts with its own. The damaged file was kept as "
            "settings.dat.damaged in ~/Library/Preferences/.Sorvanta/Data.");
  EXPECT_EQ(settings().fullScreen, 1);
}

}  // namespace
}  // namespace sorvanta
