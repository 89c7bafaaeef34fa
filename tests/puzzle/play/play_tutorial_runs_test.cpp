// Whole tutorial levels played with the mouse alone: each run reads the
// solution from the loaded level, clicks cells where the play screen laid
// them out, and ends through the summary's or the lose panel's button.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/states.h"
#include "gui/img.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/color.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"
#include "puzzle/board/tile_data.h"
#include "puzzle/play_test_support.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;
using test::ScriptedGame;

struct Tutorial {
  const char* file;
  enum Kind { kSolve, kSolveWithDrag, kLose, kPaint, kPaintWithHelp } kind;
  const char* expected;
};

class TutorialRun : public test::PlayTest, public ::testing::WithParamInterface<Tutorial> {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    // The shipped levels name real pieces and colours, and the palette and
    // help button are measured from the play screen's own images.
    UseShippedPlayScreen();
    levelSummary = std::make_shared<TLevelSummary>();
    levelSummary->setup();
    loseScreen = std::make_shared<TLoseScreen>();
    loseScreen->setup();
  }
  Harness& h() { return world.h(); }
  // Keeps clicking a panel's button: the panel opens after the end's animation.
  void ClickUntilClosed(const std::shared_ptr<TGui>& gui, const char* name) {
    auto [x, y] = ShellWorld::Centre(gui, name);
    for (int i = 0; i < 40; ++i) Click(x, y);
  }
  void ClearTutorialLocks(TLevel& level) {
    for (const auto& t : level.atiles.all()) t->zadanie.clear(), t->turnOff = 0;
  }

  // The picture cells by clicks, the first run of two picture cells in a
  // row by a drag; at the end, "play" on the summary.
  void QueuePicross(TLevel& level, bool drag) {
    std::vector<std::shared_ptr<TATile>> cells;
    for (const auto& t : level.atiles.all())
      if (t->td) cells.push_back(t);
    if (drag)
      for (const auto& a : cells) {
        const auto b = level.atiles.get(a->r, a->c + 1);
        if (!b || !b->td) continue;
        h().Wait(4).MoveMouse(a->x, a->y).Wait(2).PressMouse(1).Wait(3).MoveMouse(b->x, b->y).Wait(3).ReleaseMouse(1);
        std::erase(cells, a);
        std::erase(cells, b);
        break;
      }
    for (const auto& t : cells) Click(static_cast<float>(t->x), static_cast<float>(t->y));
  }
  // One mistake past the limit: empty cells uncovered, then picture cells broken.
  void QueueMistakes(TLevel& level) {
    int left = level.COUNT_MaxMistakes() + 1;
    for (int pass = 0; pass < 2; ++pass)
      for (const auto& t : level.atiles.all())
        if (left > 0 && !t->td == (pass == 0)) {
          Click(static_cast<float>(t->x), static_cast<float>(t->y), pass == 0 ? 1 : 2);
          --left;
        }
  }
  // Every solution cell painted colour by colour; with help, one cell outside
  // the solution too, the help button, and that cell cleared again.
  void QueueFill(TLevel& level, bool help) {
    std::shared_ptr<TTile> extra;
    std::shared_ptr<TColor> extraColour;
    for (const auto& c : level.availableColors) {
      if (c->id < 2) continue;
      auto [px, py] = PaletteEntry(c);
      Click(px, py);
      for (const auto& t : level.tile.all())
        if (t->color == c && t->putColor != c) Click(t->x, t->y);
      // The extra cell must take paint (no clue, not in a zero clue's block)
      // and leave every clue satisfied (in no block of a clue of this colour).
      if (help && !extra)
        for (const auto& t : level.tile.all()) {
          if (t->color || t->number || t->isZero) continue;
          bool countedByClue = false;
          for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc)
              if (auto n = level.tile.get(t->r + dr, t->c + dc)) countedByClue |= n->number == c;
          if (countedByClue) continue;
          extra = t, extraColour = c;
          Click(t->x, t->y);
          break;
        }
    }
    if (!help) return;
    ASSERT_TRUE(extra) << "no cell to paint wrongly";
    // The help button's corner is the layout's; it shows the wrong cell.
    Click(850.0f + ImgWidth(game->pomButton[0]) / 2, 510.0f + ImgHeight(game->pomButton[0]) / 2);
    auto [px, py] = PaletteEntry(extraColour);
    Click(px, py);
    Click(extra->x, extra->y);
  }
};

TEST_P(TutorialRun, EndsThroughThePanel) {
  const Tutorial run = GetParam();
  const bool picross = run.kind <= Tutorial::kLose;
  std::shared_ptr<TLevel> level;
  test::StdoutLines([&] {
    level = LoadLevel(std::string(SORVANTA_SOURCE_DIR) + "/assets/data/" + (picross ? "levelSM/" : "levels/") +
                      run.file);
  });
  ASSERT_TRUE(level && level->hasCells());
  player->tryb = picross ? 1 : 0;
  bool started = false, ended = false, helpShown = false;
  const auto result = Play(level, [&](ScriptedGame& g, int f) {
    if (f == 1) {
      ClearTutorialLocks(*g.level);  // the tutorial tips are not under test
      h().SetFrameCap(6000);
    }
    if (g.state == kPlayNormal && !started) {
      started = true;
      // A level that has nothing to solve would end "won" without a click.
      int toSolve = 0;
      for (const auto& t : g.level->atiles.all()) toSolve += t->td != nullptr;
      for (const auto& t : g.level->tile.all()) toSolve += t->color != nullptr;
      EXPECT_GT(toSolve, 0) << run.file;
      if (run.kind == Tutorial::kLose) QueueMistakes(*g.level);
      else if (picross) QueuePicross(*g.level, run.kind == Tutorial::kSolveWithDrag);
      else QueueFill(*g.level, run.kind == Tutorial::kPaintWithHelp);
    }
    helpShown |= !g.badTiles.empty();
    if (g.state != kPlayNormal && started && !ended) {
      ended = true;
      if (run.kind == Tutorial::kLose) ClickUntilClosed(loseScreen->gui, "restart");
      else ClickUntilClosed(levelSummary->gui, "play");
    }
    if (f > 4000) g._exit = 1;
  });
  EXPECT_EQ(result, run.expected) << run.file;
  if (run.kind == Tutorial::kPaintWithHelp) {
    EXPECT_TRUE(helpShown);
  }
  if (run.kind == Tutorial::kSolve || run.kind == Tutorial::kSolveWithDrag) {
    EXPECT_EQ(level->mistakes, 0);
  }
  if (run.kind == Tutorial::kLose) {
    EXPECT_GT(level->mistakes, level->COUNT_MaxMistakes());
  }
}

// A case is named, and printed, by its level file and what the run does
// with it, so that it can be run again by name.
const char* KindName(Tutorial::Kind kind) {
  static const char* const kKinds[] = {"Solve", "SolveWithDrag", "Lose", "Paint", "PaintWithHelp"};
  return kKinds[kind];
}
void PrintTo(const Tutorial& run, std::ostream* os) { *os << run.file << ", " << KindName(run.kind); }
std::string RunName(const ::testing::TestParamInfo<Tutorial>& info) {
  std::string name = info.param.file;
  name.erase(name.rfind(".lvl"));
  for (char& ch : name)
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name + "_" + KindName(info.param.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Tutorials, TutorialRun,
    ::testing::Values(Tutorial{"level-tutorial-1.lvl", Tutorial::kSolveWithDrag, kStateNextLevel},
                      Tutorial{"level-tutorial-2.lvl", Tutorial::kSolve, kStateNextLevel},
                      Tutorial{"level-tutorial-3.lvl", Tutorial::kSolveWithDrag, kStateNextLevel},
                      Tutorial{"level-tutorial-3.lvl", Tutorial::kLose, kStateRestartLevel},
                      Tutorial{"l-tutorial1.lvl", Tutorial::kPaint, kStateNextLevel},
                      Tutorial{"l-tutorial2.lvl", Tutorial::kPaint, kStateNextLevel},
                      Tutorial{"l-tutorial3.lvl", Tutorial::kPaint, kStateNextLevel},
                      Tutorial{"l-tutorial4.lvl", Tutorial::kPaint, kStateNextLevel},
                      Tutorial{"l-tutorial5.lvl", Tutorial::kPaint, kStateNextLevel},
                      Tutorial{"l-tutorial6.lvl", Tutorial::kPaint, kStateNextLevel},
                      Tutorial{"l-tutorial7.lvl", Tutorial::kPaintWithHelp, kStateNextLevel}),
    RunName);

}  // namespace
}  // namespace sorvanta
