#include "platform/files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <unistd.h>

#include "support/temp_folder.h"

namespace sorvanta {
namespace {

using test::TempFolder;

TEST(Files, PathPieces) {
  EXPECT_EQ(ExtractDir("a/b/c.txt"), "a/b");
  EXPECT_EQ(ExtractDir("c.txt"), "");
  EXPECT_EQ(ExtractDir("/c.txt"), "/");
  EXPECT_EQ(ExtractDir("a/b/"), "a");
  EXPECT_EQ(StripDir("a/b/c.txt"), "c.txt");
  EXPECT_EQ(ExtractExt("a/b/c.tar.gz"), "gz");
  EXPECT_EQ(ExtractExt("a.d/c"), "");
  EXPECT_EQ(StripExt("gfx/atlas.png"), "gfx/atlas");
  EXPECT_EQ(StripExt("a.d/c"), "a.d/c");
  EXPECT_EQ(StripAll("gfx/fonts/Font2.TTF"), "Font2");
  EXPECT_EQ(StripAll("bg_3_x.jpg"), "bg_3_x");

  const std::string cwd = CurrentDir();
  EXPECT_EQ(RealPath("a/../b/./c"), (cwd == "/" ? "" : cwd) + "/b/c");
  EXPECT_EQ(RealPath("/x/../../y//z/"), "/y/z");
  EXPECT_EQ(RealPath("/"), "/");
}

TEST(Files, TypesAndFolders) {
  TempFolder dir;
  EXPECT_EQ(FileType(dir.path()), 2);
  EXPECT_EQ(FileType(dir / "none"), 0);
  EXPECT_EQ(FileType(""), 0);
  test::WriteFile(dir / "f", "x");
  EXPECT_EQ(FileType(dir / "f"), 1);

  EXPECT_FALSE(CreateDir(dir / "a/b/c"));  // one level only
  EXPECT_EQ(FileType(dir / "a"), 0);
  EXPECT_TRUE(CreateDir(dir / "a/b/c/", true));
  EXPECT_EQ(FileType(dir / "a/b/c"), 2);
  EXPECT_TRUE(CreateDir(dir / "a"));  // already there
  EXPECT_FALSE(CreateDir(dir / "f"));  // a file is in the way
  EXPECT_FALSE(CreateDir(dir / "f/sub", true));
  EXPECT_FALSE(CreateDir(""));

  const std::string before = CurrentDir();
  ASSERT_TRUE(ChangeDir(dir / "a"));
  EXPECT_EQ(FileType("b"), 2);
  ASSERT_TRUE(ChangeDir(before));
  EXPECT_FALSE(ChangeDir(dir / "none"));
}

class HomeEnv {
 public:
  HomeEnv() {
    if (const char* h = std::getenv("HOME")) saved_ = h;
  }
  ~HomeEnv() {
    if (saved_) {
      ::setenv("HOME", saved_->c_str(), 1);
    } else {
      ::unsetenv("HOME");
    }
  }

 private:
  std::optional<std::string> saved_;
};

TEST(Files, HomeAndApplication) {
  HomeEnv restore;
  ::setenv("HOME", "/somewhere/player/", 1);
  EXPECT_EQ(HomeDir(), "/somewhere/player");
  // Without a usable $HOME the password database answers; never "/".
  ::setenv("HOME", "", 1);
  const std::string fallback = HomeDir();
  EXPECT_NE(fallback, "/");
  ::unsetenv("HOME");
  EXPECT_EQ(HomeDir(), fallback);
  ::setenv("HOME", "/", 1);
  EXPECT_EQ(HomeDir(), fallback);

  const std::string app = AppFile();
  ASSERT_FALSE(app.empty());
  EXPECT_EQ(app[0], '/');
  EXPECT_EQ(RealPath(app), app);
  EXPECT_EQ(FileType(app), 1);
}

}  // namespace
}  // namespace sorvanta
