// The settings record's file that exists but cannot be read, or holds no settings.
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
#include "formats/rcm_file.h"
#include "platform/folder_entries.h"
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

// A file that holds no settings (empty, cut, garbage, far too large) counts
// as missing: it is moved aside unread, never written over, and the
// defaults are written in its place. A file with the group, even empty,
// reads as it stands.
TEST(Settings, AFileThatHoldsNoSettingsIsKeptAsideAndTheDefaultsWritten) {
  struct Case {
    const char* name;
    std::string bytes;
    std::uintmax_t size = 0;  // a sparse file this large instead
    int earlier = 0;          // damaged files kept beside it already
    bool moveRefused = false;
  };
  const Case cases[] = {
      {"empty", ""},
      {"cut mid-line", "settings {\n\tfullScreen = 1\n\tmusicVol"},
      {"garbage", std::string("\x89PNG\r\n\x1a\n\0\0{}=\xff", 14)},
      {"200 MB", "", 200u << 20},
      {"the first name taken", "", 0, 1},
      {"every name taken", "", 0, 9},
      {"the move refused", "settings {\n\tfullScreen = 0\n", 0, 0, true},
      {"only the group", "settings {\n}\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempFolder home;
    myDocsFolder = home.path();
    const std::string file = home / "Data/settings.dat";
    test::WriteFile(file, c.bytes);
    if (c.size) std::filesystem::resize_file(file, c.size);
    for (int n = 1; n <= c.earlier; ++n) test::WriteFile(test::KeptAsideName(file, n), "");
    settings() = TSettings{};
    SetMoveAsideFaultForTests([&c] { return c.moveRefused; });
    const auto printed = test::StdoutLines([] { settings().load(); });
    SetMoveAsideFaultForTests(nullptr);
    const bool group = std::string(c.name) == "only the group";
    if (group) {
      // Each missing key reads as 0: a window, no custom cursor, silence; nothing moved.
      EXPECT_EQ(settings().fullScreen, 0);
      EXPECT_EQ(settings().customCursor, 0);
      EXPECT_EQ(settings().musicVol, 0.0f);
      EXPECT_EQ(settings().keptAs, "");
      EXPECT_EQ(test::ReadFile(file), c.bytes);
      continue;
    }
    EXPECT_EQ(settings().fullScreen, 1);
    EXPECT_EQ(settings().customCursor, 1);
    EXPECT_EQ(settings().musicVol, 0.5f);
    EXPECT_EQ(settings().soundVol, 0.5f);
    if (c.earlier == 9 || c.moveRefused) {
      // Nowhere to keep it: left as it is, said to be so, and nothing saved over it.
      EXPECT_TRUE(settings().unreadable);
      EXPECT_EQ(settings().keptAs, "");
      for (const auto& line : printed) EXPECT_EQ(line.find("kept as"), std::string::npos) << line;
      settings().save();
      EXPECT_EQ(test::ReadFile(file), c.bytes);
      continue;
    }
    const std::string aside = test::KeptAsideName(file, c.earlier + 1);
    EXPECT_EQ(settings().keptAs, aside);
    EXPECT_FALSE(settings().unreadable);
    EXPECT_EQ(std::filesystem::file_size(aside), c.size ? c.size : c.bytes.size());
    if (!c.size) {
      EXPECT_EQ(test::ReadFile(aside), c.bytes);
    }
    EXPECT_EQ(loadRCMFile(file)->getFloat("settings::fullScreen"), 1.0f) << "the defaults written";
  }
}

}  // namespace
}  // namespace sorvanta
