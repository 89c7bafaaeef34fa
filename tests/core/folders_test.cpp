#include "core/folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/globals.h"
#include "platform/files.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    if (value) ::setenv(name, value, 1); else ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (had_) ::setenv(name_, old_.c_str(), 1); else ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

TEST(Folders, ResourceFolderComesFromTheApplicationPackage) {
  TempFolder dir;
  std::string app = dir / "Apps/G.app";
  std::string exe = app + "/Contents/MacOS/G";
  std::filesystem::create_directories(app + "/Contents/MacOS");
  std::filesystem::create_directories(app + "/Contents/Resources");
  // No "gfx" in the resources: paths stay relative to the working folder.
  EXPECT_EQ(BundleResourceURLFor(exe, "", ""), "");
  EXPECT_EQ(BundleResourceURLFor(exe, "a.png", ""), "a.png");

  std::filesystem::create_directories(app + "/Contents/Resources/gfx");
  EXPECT_EQ(BundleResourceURLFor(exe, "", ""), app + "/Contents/Resources/");
  EXPECT_EQ(BundleResourceURLFor(exe, "x.txt", ""), app + "/Contents/Resources/x.txt");
  std::filesystem::create_directories(app + "/Contents/Resources/sub/gfx");
  EXPECT_EQ(BundleResourceURLFor(exe, "x", "sub"), app + "/Contents/Resources/sub/x");

  // The first ".app/" counts; X.debug.app reads the assets of X.app beside it.
  EXPECT_EQ(BundleResourceURLFor(app + "/Contents/Other.app/Contents/MacOS/G", "", ""),
            app + "/Contents/Resources/");
  EXPECT_EQ(BundleResourceURLFor(dir / "Apps/G.debug.app/Contents/MacOS/G", "", ""),
            app + "/Contents/Resources/");
  // Outside any package the relative "app/Contents/Resources/" is tried.
  EXPECT_EQ(BundleResourceURLFor("/usr/bin/game", "f", ""), "f");
}

TEST(Folders, PerUserFolderIsCreatedWithItsParentsUnderTheHome) {
  TempFolder home;
  std::string savedDocs = myDocsFolder;
  {
    ScopedEnv env("HOME", home.path().c_str());
    GetDataFolders();
  }
  std::string expected = home.path() + "/Library/Preferences/.Sorvanta";
  EXPECT_EQ(myDocsFolder, expected);
  EXPECT_EQ(FileType(expected), 2);
  EXPECT_EQ(FileType(expected + "/Data"), 2);
  EXPECT_EQ(FileType(expected + "/Profiles"), 2);

  // Existing folders are left as they are; a missing one is made again.
  WriteFile(expected + "/Data/keep.txt", "kept");
  std::filesystem::remove(expected + "/Profiles");
  {
    ScopedEnv env("HOME", home.path().c_str());
    GetDataFolders();
  }
  EXPECT_EQ(ReadFile(expected + "/Data/keep.txt"), "kept");
  EXPECT_EQ(FileType(expected + "/Profiles"), 2);
  myDocsFolder = savedDocs;
}

TEST(Folders, NoHomeNeverMeansTheTopOfTheFileSystem) {
  // Without $HOME the password database's home serves.
  {
    ScopedEnv env("HOME", nullptr);
    std::string home = HomeDir();
    if (!home.empty()) {
      EXPECT_EQ(DataFolderFor(home), home + "/Library/Preferences/.Sorvanta");
    }
  }
  // With no home at all the working folder takes its place.
  EXPECT_EQ(DataFolderFor(""), CurrentDir() + "/Library/Preferences/.Sorvanta");
  EXPECT_EQ(DataFolderFor("/home/ann/"), "/home/ann/Library/Preferences/.Sorvanta");
}

}  // namespace
}  // namespace sorvanta
