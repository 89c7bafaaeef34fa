#include "platform/files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/temp_folder.h"

namespace sorvanta {
namespace {

using test::TempFolder;

TEST(Files, PathPieces) {
  EXPECT_EQ(ExtractDir("a/b/c.txt"), "a/b");
  EXPECT_EQ(ExtractDir("/c.txt"), "/");
  EXPECT_EQ(ExtractDir("a/b/"), "a");
  EXPECT_EQ(StripExt("a.d/c"), "a.d/c");  // a dot in a folder name is no extension
  EXPECT_EQ(StripAll("gfx/fonts/Font2.TTF"), "Font2");

  const std::string cwd = CurrentDir();
  EXPECT_EQ(RealPath("a/../b/./c"), (cwd == "/" ? "" : cwd) + "/b/c");
  EXPECT_EQ(RealPath("/x/../../y//z/"), "/y/z");
}

TEST(Files, TypesAndFolders) {
  TempFolder dir;
  EXPECT_EQ(FileType(dir.path()), 2);
  EXPECT_EQ(FileType(dir / "none"), 0);
  test::WriteFile(dir / "f", "x");
  EXPECT_EQ(FileType(dir / "f"), 1);
  std::filesystem::resize_file(dir / "f", std::uintmax_t{3} << 30);  // sparse, past what a 32-bit offset holds
  EXPECT_EQ(FileType(dir / "f"), 1);

  EXPECT_FALSE(CreateDir(dir / "a/b/c"));  // one level only
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

TEST(Files, HomeAndApplication) {
  ::setenv("HOME", "/somewhere/player/", 1);
  EXPECT_EQ(HomeDir(), "/somewhere/player");
  // Without a usable $HOME the password database answers; never "/".
  ::unsetenv("HOME");
  const std::string fallback = HomeDir();
  EXPECT_NE(fallback, "/");
  for (const char* unusable : {"", "/"}) {
    ::setenv("HOME", unusable, 1);
    EXPECT_EQ(HomeDir(), fallback) << unusable;
  }

  const std::string app = AppFile();
  ASSERT_FALSE(app.empty());
  EXPECT_EQ(RealPath(app), app);
  EXPECT_EQ(FileType(app), 1);
}

}  // namespace
}  // namespace sorvanta
