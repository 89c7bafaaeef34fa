#include "core/folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/globals.h"
#include "core/shell_test_support.h"
#include "platform/files.h"

namespace sorvanta {
namespace {

using shell_test::SetHome;

TEST(Folders, ResourceFolderComesFromTheApplicationPackage) {
  test::TempFolder dir;
  std::string app = dir / "Apps/G.app", res = app + "/Contents/Resources/";
  std::string exe = app + "/Contents/MacOS/G";
  std::filesystem::create_directories(res);
  // No "gfx" in the resources: paths stay relative to the working folder.
  EXPECT_EQ(BundleResourceURLFor(exe, "a.png", ""), "a.png");

  std::filesystem::create_directories(res + "gfx");
  std::filesystem::create_directories(res + "sub/gfx");
  EXPECT_EQ(BundleResourceURLFor(exe, "x.txt", ""), res + "x.txt");
  EXPECT_EQ(BundleResourceURLFor(exe, "x", "sub"), res + "sub/x");
  // The first ".app/" counts; X.debug.app reads the assets of X.app beside it.
  EXPECT_EQ(BundleResourceURLFor(app + "/Contents/Other.app/Contents/MacOS/G", "", ""), res);
  EXPECT_EQ(BundleResourceURLFor(dir / "Apps/G.debug.app/Contents/MacOS/G", "", ""), res);
}

TEST(Folders, PerUserFolderIsCreatedWithItsParentsUnderTheHome) {
  test::TempFolder home;
  std::string expected = home.path() + "/Library/Preferences/.Sorvanta";
  SetHome(home.path().c_str());
  GetDataFolders();
  EXPECT_EQ(myDocsFolder, expected);
  EXPECT_EQ(FileType(expected + "/Data"), 2);
  EXPECT_EQ(FileType(expected + "/Profiles"), 2);

  // Existing folders are left as they are; a missing one is made again.
  test::WriteFile(expected + "/Data/keep.txt", "kept");
  std::filesystem::remove(expected + "/Profiles");
  GetDataFolders();
  EXPECT_EQ(test::ReadFile(expected + "/Data/keep.txt"), "kept");
  EXPECT_EQ(FileType(expected + "/Profiles"), 2);

  // Without $HOME the password database's home serves; with no home at all,
  // the working folder: never the top of the file system.
  SetHome(nullptr);
  if (const std::string fallback = HomeDir(); !fallback.empty()) {
    EXPECT_EQ(DataFolderFor(fallback), fallback + "/Library/Preferences/.Sorvanta");
  }
  EXPECT_EQ(DataFolderFor(""), CurrentDir() + "/Library/Preferences/.Sorvanta");
  EXPECT_EQ(DataFolderFor("/home/ann/"), "/home/ann/Library/Preferences/.Sorvanta");
}

}  // namespace
}  // namespace sorvanta
