#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename());
  return names;
}

TEST(TextFile, LoadRecognisesEncodingsAndLoadStringTakesBytesAsLatin1) {
  TempFolder dir;
  const std::string p = dir / "t.txt";
  auto load = [&](const std::string& bytes) {
    WriteFile(p, bytes);
    return LoadText(p);
  };
  EXPECT_EQ(load("caf\xE9 \xFF"), "café ÿ");  // no mark: one Latin-1 character per byte
  EXPECT_EQ(load("\xEF\xBB\xBF" "zażółć"), "zażółć");
  EXPECT_EQ(load("\xEF\xBB\xBF" "a\xFF"), "a\xEF\xBF\xBD");
  EXPECT_EQ(load(std::string("\xFF\xFE" "A\0\x42\x01=\xD8\0\xDE", 10)), "Ał\xF0\x9F\x98\x80");
  EXPECT_EQ(load(std::string("\xFE\xFF\0A\x01\x42\xD8=\xDE\0", 10)), "Ał\xF0\x9F\x98\x80");
  // A lone surrogate and an odd last byte become replacement characters.
  EXPECT_EQ(load(std::string("\xFF\xFE\0\xD8" "A\0x", 7)), "\xEF\xBF\xBD" "A\xEF\xBF\xBD");
  EXPECT_EQ(load(""), "");

  // LoadString does not look for a mark: its bytes are characters like any other.
  WriteFile(p, "\xEF\xBB\xBF" "caf\xC3\xA9");
  EXPECT_EQ(LoadString(p), "\xC3\xAF\xC2\xBB\xC2\xBF" "caf\xC3\x83\xC2\xA9");

  for (const std::string& bad : {dir / "missing.txt", dir.path()}) {
    EXPECT_THROW(LoadText(bad), FileError) << bad;
    EXPECT_THROW(LoadString(bad), FileError) << bad;
  }
  EXPECT_THROW(LoadBytes("incbin::no-such-file"), FileError);
  EXPECT_FALSE(LoadBytes("incbin::font.ttf").empty());
}

TEST(TextFile, SavePicksNarrowOrUtf16) {
  TempFolder dir;
  const std::string p = dir / "s.dat";
  ASSERT_TRUE(SaveText("Zoë\n", p));
  EXPECT_EQ(ReadFile(p), "Zo\xEB\n");
  EXPECT_EQ(LoadText(p), "Zoë\n");

  // A name above U+00FF turns the whole file into UTF-16 with its mark.
  ASSERT_TRUE(SaveText("Łukasz", p));
  EXPECT_EQ(ReadFile(p), std::string("\xFF\xFE\x41\x01u\0k\0a\0s\0z\0", 14));
  EXPECT_EQ(LoadText(p), "Łukasz");
  ASSERT_TRUE(SaveText("smile \xF0\x9F\x98\x80", p));
  EXPECT_EQ(LoadText(p), "smile \xF0\x9F\x98\x80");
  EXPECT_FALSE(SaveText("x", dir / "no-folder/s.dat"));
}

TEST(AtomicWrite, FailureKeepsOldFile) {
  TempFolder dir;
  const std::string p = dir / "profile.dat";
  ASSERT_TRUE(AtomicWriteFile(p, "old contents"));
  for (const char* step : {"open", "write", "sync", "rename"}) {
    SetAtomicWriteFaultForTests([step](const std::string& s) { return s == step; });
    EXPECT_FALSE(AtomicWriteFile(p, "new")) << step;
    EXPECT_EQ(ReadFile(p), "old contents") << step;
    EXPECT_EQ(Names(dir.path()), std::set<std::string>{"profile.dat"}) << "temp left after " << step;
  }
  SetAtomicWriteFaultForTests(nullptr);

  // A folder in the way cannot be replaced by a file.
  ASSERT_TRUE(CreateDir(dir / "taken"));
  EXPECT_FALSE(AtomicWriteFile(dir / "taken", "x"));
  EXPECT_EQ(FileType(dir / "taken"), 2);
  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"profile.dat", "taken"}));
}

TEST(AtomicWrite, ReplacesKeepingModeAndLinks) {
  TempFolder dir;
  const std::string p = dir / "settings.dat";
  // A new file gets what the umask leaves of the usual permissions.
  const mode_t umask = ::umask(027);
  const bool made = AtomicWriteFile(p, "one");
  ::umask(umask);
  ASSERT_TRUE(made);
  struct stat st {};
  ASSERT_EQ(::stat(p.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  ASSERT_EQ(::chmod(p.c_str(), 0604), 0);
  ASSERT_TRUE(AtomicWriteFile(p, "two"));
  EXPECT_EQ(ReadFile(p), "two");
  ASSERT_EQ(::stat(p.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0604u);

  const std::string link = dir / "link.dat";
  ASSERT_EQ(::symlink(p.c_str(), link.c_str()), 0);
  ASSERT_TRUE(AtomicWriteFile(link, "three"));
  EXPECT_EQ(ReadFile(p), "three");
  ASSERT_EQ(::lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
}

// Only a regular file is replaced: whatever else stands at the target, after
// its links, fails the save with one line, its own cause, and is left as it
// was. (A pipe stands for devices, which a test run as root must not risk.)
TEST(AtomicWrite, RefusesTargetsThatAreNotRegularFiles) {
  struct Case {
    const char* name;
    std::function<void(const TempFolder&)> make;
    int cause;
  };
  const Case cases[] = {
      {"pipe", [](const TempFolder& d) { ASSERT_EQ(::mkfifo((d / "t").c_str(), 0600), 0); }, kCauseNotAFile},
      {"link to a pipe",
       [](const TempFolder& d) {
         ASSERT_EQ(::mkfifo((d / "pipe").c_str(), 0600), 0);
         ASSERT_EQ(::symlink("pipe", (d / "t").c_str()), 0);
       },
       kCauseNotAFile},
      {"link to a folder",
       [](const TempFolder& d) {
         ASSERT_TRUE(CreateDir(d / "folder"));
         ASSERT_EQ(::symlink("folder", (d / "t").c_str()), 0);
       },
       EISDIR},
      {"dangling link", [](const TempFolder& d) { ASSERT_EQ(::symlink("gone", (d / "t").c_str()), 0); }, ENOENT},
      {"loop of links",
       [](const TempFolder& d) {
         ASSERT_EQ(::symlink("u", (d / "t").c_str()), 0);
         ASSERT_EQ(::symlink("t", (d / "u").c_str()), 0);
       },
       ELOOP},
  };
  for (const Case& c : cases) {
    TempFolder dir;
    c.make(dir);
    const std::set<std::string> before = Names(dir.path());
    struct stat was {};
    ASSERT_EQ(::lstat((dir / "t").c_str(), &was), 0) << c.name;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(AtomicWriteFile(dir / "t", "x")) << c.name;
    const int cause = errno;
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c.name << ": " << err;
    EXPECT_EQ(cause, c.cause) << c.name << ": " << CauseText(cause);
    EXPECT_EQ(Names(dir.path()), before) << c.name;
    struct stat now {};
    ASSERT_EQ(::lstat((dir / "t").c_str(), &now), 0) << c.name;
    EXPECT_EQ(now.st_mode & S_IFMT, was.st_mode & S_IFMT) << c.name;
  }
}

// What interrupted saves left is swept by the next save of the same target:
// the fixed name of older builds (a planted link there is not followed) and
// unique names no writer holds; other targets' files stay.
TEST(AtomicWrite, NextSaveSweepsWhatInterruptedSavesLeft) {
  TempFolder dir;
  const std::string p = dir / "settings.dat";
  WriteFile(p + ".tmp", "left by an older build");
  WriteFile(p + ".tmp-a1B2c3", "left by a killed save");
  WriteFile(dir / "profile.dat.tmp-a1B2c3", "another target's");
  WriteFile(dir / "victim", "untouched");
  ASSERT_TRUE(AtomicWriteFile(p, "one"));
  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"settings.dat", "profile.dat.tmp-a1B2c3", "victim"}));

  ASSERT_EQ(::symlink("victim", (p + ".tmp").c_str()), 0);
  ASSERT_TRUE(AtomicWriteFile(p, "two"));
  EXPECT_EQ(ReadFile(p), "two");
  EXPECT_EQ(ReadFile(dir / "victim"), "untouched");
  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"settings.dat", "profile.dat.tmp-a1B2c3", "victim"}));
}

// Two writers of one file at once (a second copy of the game, another
// program): each writes a file of its own and neither sweeps the other's
// away, so both succeed and the file holds one of them whole.
TEST(AtomicWrite, TwoWritersAtOnceNeverMixOrFail) {
  TempFolder dir;
  const std::string p = dir / "profile.dat";
  const std::string first(50000, 'A'), second(70000, 'B');
  bool secondDone = false, nested = false;
  std::set<std::string> during;
  SetAtomicWriteFaultForTests([&](const std::string& step) {
    // The second writer runs whole while the first stands before its rename.
    if (step != "rename" || nested) return false;
    nested = true;
    during = Names(dir.path());
    secondDone = AtomicWriteFile(p, second);
    return false;
  });
  EXPECT_TRUE(AtomicWriteFile(p, first));
  SetAtomicWriteFaultForTests(nullptr);
  EXPECT_TRUE(secondDone);
  ASSERT_EQ(during.size(), 1u);
  EXPECT_EQ(during.begin()->size(), std::string("profile.dat.tmp-XXXXXX").size());
  EXPECT_EQ(ReadFile(p), first);  // the last rename wins, whole
  EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"profile.dat"}));
}

}  // namespace
}  // namespace sorvanta
