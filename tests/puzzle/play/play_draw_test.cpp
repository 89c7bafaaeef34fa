// The play screen's frame drawn headless on the fixture levels and the
// shipped tutorials: what shows on each ruleset, the mistakes counter, the
// blink ramp and the tutorial curve. With SORVANTA_SHOT_DIR set, frames are
// also written there as PPM pictures to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "gui/gui_types.h"
#include "gui/my_font.h"
#include "platform/video.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/color.h"
#include "puzzle/board/number.h"
#include "puzzle/board/tile.h"
#include "puzzle/board/tile_data.h"
#include "puzzle/play/level_summary.h"
#include "puzzle/play/lose_screen.h"
#include "platform/draw_test_support.h"
#include "puzzle/play_test_support.h"

#include "support/shot.h"

namespace sorvanta {
namespace {

using test::Shot;

using test::ScriptedGame;
using test::StdoutLines;

int R(std::uint32_t p) { return (p >> 16) & 255; }
int G(std::uint32_t p) { return (p >> 8) & 255; }
int B(std::uint32_t p) { return p & 255; }

class PlayDraw : public test::PlayTest {
 protected:
  PlayDraw() : PlayTest(true) {}
  // Plays level for a few frames (script runs before each frame's end) and
  // keeps the last one.
  void Frame(const std::shared_ptr<TLevel>& level, int tryb, std::function<void(ScriptedGame&)> pose = {}) {
    if (!game->panel) StdoutLines([&] { game->setup(); });
    player->tryb = tryb;
    Play(level, [&](ScriptedGame& g, int f) {
      if (pose) pose(g);
      if (f == 90) g._exit = 1;
    });
  }
  // Pixels in the rectangle that match.
  int Count(int x, int y, int w, int h, const std::function<bool(std::uint32_t)>& match) {
    int n = 0;
    for (int yy = y; yy < y + h; ++yy)
      for (int xx = x; xx < x + w; ++xx) n += match(world.h().Pixel(xx, yy)) ? 1 : 0;
    return n;
  }
  // Pixels of the two squares (half-side half, centred on a and b) whose
  // channels differ by more than 40 in all.
  int Differs(float ax, float ay, float bx, float by, int half) {
    int n = 0;
    for (int dy = -half; dy <= half; ++dy)
      for (int dx = -half; dx <= half; ++dx) {
        const auto p = world.h().Pixel(ax + dx, ay + dy), q = world.h().Pixel(bx + dx, by + dy);
        n += std::abs(R(p) - R(q)) + std::abs(G(p) - G(q)) + std::abs(B(p) - B(q)) > 40 ? 1 : 0;
      }
    return n;
  }
  std::shared_ptr<TLevel> Shipped(const std::string& path) {
    std::shared_ptr<TLevel> level;
    StdoutLines([&] { level = LoadLevel(std::string(SORVANTA_SOURCE_DIR) + "/assets/" + path); });
    return level;
  }
};

auto red = [](std::uint32_t p) { return R(p) > 200 && G(p) < 60 && B(p) < 60; };

TEST_F(PlayDraw, EachRulesetShowsItsOwnPanelParts) {
  // Fill: no mistakes counter, however many mistakes the level holds.
  auto fill = Load("fill.lvl");
  Frame(fill, 0, [](ScriptedGame& g) {
    g.level->mistakes = 6;
    g.butA = 1;
  });
  Shot(world.h(), "fixture-fill");
  EXPECT_EQ(Count(900, 360, 40, 26, red), 0);
  // The help band darkens the bottom for a Fill player, on any board.
  Frame(Load("picross.lvl"), 0, [](ScriptedGame& g) { g.butA = 1; });
  const auto band = world.h().Pixel(20, 740);
  // Picross: "6 / 5" with a red 6 left of x 940 and nothing red right of it;
  // no help band for a Picross player whatever butA holds.
  auto picross = Load("picross.lvl");
  Frame(picross, 1, [](ScriptedGame& g) {
    g.level->mistakes = 6;
    g.level->maxMistakes = 5;
    g.butA = 1;
  });
  Shot(world.h(), "fixture-picross");
  EXPECT_GT(Count(900, 360, 40, 26, red), 5);
  EXPECT_EQ(Count(945, 360, 60, 26, red), 0);
  EXPECT_EQ(game->mistTxt, "6 / 5");
  const auto noBand = world.h().Pixel(20, 740);
  EXPECT_LT(R(band) + G(band) + B(band), R(noBand) + G(noBand) + B(noBand));
}

TEST_F(PlayDraw, WronglyPaintedCellsBlinkAndStopWhenTheListEmpties) {
  auto fill = Load("fill.lvl");
  game->level = fill;
  game->badTiles.push_back(fill->tile.get(0, 0));
  std::vector<float> ramp;
  for (int i = 0; i < 40; ++i) {
    game->_drawBadTiles();
    ramp.push_back(game->batAlpha);
  }
  EXPECT_FLOAT_EQ(ramp[19], 1.0f);
  EXPECT_LT(ramp[18], 1.0f);
  EXPECT_NEAR(ramp[39], 0.0f, 1e-5f);
  game->badTiles.clear();
  game->batAlpha = 0.5f;
  game->_drawBadTiles();
  EXPECT_EQ(game->batAlpha, 0.0f);
  EXPECT_EQ(game->dBatAlpha, 0.0f);
}

// The tutorial's curve, on grey: one line of its colour (truncated), from its start,
// nothing beside it, and it stops short of its end.
TEST_F(PlayDraw, TutorialCurveIsOneLineOfItsColourStoppingShortOfItsEnd) {
  SetClsColor(128, 128, 128);
  Cls();
  auto azure = std::make_shared<TRGB>(TRGB{0, 127.9f, 255});
  game->_drawSpecArrow(0, 20, 100, 20, 50, 20, azure);
  Flip();
  testing::ExpectPixels(world.h(), {{0, 20, 0x007fff}, {50, 20, 0x007fff}, {95, 20, 0x007fff}, {50, 19, 0x808080},
                           {50, 21, 0x808080}, {50, 18, 0x808080}, {50, 22, 0x808080}, {96, 20, 0x808080},
                           {99, 20, 0x808080}});
}

TEST_F(PlayDraw, ShippedTutorialsShowThePointedCellAndTheHelpText) {
  // With SORVANTA_SHOT_DIR set, the frames are also written as pictures.
  test::LoadBoardArt();
  auto white = [](std::uint32_t p) { return R(p) > 200 && G(p) > 200 && B(p) > 200; };
  Frame(Shipped("data/levels/l-tutorial1.lvl"), 0);
  Shot(world.h(), "tutorial-fill");
  // Hover comes from the pointer: the input step recomputes it every frame.
  Frame(Shipped("data/levelSM/level-tutorial-1.lvl"), 1, [this](ScriptedGame& g) {
    if (g.frame == 30) world.h().MoveMouse(g.level->atiles.get(1, 1)->x, g.level->atiles.get(1, 1)->y);
    g.level->mistakes = 2;
  });
  Shot(world.h(), "tutorial-picross");
  {
    // The pointed cell lights up; its row's and column's clues turn red, no others.
    const auto& cells = game->level->atiles;
    auto cell = [&](int r, int c) { return cells.get(r, c); };
    const int half = static_cast<int>(game->level->tileW * game->level->scale / 2) - 2;
    EXPECT_GT(Differs(cell(1, 1)->x, cell(1, 1)->y, cell(3, 3)->x, cell(3, 3)->y, half / 2), half * half / 2);
    EXPECT_LT(Differs(cell(3, 2)->x, cell(3, 2)->y, cell(3, 3)->x, cell(3, 3)->y, half / 2), half / 2);
    auto rowClue = [&](int r) { return Count(cell(r, 0)->x - 3 * half - 20, cell(r, 0)->y - 10, 3 * half, 20, red); };
    auto colClue = [&](int c) { return Count(cell(0, c)->x - 10, cell(0, c)->y - 3 * half - 20, 20, 3 * half, red); };
    EXPECT_GT(rowClue(1), 5);
    EXPECT_GT(colClue(1), 5);
    EXPECT_EQ(rowClue(3), 0);
    EXPECT_EQ(colClue(3), 0);
  }
  Frame(Shipped("data/levelSM/level-tutorial-3.lvl"), 1);
  Shot(world.h(), "tutorial-picross-3");
  Frame(Shipped("data/levels/l-tutorial7.lvl"), 0, [](ScriptedGame& g) { g.butA = 1; });
  Shot(world.h(), "tutorial-fill-7");
  // The help text in the band at the bottom.
  EXPECT_GT(Count(40, 725, 820, 40, white), 300);
  Frame(Shipped("data/levels/l-tutorial7.lvl"), 0, [](ScriptedGame& g) { g.butA = 0; });
  EXPECT_EQ(Count(40, 725, 820, 40, white), 0);
}

// Frames of the panels over the board: the summary and its statistics page
// over the win zoom, the lose panel over the falling board.
struct ShootingSummary : TLevelSummary {
  Harness* h = nullptr;
  int f = 0;
  void update() override {
    TLevelSummary::update();
    if (++f == 60) Shot(*h, "win-summary"), SwitchStats();
    if (f == 100) Shot(*h, "win-stats"), goPlay();
  }
};
struct ShootingLose : TLoseScreen {
  Harness* h = nullptr;
  int f = 0;
  void update() override {
    TLoseScreen::update();
    if (++f == 40) {
      Shot(*h, "lose-panel");
      dAlpha = 0, dFade = 0;
    }
  }
};

TEST_F(PlayDraw, DragPreviewPanelsAndFillMarks) {
  // With SORVANTA_SHOT_DIR set, the frames are also written as pictures.
  StdoutLines([] {
    setupTiles();
    setupColors();
  });
  // Left button held on cell (1, 1) and dragged along the row to (1, 4).
  Frame(Shipped("data/levelSM/level-tutorial-1.lvl"), 1, [this](ScriptedGame& g) {
    g.level->mistakes = 2;
    if (g.frame != 30) return;
    auto at = [&](int c) { return g.level->atiles.get(1, c); };
    world.h().MoveMouse(at(1)->x, at(1)->y).Wait(3).PressMouse(1).Wait(3).MoveMouse(at(2)->x, at(2)->y).Wait(3)
        .MoveMouse(at(4)->x, at(4)->y);
  });
  Shot(world.h(), "picross-drag");
  {
    // The dragged cells (1, 1) to (1, 4) are numbered in the preview's colour; no other.
    auto cyan = [](std::uint32_t p) { return R(p) < 150 && G(p) > 180 && B(p) > 180; };
    const int half = static_cast<int>(game->level->tileW * game->level->scale / 2) - 2;
    auto marked = [&](int r, int c) {
      auto cell = game->level->atiles.get(r, c);
      return Count(cell->x - half, cell->y - half, 2 * half, 2 * half, cyan);
    };
    for (int c = 1; c <= 4; ++c) EXPECT_GT(marked(1, c), 5) << "column " << c;
    EXPECT_EQ(marked(1, 0), 0);
    EXPECT_EQ(marked(2, 2), 0);
  }
  world.h().ReleaseMouse(1);
  // Fill: crosses of the focus colour on the empty cells, the first clue flashing.
  Frame(Shipped("data/levels/l-tutorial7.lvl"), 0, [](ScriptedGame& g) {
    g.butA = 1;
    auto focus = g.xColor ? g.xColor : g.pickedColor;
    bool flashed = false;
    for (int r = 0; r < g.level->rows; ++r)
      for (int c = 0; c < g.level->cols; ++c) {
        auto t = g.level->tile.get(r, c);
        if (!t) continue;
        if (!t->color && !t->number && focus && t->xList.empty()) t->xList.push_back(focus);
        if (t->number && !flashed) t->showMeAlpha = t->dShowMeAlpha = 1, flashed = true;
      }
  });
  Shot(world.h(), "fill-marks");
  {
    // A cell crossed in the focus colour looks unlike a bare one.
    const auto focus = game->pickedColor;
    ASSERT_TRUE(focus);
    std::shared_ptr<TTile> crossed, bare;
    for (const auto& t : game->level->tile.all()) {
      if (!t || t->number || t->isZero || t->putColor) continue;
      const bool x = std::find(t->xList.begin(), t->xList.end(), focus) != t->xList.end();
      (x ? crossed : bare) = t;
    }
    ASSERT_TRUE(crossed && bare);
    const int half = static_cast<int>(game->level->tileW * game->level->scale / 2) - 2;
    EXPECT_GT(Differs(crossed->x, crossed->y, bare->x, bare->y, half), half);
  }
  auto summary = std::make_shared<ShootingSummary>();
  summary->h = &world.h();
  StdoutLines([&] { summary->setup(); });
  levelSummary = summary;
  Frame(Shipped("data/levels/l-tutorial1.lvl"), 0, [](ScriptedGame& g) {
    if (g.frame != 20) return;
    for (const auto& t : g.level->tile.all())
      if (t) t->putColor = t->color;  // solved, so the zoom has a picture
    g.WIN();
  });
  auto lose = std::make_shared<ShootingLose>();
  lose->h = &world.h();
  StdoutLines([&] { lose->setup(); });
  loseScreen = lose;
  // The panel opens 3 s after the loss: play on past the usual 90 frames.
  player->tryb = 1;
  Play(Shipped("data/levelSM/level-tutorial-1.lvl"), [this](ScriptedGame& g, int f) {
    if (f == 20) g.LOSE();
    if (f == 35) Shot(world.h(), "lose-falling");
    if (f == 600) g._exit = 1;
  });
  EXPECT_EQ(summary->f >= 100, true);
  EXPECT_GE(lose->f, 40);
}

}  // namespace
}  // namespace sorvanta
