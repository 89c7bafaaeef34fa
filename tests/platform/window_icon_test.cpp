// The window's icon: read once from its file, put on every window opened.
#include <gtest/gtest.h>

#include <string>

#include "platform/read_back.h"
#include "platform/video.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

int Occurrences(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// A picture carries over a mode switch; a file that is no picture leaves the
// default icon and is reported once, not at every window.
TEST(WindowIcon, ShownOnEveryWindowOrReportedOnce) {
  test::TempFolder folder;
  test::WriteFile(folder / "notes.png", "not a picture");
  struct Case {
    std::string path;
    bool shown;
  } cases[] = {
      {std::string(SORVANTA_SOURCE_DIR) + "/assets/gfx/icon.png", true},
      {folder / "missing.png", false},
      {folder / "notes.png", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    ::testing::internal::CaptureStdout();
    SetWindowIconFile(c.path);
    ASSERT_NE(Graphics(320, 240), nullptr);
    const bool first = WindowIconShown();
    ASSERT_NE(Graphics(640, 480), nullptr);
    const bool second = WindowIconShown();
    EndGraphics();
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(first, c.shown);
    EXPECT_EQ(second, c.shown);
    EXPECT_EQ(Occurrences(out, c.path), c.shown ? 0 : 1) << out;
    EXPECT_EQ(Occurrences(out, "\n"), c.shown ? 0 : 1) << out;
  }
}

TEST(WindowIcon, SetWhileTheWindowIsOpenReachesIt) {
  ASSERT_NE(Graphics(320, 240), nullptr);
  EXPECT_FALSE(WindowIconShown());
  SetWindowIconFile(std::string(SORVANTA_SOURCE_DIR) + "/assets/gfx/icon.png");
  EXPECT_TRUE(WindowIconShown());
  EndGraphics();
  EXPECT_FALSE(WindowIconShown());
}

}  // namespace
}  // namespace sorvanta
