// The more-games screen: its slots, slides and rotation, the pointer on the
// current picture, the keys, a quit request, and the shipped entries.
#include "screens/more_games.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "core/shell_test_support.h"
#include "formats/rcm_file.h"
#include "formats/txt_file.h"
#include "gui/img.h"
#include "platform/input.h"
#include "platform/read_back.h"
#include "platform/system.h"
#include "platform/video.h"
#include "screens/pop_up.h"
#include "support/shot.h"
#include "support/stdout_lines.h"

namespace sorvanta {
namespace {

// An asset folder that is the repository's, but for its own entries file.
struct MoreGamesWorld : ::testing::Test {
  MoreGamesWorld() : world(shell_test::NoCapture()) {}
  void SetUp() override {
    const std::string assets = bDir;
    for (const char* sub : {"gfx", "txt"})
      std::filesystem::create_directory_symlink(assets + sub, folder.path() + "/" + sub);
    std::filesystem::create_directories(folder.path() + "/data");
    bDir = folder.path() + "/";
    SetOpenURLHandlerForTests([this](const std::string& url) { return opened.push_back(url), true; });
    moreGames = screen = std::make_shared<TMoreGames>();
  }
  // n entries with ids 1..n; those in missing name no picture file.
  void Entries(int n, std::vector<int> missing = {}) {
    std::string text = "games {\n i = " + std::to_string(n) + "\n";
    for (int k = 1; k <= n; ++k) {
      const bool gone = std::find(missing.begin(), missing.end(), k) != missing.end();
      text += " game" + std::to_string(k) + " {\n  id = " + std::to_string(k) + "\n  gfx = \"" +
              (gone ? "gfx/gui/more/none.png" : "gfx/gui/more/home.png") + "\"\n  url = \"https://example.org/g" +
              std::to_string(k) + "\"\n }\n";
    }
    test::WriteFile(folder.path() + "/data/MORE_GAMES.dat", text + "}\n");
    screen->setup();
  }
  int CentreId() const { return screen->games[screen->ind]->id; }
  // Slides until the row rests again.
  void Settle() {
    for (int f = 0; f < 40 && (screen->p != 0 || screen->dP != 0); ++f) screen->_updateGames();
  }

  shell_test::ShellWorld world;
  test::TempFolder folder;
  std::shared_ptr<TMoreGames> screen;
  std::vector<std::string> opened;
};

TEST_F(MoreGamesWorld, EntriesSitFromTheCentreSlotWithBlankSlotsAround) {
  struct Row {
    int n;
    int slots;
    int ind;
  };
  for (const Row& r : {Row{0, 4, 2}, Row{1, 6, 3}, Row{3, 10, 5}}) {
    Entries(r.n);
    ASSERT_EQ(static_cast<int>(screen->games.size()), r.slots) << r.n;
    EXPECT_EQ(screen->ind, r.ind) << r.n;
    for (int i = 0; i < r.slots; ++i) {
      const auto& g = *screen->games[i];
      const bool entry = i >= r.ind && i < r.ind + r.n;
      EXPECT_EQ(g.img != nullptr, entry) << r.n << " slot " << i;
      if (entry) {
        EXPECT_EQ(g.id, i - r.ind + 1);
      }
      const int d = i - r.ind;
      EXPECT_FLOAT_EQ(g.x, d >= 0 ? 210 + 200 * d : 210 + 600 * d) << r.n << " slot " << i;
      EXPECT_NEAR(g.s, d >= 0 ? std::pow(0.8, d) : std::pow(1.2, -d), 1e-4) << r.n << " slot " << i;
      EXPECT_EQ(g.a, d >= 0 ? 1 : 0) << r.n << " slot " << i;
    }
  }
}

TEST_F(MoreGamesWorld, SlidesStopAtBothEndsOfTheRowAndAtABlankSlot) {
  struct Row {
    int n;
    std::vector<int> missing;
    int reachable;
  };
  for (const Row& r : {Row{1, {}, 1}, Row{3, {}, 3}, Row{3, {2}, 1}}) {
    Entries(r.n, r.missing);
    screen->_next();
    EXPECT_EQ(screen->dP, 0) << "nothing precedes the first entry";
    for (int k = 0; k < 5; ++k) {
      screen->_prev();
      Settle();
    }
    EXPECT_EQ(CentreId(), r.reachable) << r.n;
    EXPECT_FLOAT_EQ(screen->games[screen->ind]->x, 210);
    for (int k = 0; k < 5; ++k) {
      screen->_next();
      Settle();
    }
    EXPECT_EQ(CentreId(), 1) << r.n;
  }
}

TEST_F(MoreGamesWorld, RotationMovesEverySlotsContentCyclically) {
  Entries(1);
  for (auto& slot : screen->games) slot->url = std::to_string(&slot - &screen->games[0]);
  auto urls = [this] {
    std::string s;
    for (auto& slot : screen->games) s += slot->url;
    return s;
  };
  screen->moveAllLeft();
  EXPECT_EQ(urls(), "123450");
  screen->moveAllRight();
  screen->moveAllRight();
  EXPECT_EQ(urls(), "501234");
  EXPECT_FLOAT_EQ(screen->games[screen->ind]->x, 210) << "laid out again";
  EXPECT_EQ(screen->games[screen->ind]->url, "2");
}

TEST_F(MoreGamesWorld, OnlyTheCurrentPictureOpensItsAddressAtItsRestingPlace) {
  Entries(2);
  // The picture is 300 x 280 about (210, 340): 60..360 by 200..480 at rest.
  struct Row {
    float p;
    float x, y;
    bool opens;
  };
  const Row rows[] = {
      {0, 60, 200, true},      {0, 360, 480, true}, {0, 59, 340, false}, {0, 210, 500, false},  // the label below it
      {0, 410, 340, false},                                                                     // the following entry
      {-0.5f, 40, 340, true},  // a slide to the left: the picture grows about its resting x
      {-0.5f, 35, 340, false},
  };
  for (const Row& r : rows) {
    opened.clear();
    screen->p = screen->dP = r.p;
    mouse->x = r.x, mouse->y = r.y;
    mouse->leftPressed = 1;
    screen->_updateGames();
    EXPECT_EQ(!opened.empty(), r.opens) << r.p << " at " << r.x << "," << r.y;
    if (r.opens) {
      EXPECT_EQ(opened, std::vector<std::string>{"https://example.org/g1"});
      EXPECT_EQ(mouse->leftPressed, 0) << "the press is used up";
    }
  }
  // A refused address is reported in one line and the screen goes on.
  SetOpenURLHandlerForTests([](const std::string&) { return false; });
  screen->p = screen->dP = 0;
  mouse->x = 210, mouse->y = 340, mouse->leftPressed = 1;
  EXPECT_EQ(test::StdoutLines([this] { screen->_updateGames(); }).size(), 1u);
  EXPECT_EQ(screen->over, screen->games[screen->ind]);
}

TEST_F(MoreGamesWorld, HeldArrowsSlideOnOneEntryPerSlideAndBothTogetherGoRight) {
  Entries(3);
  world.h().SetFrameCap(400);
  // An Escape pressed on the main menu, which reads none: not for this screen.
  world.h().HitKey(KEY_ESCAPE);
  world.h().Frame();
  // Left held for a while: to the last entry, the next slide starting in
  // the frame the previous one ends. Then both arrows: one slide back.
  world.h().Wait(5).PressKey(KEY_LEFT).Wait(100).ReleaseKey(KEY_LEFT);
  world.h().Wait(10).PressKey(KEY_LEFT).PressKey(KEY_RIGHT).Wait(3).ReleaseKey(KEY_LEFT).ReleaseKey(KEY_RIGHT);
  world.h().Wait(40).HitKey(KEY_ESCAPE);
  struct Watch : TMoreGames {
    std::vector<int> centre;
    std::vector<float> progress;
    void update() override {
      TMoreGames::update();
      centre.push_back(games[ind]->id);
      progress.push_back(p);
    }
  };
  auto watch = std::make_shared<Watch>();
  screen = watch;
  EXPECT_EQ(watch->mainLoop(), kStateMainMenu);
  std::vector<int> visits;
  for (int id : watch->centre)
    if (visits.empty() || visits.back() != id) visits.push_back(id);
  EXPECT_EQ(visits, (std::vector<int>{1, 2, 3, 2}));
  const auto firstEnd = std::find(watch->centre.begin(), watch->centre.end(), 2) - watch->centre.begin();
  EXPECT_NE(watch->progress[firstEnd + 1], 0) << "the held key started the next slide at once";
}

// "Next" shows the following entry, "Previous" the one before, "Back" leaves.
TEST_F(MoreGamesWorld, TheButtonsSlideOneEntryAndBackLeaves) {
  Entries(3);
  world.h().SetFrameCap(400);
  for (const char* button : {"NEXT", "NEXT", "PREV", "EXIT"}) {
    auto [x, y] = world.Centre(screen->gui, button);
    world.ClickAt(x, y, 40);
  }
  struct Watch : TMoreGames {
    std::vector<int> centre;
    void update() override {
      TMoreGames::update();
      if (centre.empty() || centre.back() != games[ind]->id) centre.push_back(games[ind]->id);
    }
  };
  auto watch = std::make_shared<Watch>();
  screen = watch;
  EXPECT_EQ(watch->mainLoop(), kStateMainMenu);
  EXPECT_EQ(watch->centre, (std::vector<int>{1, 2, 3, 2}));
}

// The frame's system step runs here as on every screen: the full-screen key
// switches the mode, a close request ends the game with its players saved.
TEST_F(MoreGamesWorld, FullScreenKeyAndCloseRequestWorkHere) {
  Entries(1);
  ASSERT_FALSE(GraphicsFullScreen());
  world.h().Wait(3).HitKey(KEY_F11).Wait(3).RequestQuit();
  world.h().SetFrameCap(50);
  EXPECT_THROW(screen->mainLoop(), EndRequested);
  EXPECT_TRUE(GraphicsFullScreen());
  EXPECT_EQ(world.endStatus, 0);
  EXPECT_EQ(world.recProfiles->saves, 1);
}

// A page that cannot be opened is told in the game's own pop-up, over this
// screen, which goes on after it.
TEST_F(MoreGamesWorld, AnAddressThatCannotOpenIsToldInThePopUp) {
  Entries(1);
  // The real opener, as xdg-open is with no browser behind it: it says so
  // at once, with status 3.
  SetOpenURLHandlerForTests(nullptr);
  test::WriteFile(folder.path() + "/bin/xdg-open", "#!/bin/sh\nexit 3\n");
  std::filesystem::permissions(folder.path() + "/bin/xdg-open", std::filesystem::perms::owner_all);
  const std::string path = std::getenv("PATH");
  ::setenv("PATH", (folder.path() + "/bin").c_str(), 1);
  world.ClickAt(210, 340, 5);
  world.h().Wait(10).HitKey(KEY_ESCAPE).Wait(40).HitKey(KEY_ESCAPE);
  world.h().SetFrameCap(200);
  EXPECT_EQ(screen->mainLoop(), kStateMainMenu);
  ::setenv("PATH", path.c_str(), 1);
  // The notice names the page and the way to a browser.
  for (const char* said : {"https://example.org/g1", "xdg-utils"})
    EXPECT_NE(popUp->txt.find(said), std::string::npos) << popUp->txt;
  EXPECT_EQ(popUp->ekran, screen);
  EXPECT_TRUE(screen->notOpened.empty());
}

// The shipped row at rest and halfway through a slide; pictures for looking
// at with $SORVANTA_SHOT_DIR. Always checked: the current picture and the
// first following one are drawn over the background.
TEST(MoreGamesShots, TheRowAtRestAndSliding) {
  shell_test::ShellWorld world;
  TMoreGames screen;
  screen.prepare();
  screen.fade = 0;
  mouse->x = 210, mouse->y = 340;
  for (float p : {0.0f, -0.5f}) {
    screen.p = screen.dP = p;
    screen._updateGames();
    Cls();
    screen.draw();
    world.h().Frame();
    const std::uint32_t back = world.h().Pixel(5, 5);
    for (float x : {210.0f, 410.0f}) EXPECT_NE(world.h().Pixel(x, 340), back) << p << " at " << x;
    if (p == 0) {  // the titles' gold over the sky, above each card at rest
      for (int card = 0; card < 4; ++card) {
        const float cx = 210 + 200 * card, scale = std::pow(0.8f, static_cast<float>(card));
        const float top = 340 - (140 + TMoreGames::kTitleRise) * scale;
        int gold = 0;
        for (float y = top; y < top + 30 * scale; ++y)
          for (float x = cx - 40 * scale; x < cx + 40 * scale; ++x) {
            const std::uint32_t c = world.h().Pixel(x, y);
            gold += (c >> 16 & 255) > 200 && (c >> 8 & 255) > 150 && (c & 255) < 120;
          }
        EXPECT_GT(gold, 20) << "card " << card;
      }
    }
    test::Shot(world.h(), p == 0 ? "more_rest" : "more_slide");
  }
}

// Every shipped entry, clicked in turn: a page name reaches the browser as
// the file:// address of the page shipped in the assets' docs/ (where the
// install puts it beside the game's other assets), an https address as it is.
TEST(MoreGamesContent, FourToSixEntriesAndTheAddressEachHandsTheBrowser) {
  shell_test::ShellWorld world(shell_test::NoCapture());
  std::vector<std::string> opened;
  SetOpenURLHandlerForTests([&](const std::string& url) { return opened.push_back(url), true; });
  auto data = loadRCMFile(bDir + "data/MORE_GAMES.dat");
  const int n = static_cast<int>(data->getFloat("games::i", 0, 0));
  EXPECT_GE(n, 4);
  EXPECT_LE(n, 6);
  auto screen = std::make_shared<TMoreGames>();
  screen->setup();
  const std::string docs = std::filesystem::canonical(bDir + "docs").string();
  for (int k = 1; k <= n; ++k) {
    const std::string url = data->getString("games::game" + std::to_string(k) + "::url", 0);
    const bool web = url.rfind("https://", 0) == 0;
    opened.clear();
    mouse->x = 210, mouse->y = 340, mouse->leftPressed = 1;
    screen->_updateGames();
    EXPECT_EQ(opened, std::vector<std::string>{web ? url : "file://" + docs + "/" + url}) << k;
    auto img = LoadImg2(bDir + data->getString("games::game" + std::to_string(k) + "::gfx", 0), -1);
    EXPECT_NEAR(ImgWidth(img), 300, 50) << k;
    EXPECT_NEAR(ImgHeight(img), 280, 50) << k;
    EXPECT_FALSE(screen->games[screen->ind]->title.empty()) << k;
    screen->moveAllLeft();
  }
}

}  // namespace
}  // namespace sorvanta
