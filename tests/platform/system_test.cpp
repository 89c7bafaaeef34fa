#include "platform/system.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "draw_test_support.h"
#include "platform/harness.h"
#include "platform/image.h"
#include "platform/video.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

TEST(System, EndRunsTheHandler) {
  std::vector<std::string> log;
  // A handler that returns still stops the caller.
  SetEndHandler([&](int status) { log.push_back("end " + std::to_string(status)); });
  try {
    End(3);
    FAIL() << "End returned";
  } catch (const EndRequested& e) {
    EXPECT_EQ(e.status, 3);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"end 3"}));

  // Hooks run once.
  log.clear();
  EXPECT_THROW(End(), EndRequested);
  EXPECT_EQ(log, std::vector<std::string>{"end 0"});
}

TEST(System, MessagesWithoutDisplay) {
  ::testing::internal::CaptureStdout();
  Print("loading level: 3");
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "loading level: 3\n");

  // With the dummy video driver a notice never blocks: it goes to stderr,
  // even when the drawing layer says a window is up.
  SetNotifyWindowQuery([] { return true; });
  ::testing::internal::CaptureStderr();
  Notify("TEXTURE NOT FOUND: gfx/x.png");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "TEXTURE NOT FOUND: gfx/x.png\n");
  SetNotifyWindowQuery(nullptr);

  // Only web addresses are handed to the browser; those from data files may
  // leave out the scheme.
  std::string why;
  EXPECT_FALSE(OpenURL("file:///etc/passwd", &why));
  EXPECT_EQ(why, "not a web address");
  EXPECT_FALSE(OpenURL("/usr/bin/xterm"));
  EXPECT_EQ(WebAddress("https://example.com/a?b=1"), "https://example.com/a?b=1");
  EXPECT_EQ(WebAddress(" HTTP://Example.com \r\n"), "HTTP://Example.com");
  EXPECT_EQ(WebAddress("www.example.com/games"), "http://www.example.com/games");
  EXPECT_EQ(WebAddress("example.com:8080/x"), "http://example.com:8080/x");
  // A name with a dot but no "/" is one of the game's pages, not a host.
  for (const char* refused : {"javascript:alert(1)", "mailto:a@b.c", "file:/etc/passwd", "./run.sh", "~/x.html",
                              "localfile", "http://a.b/\x01x", "ftp://example.com", "", "about.html",
                              "www.example.com"})
    EXPECT_EQ(WebAddress(refused), "") << refused;
}

// A box's text breaks at spaces within its columns, keeps its own breaks,
// counts letters rather than bytes and cuts a word longer than a line.
TEST(System, BoxTextFitsItsColumns) {
  const std::pair<const char*, const char*> cases[] = {
      {"Your progress cannot be saved", "Your\nprogress\ncannot be\nsaved"},
      {"über alles\n\nja", "über alles\n\nja"},
      {"~/Library/Preferences/x", "~/Library/\nPreference\ns/x"},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(BoxText(text, 10), shown) << text;
}

TEST(System, OnlyTheGamesOwnPagesOpenAsLocalFiles) {
  test::TempFolder top;
  const std::string docs = top / "docs";
  test::WriteFile(docs + "/fill.html", "<p>Fill</p>");
  test::WriteFile(docs + "/help/picross page.html", "<p>Picross</p>");
  test::WriteFile(top / "secret.html", "<p>not ours</p>");
  std::filesystem::create_symlink(top / "secret.html", docs + "/away.html");
  std::filesystem::create_directories(docs + "/folder.html");
  const std::string root = std::filesystem::canonical(docs).string();
  struct Row {
    const char* page;
    std::string address;  // "" when refused
  };
  const Row rows[] = {
      {"fill.html", "file://" + root + "/fill.html"},
      {"help/picross page.html", "file://" + root + "/help/picross%20page.html"},  // blanks escaped
      {"none.html", ""},                                                           // no such page
      {"folder.html", ""},                                                         // not a file
      {"away.html", ""},                                                           // a link that leaves the folder
      {"../secret.html", ""},
      {"help/../fill.html", ""},
      {"/etc/passwd", ""},
      {"file:fill.html", ""},
      {"fill.html\n", ""},
      {"", ""},
  };
  for (const Row& r : rows) EXPECT_EQ(DocumentAddress(docs, r.page), r.address) << r.page;
  std::vector<std::string> opened;
  SetOpenURLHandlerForTests([&](const std::string& url) { return opened.push_back(url), true; });
  std::string why;
  EXPECT_TRUE(OpenDocument(docs, "fill.html"));
  EXPECT_FALSE(OpenDocument(docs, "../secret.html", &why));
  EXPECT_EQ(why, "not one of the game's documents");
  EXPECT_EQ(opened, std::vector<std::string>{rows[0].address});
  SetOpenURLHandlerForTests(nullptr);

  // With no opener program on PATH the browser cannot start: a failure, not
  // the success SDL would report.
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", docs.c_str(), 1);
  EXPECT_FALSE(OpenDocument(docs, "fill.html", &why));
  EXPECT_NE(why.find("xdg-open"), std::string::npos) << why;
  EXPECT_FALSE(OpenURL("https://example.org/", &why));
  // One that answers 0 opened the page.
  test::WriteFile(docs + "/xdg-open", "#!/bin/sh\nexit 0\n");
  std::filesystem::permissions(docs + "/xdg-open", std::filesystem::perms::owner_all);
  EXPECT_TRUE(OpenURL("https://example.org/", &why)) << why;
  ::setenv("PATH", path.c_str(), 1);
}

}  // namespace
}  // namespace sorvanta

namespace sorvanta {
namespace {

// An image kept in a static outlives the drawing layer's own statics; the
// process must still end cleanly after it was drawn, turned or plain (the
// compositor may still hold the frame's draws, run on threads of its own).
TEST(System, EndLeavesNothingForStaticImagesToFree) {
  for (float angle : {0.0f, 30.0f}) {
    EXPECT_EXIT(
        {
          SetEndHandler(nullptr);
          static std::shared_ptr<TImage> kept;
          kept = testing::SplitImage(32, 32);
          Harness h;
          SetRotation(angle);
          DrawImage(kept, 100, 100);
          h.Frame();
          End(0);
        },
        ::testing::ExitedWithCode(0), "")
        << "drawn at " << angle << " degrees";
  }
}

}  // namespace
}  // namespace sorvanta
