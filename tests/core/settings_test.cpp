// The settings record's file that exists but cannot be read.
#include "core/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/app.h"
#include "campaign/profile_manager.h"
#include "core/globals.h"
#include "platform/system.h"
#include "screens/options.h"
#include "sound/global_snd.h"
#include "support/stdout_lines.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

// Run in a child process that may not read the file: loads the settings and
// ends the game through ende. The exit status names the first check that failed.
[[noreturn]] void LoadUnreadableAndEnd(const std::string& docs) {
  // Root reads every file: play the part of a user who may not.
  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(10);
  myDocsFolder = docs;
  // Whatever earlier tests of this process left behind stays out of the way.
  globalSnd.reset();
  profileManager.reset();
  TOptions overlay;
  auto lines = test::StdoutLines([&] { overlay.loadOptions(); });
  int failed = 0;
  if (!settings().unreadable) failed = 1;
  else if (settings().fullScreen != 1 || settings().musicVol != 0.5f) failed = 2;  // the defaults
  else if (lines.size() != 1 || lines[0].find(settings().path()) == std::string::npos) failed = 3;
  else if (lines[0].find("Nie znaleziono") != std::string::npos) failed = 4;  // not "not found"
  SetEndHandler([failed](int status) { std::_Exit(status == 0 ? failed : 20); });
  ende(0);
}

TEST(Settings, AFileThatCannotBeReadIsReportedAndNeverSavedOver) {
  test::TempFolder home;
  const std::string file = home / "Data/settings.dat";
  const std::string stored = "settings {\n\tfullScreen = 0\n\tmusicVolume = 0.2\n}\n\n";
  test::WriteFile(file, stored);
  // Anybody could replace the file in its folder; only reading it is denied.
  std::filesystem::permissions(home.path(), std::filesystem::perms::all);
  std::filesystem::permissions(home / "Data", std::filesystem::perms::all);
  std::filesystem::permissions(file, std::filesystem::perms::none);

  std::fflush(stdout);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) LoadUnreadableAndEnd(home.path());
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "failed check " << WEXITSTATUS(status);

  struct stat after {};
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 0777, 0u);
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  EXPECT_EQ(test::ReadFile(file), stored);
}

}  // namespace
}  // namespace sorvanta
