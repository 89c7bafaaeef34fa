// The display going away mid-level, for real: a game under an X server of
// its own, the server killed while a board is in play. The game saves the
// board, says so in one line and ends with an error's status. Runs where
// Xvfb is installed; skipped otherwise.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/control.h"
#include "campaign/campaign_links.h"
#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "core/frame_bindings.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/states.h"
#include "formats/rcm_file.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/x_map_watch.h"
#include "puzzle/board/level.h"
#include "support/emulation.h"

#include "app_test_support.h"

namespace sorvanta {
namespace {

constexpr const char* kChildPipe = "SORVANTA_DISPLAY_LOST_PIPE";

std::string OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "";
  for (std::size_t start = 0; start <= folders.size();) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    const std::string candidate = folders.substr(start, end - start) + "/" + program;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

// A process that dies with this one, and its output on out (where given).
pid_t Start(const std::vector<std::string>& argv, const std::vector<std::string>& env, int out = -1) {
  std::vector<char*> args, vars;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (const auto& e : env) vars.push_back(const_cast<char*>(e.c_str()));
  vars.push_back(nullptr);
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != parent) ::_exit(126);
  if (out >= 0) {
    ::dup2(out, 2);
    const int none = ::open("/dev/null", O_WRONLY);
    if (none >= 0) ::dup2(none, 1);
  }
  ::execve(args[0], args.data(), vars.data());
  ::_exit(127);
}

// Reads from fd until a line feed or timeoutMs pass.
std::string ReadLine(int fd, int timeoutMs) {
  std::string line;
  for (int waited = 0; waited < timeoutMs; waited += 50) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 50) <= 0) continue;
    char c;
    if (::read(fd, &c, 1) != 1) break;
    if (c == '\n') return line;
    line += c;
  }
  return line;
}

// The exit status of pid within timeoutMs; -1 (and pid killed) past it.
// Waits on the process itself; a kernel without process descriptors waits
// as long as it takes (the test's time limit ends that).
int WaitFor(pid_t pid, int timeoutMs) {
#ifdef SYS_pidfd_open
  const int fd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  if (fd >= 0) {
    pollfd ended{fd, POLLIN, 0};
    while (::poll(&ended, 1, timeoutMs) < 0 && errno == EINTR) {
    }
    ::close(fd);
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) != pid) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
      return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
#else
  (void)timeoutMs;
#endif
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The child's part: the whole game in a real window, player ANNA on a
// Picross level with its first cell uncovered; it tells the parent the cell
// as a save writes it, then plays on until the display goes. With "box",
// every save then fails and the player quits: the quit box is up when the
// display goes, and the parent is told so.
TEST(DisplayLost, ChildPlaysOnUntilTheDisplayGoes) {
  const char* pipe = std::getenv(kChildPipe);
  if (!pipe) GTEST_SKIP() << "run by DisplayLost.WhatIsInPlayIsSavedWhenTheXServerDies";
  const int out = std::atoi(pipe);
  const bool box = std::getenv("SORVANTA_QUIT_BOX") != nullptr;
  auto game = std::make_shared<test::ScriptedGame>();
  test::StdoutLines([&] { test::StartGame(game); });
  profileManager->CreateNewProfile("ANNA");
  TProfile& p = *profileManager->profile;
  p.tryb = 1;
  const auto* stages = levelManager->stagesOf(1);
  ASSERT_TRUE(stages && !stages->empty());
  const int stage = static_cast<int>(stages->size());
  p.QUEST_GetStageData(stage)->unlocked = 1;
  p.QUEST_GetLevelData(stage, 1)->unlocked = 1;
  p.QUEST_SetLevelAndStage(stage, 1);
  test::StdoutLines([&] {
    p.QUEST_LoadActLevel();
    campaignSetLevel(p.position().inProgress);
  });
  auto tell = [out](const std::string& text) {
    const std::string line = text + "\n";
    if (::write(out, line.data(), line.size()) != static_cast<ssize_t>(line.size())) ::_exit(5);
  };
  game->script = [tell, box](test::ScriptedGame& g, int frame) {
    if (frame != 10 || !g.level) return;
    auto cell = g.level->atiles.get(0, 0);
    cell->odkryte = 1;
    tell(cell->getMyString());
    if (!box) return;
    SetAtomicWriteFaultForTests([](const std::string& step) {
      if (step != "write") return false;
      errno = ENOSPC;
      return true;
    });
    bindQuitQuestion([tell](const std::string& text, const std::vector<std::string>& answers) {
      tell("asking");
      return AskMessageBox(text, answers);
    });
    quitGame(0);
  };
  control->runState(kStateMainGame);
  ::_exit(6);  // the level ended without the display going
}

// Mid-level, the board is saved; with the quit box up over saves that fail,
// the last attempt is made and what was not saved is said. Either way one
// line says the display went away, and the game ends with -1 (255).
TEST(DisplayLost, WhatIsInPlayIsSavedWhenTheXServerDies) {
  const std::string xvfb = OnPath("Xvfb");
  if (xvfb.empty()) GTEST_SKIP() << "no Xvfb installed";
  // A copy started through /proc/self/exe would run outside qemu-user.
  if (test::UnderUserEmulation()) GTEST_SKIP() << "the child game cannot start under user-mode emulation";
  for (const bool box : {false, true}) {
    SCOPED_TRACE(box ? "the quit box up" : "mid-level");
    test::TempFolder home;
    // Windowed, so that no mode switch stands between the start and the board.
    test::WriteFile(home / "Library/Preferences/.Sorvanta/Data/settings.dat", "settings {\n\tfullScreen = 0\n}\n");

    // The server picks a free display and writes its number.
    int shown[2];
    ASSERT_EQ(::pipe(shown), 0);
    const pid_t server = Start({xvfb, "-displayfd", std::to_string(shown[1]), "-screen", "0", "1024x768x24",
                                "-nolisten", "tcp"},
                               {});
    ::close(shown[1]);
    std::string display = ":";
    display += ReadLine(shown[0], 10000);
    ::close(shown[0]);
    ASSERT_NE(display, ":") << "Xvfb gave no display";
    // Watched from before the game starts, so that the quit box is seen as it comes up.
    std::optional<XMapWatch> windows;
    windows.emplace(display);
    if (box && !windows->connected()) {
      windows.reset();
      ::kill(server, SIGKILL);
      WaitFor(server, 10000);
      GTEST_SKIP() << "no Xlib here to see the quit box come up";
    }

    int told[2], err[2];
    ASSERT_EQ(::pipe(told), 0);
    ASSERT_EQ(::pipe(err), 0);
    ::fcntl(told[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(err[0], F_SETFD, FD_CLOEXEC);
    char self[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
    std::vector<std::string> env = {"HOME=" + home.path(), "DISPLAY=" + display, "SDL_VIDEODRIVER=x11",
                                    "SDL_AUDIODRIVER=dummy", "SDL_RENDER_DRIVER=software",
                                    std::string(kChildPipe) + "=" + std::to_string(told[1])};
    if (box) env.push_back("SORVANTA_QUIT_BOX=1");
    const pid_t game = Start({self, "--gtest_filter=DisplayLost.ChildPlaysOnUntilTheDisplayGoes"}, env, err[1]);
    ::close(told[1]);
    ::close(err[1]);
    const std::string cell = ReadLine(told[0], 60000);
    const std::string asking = box ? ReadLine(told[0], 10000) : "";
    // The box's own window, whenever it came: the game's window is no dialog.
    const bool boxUp = box && windows->WaitForDialog(30000);
    windows.reset();  // before the server goes
    ::kill(server, SIGKILL);
    WaitFor(server, 10000);
    const int status = WaitFor(game, 30000);
    std::string stderrText;
    for (char c; ::read(err[0], &c, 1) == 1;) stderrText += c;
    ::close(told[0]);
    ::close(err[0]);
    ASSERT_FALSE(cell.empty()) << "the game never reached the board: " << stderrText;
    if (box) {
      ASSERT_EQ(asking, "asking") << stderrText;
      ASSERT_TRUE(boxUp) << "the quit box never came up: " << stderrText;
    }

    EXPECT_EQ(status, 255) << stderrText;
    std::vector<std::string> gone, unsaved;
    for (std::size_t at = 0, next; at < stderrText.size(); at = next + 1) {
      next = stderrText.find('\n', at);
      if (next == std::string::npos) next = stderrText.size();
      const std::string line = stderrText.substr(at, next - at);
      if (line.find("went away") != std::string::npos) gone.push_back(line);
      if (line.find("progress not saved") != std::string::npos) unsaved.push_back(line);
    }
    ASSERT_EQ(gone.size(), 1u) << stderrText;
    EXPECT_EQ(gone[0], "Sorvanta: the display " + display + " went away: the game saves and ends");
    EXPECT_EQ(unsaved.size(), box ? 1u : 0u) << stderrText;
    if (box) continue;
    const std::string level = home / "Library/Preferences/.Sorvanta/Profiles/65_78_78_65/levelPicross.lvl";
    std::string saved;
    test::StdoutLines([&] { saved = loadRCMFile(level)->getString("level::tiles::row0", 0); });
    EXPECT_EQ(saved, cell) << "the board as it stood";
  }
}

}  // namespace
}  // namespace sorvanta
