// The cheat keys are on when "cheats.txt" exists in the working folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/app.h"
#include "core/shell_test_support.h"

namespace sorvanta {
namespace {

TEST(Cheats, CheatsOnSaysWhatCheatsTxtIsInTheWorkingFolder) {
  const std::filesystem::path home = std::filesystem::current_path();
  struct Case {
    const char* what;
    int cheats;
  };
  for (const Case c : {Case{"nothing", 0}, Case{"file", 1}, Case{"folder", 2}}) {
    shell_test::ShellWorld world(shell_test::NoCapture());
    test::TempFolder dir;
    if (c.cheats == 1) test::WriteFile(dir / "cheats.txt", "");
    if (c.cheats == 2) std::filesystem::create_directory(dir / "cheats.txt");
    std::filesystem::current_path(dir.path());
    createGlobals();
    std::filesystem::current_path(home);
    EXPECT_EQ(cheatsOn, c.cheats) << c.what;
  }
}

}  // namespace
}  // namespace sorvanta
