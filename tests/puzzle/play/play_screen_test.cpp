// The play screen's level start, clock, win zoom, loss and loop end.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include <numeric>

#include "core/frame.h"
#include "platform/random.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/flying_rock.h"
#include "puzzle/board/tile.h"
#include "puzzle/play/flight_plan.h"
#include "puzzle/play_test_support.h"

namespace sorvanta {
namespace {

using test::AnsweringLosePanel;
using test::AnsweringSummary;
using test::ScriptedGame;

class PlayScreen : public test::PlayTest {};

TEST_F(PlayScreen, StartEntersPlayWhenNoCellFliesAndCountsTheClock) {
  // Picross: no flight, play from the first frame; its clock gains one
  // second at once and one in all for a long stretch outside play.
  auto level = Load("picross.lvl");
  const int start = level->time;
  std::vector<int> states, times;
  Play(level, [&](ScriptedGame& g, int f) {
    states.push_back(g.state);
    times.push_back(g.level->time);
    if (f == 30) world.h().AdvanceClock(10000);
    if (f == 40) g._exit = 1;
  });
  EXPECT_EQ(states.front(), kPlayNormal);
  EXPECT_EQ(game->dFrameA, 1.0f);
  EXPECT_EQ(times[0], start);       // the first frame leaves the start state
  EXPECT_EQ(times[1], start + 1);   // the first frame of play counts a second
  EXPECT_EQ(times[29], start + 1);  // under a second later
  EXPECT_EQ(times[39], start + 2);
  EXPECT_EQ(world.recProfiles->saves, 1);
  EXPECT_EQ(player->screenPicross, kStateMainGame);

  // Fill: the start lasts while a flight is left.
  auto fill = Load("fill.lvl");
  player->tryb = 0;
  std::vector<int> fillStates;
  flyingTiles.push_back(nullptr);  // one flight still under way
  Play(fill, [&](ScriptedGame& g, int f) {
    if (f == 5) flyingTiles.clear();
    fillStates.push_back(g.state);
    if (f == 8) g._exit = 1;
  });
  EXPECT_EQ(fillStates[4], kPlayBegin);
  EXPECT_EQ(fillStates[5], kPlayNormal);
  EXPECT_EQ(game->pickedColor, *std::next(fill->availableColors.begin()));
  EXPECT_EQ(game->lastColor, game->pickedColor);
}

TEST_F(PlayScreen, FillFlyInPatterns) {
  auto level = test::MakeFillLevel(2, 5);
  level->scale = 0.5f;
  level->COUNT_Dims();
  level->COUNT_Position();
  struct Row {
    int pattern;
    float dx, dy, stScale, stAlpha, endRot;
    int delay;
  } rows[] = {
      {1, 0, 0, 0, 0, 720, 0},     {2, 0, -768, 0.5f, 1, 0, 2 * 5 * 3}, {3, -1000, 0, 0.5f, 1, 0, 0},
      {4, 1000, 0, 0.5f, 1, 0, 0}, {5, 0, 768, 0.5f, 1, 0, 0},
  };
  for (const auto& row : rows) {
    auto plan = fillFlyInPlan(*level, row.pattern);
    ASSERT_EQ(plan.size(), 10u) << row.pattern;
    for (const auto& f : plan) {
      SCOPED_TRACE(row.pattern);
      EXPECT_EQ(f.x1 - f.tile->x, row.dx);
      EXPECT_EQ(f.y1 - f.tile->y, row.dy);
      EXPECT_EQ(f.x2, f.tile->x);
      EXPECT_EQ(f.my, f.tile->y);
      EXPECT_EQ(f.stScale, row.stScale);
      EXPECT_EQ(f.endScale, 0.5f);
      EXPECT_EQ(f.stAlpha, row.stAlpha);
      EXPECT_EQ(f.endRot, row.endRot);
      EXPECT_EQ(f.lifeTime, 1000);
      EXPECT_EQ(f.delay, row.delay);
    }
  }
  EXPECT_TRUE(fillFlyInPlan(*level, 6).empty());
}

TEST_F(PlayScreen, LossFallsRowByRowWithItsRandomDrawsInOrder) {
  auto level = Load("picross.lvl");
  ResetRandomForTests();
  auto plan = loseFallPlan(*level);
  ResetRandomForTests();
  ASSERT_EQ(plan.size(), 12u);
  for (size_t k = 0; k < plan.size(); ++k) {
    const auto& f = plan[k];
    SCOPED_TRACE(k);
    EXPECT_EQ(f.aTile, level->atiles.get(static_cast<int>(k) / 6, static_cast<int>(k) % 6));
    EXPECT_EQ(f.delay, 5 + 10 * static_cast<int>(k));
    EXPECT_EQ(f.y2, f.y1 + 768);
    const bool fromStart = Rand(0, 1) == 1;
    EXPECT_EQ(f.my, fromStart ? f.y1 : f.y2);
    EXPECT_EQ(f.lifeTime, 1500 + Rand(0, 500));
    EXPECT_EQ(f.endRot, static_cast<float>(Rand(1, 720)));
  }
}

TEST_F(PlayScreen, WinZoomTargetsAndFillCentre) {
  struct Row {
    int cell, cols, rows;
    float dLS;
  } rows[] = {{30, 10, 5, 1.3f}, {40, 10, 5, 0.85f}, {34, 10, 5, 1.0f}, {40, 2, 10, 0.85f}};
  for (const auto& row : rows) {
    test::SetCellImages(row.cell, row.cell);
    auto level = test::MakeFillLevel(row.rows, row.cols);
    level->COUNT_Dims();
    level->COUNT_Position();
    game->level = level;
    game->WINNormal();
    EXPECT_FLOAT_EQ(game->dLS, row.dLS) << row.cell << " x " << row.cols;
  }
  // A board centred at y 384 ends at 348, symmetric about x 512.
  for (int cols : {4, 5}) {
    test::SetCellImages(40, 40);
    auto level = test::MakeFillLevel(3, cols);
    level->COUNT_Dims();
    level->COUNT_Position();
    game->level = level;
    game->WINNormal();
    for (int f = 0; f < 60; ++f) game->_update_WIN();  // the clock stands still: no summary
    EXPECT_EQ(game->wP, 1.0f);
    EXPECT_EQ(game->state, kPlayWin);
    EXPECT_FLOAT_EQ(level->centerY, 348.0f);
    float sum = 0;
    for (int c = 0; c < cols; ++c) sum += level->tile.get(0, c)->x;
    EXPECT_FLOAT_EQ(sum / cols, 512.0f) << cols;
  }
}

TEST_F(PlayScreen, SummaryOpensOnlyAfterTheWaitAndTheFullZoom) {
  auto summary = std::make_shared<AnsweringSummary>();
  levelSummary = summary;
  game->level = Load("picross.lvl");
  world.h().AdvanceClock(INT_MAX - 1500 - world.h().millis());  // the wait ends across the clock's wrap
  game->WINNormal();
  world.h().AdvanceClock(2000);
  game->_update_WIN();
  EXPECT_EQ(summary->runs, 0);  // the wait is over, the zoom is not
  while (game->wP < 1.0f) game->_update_WIN();
  EXPECT_EQ(summary->runs, 1);
  EXPECT_EQ(game->state, kPlayFinished);
  EXPECT_EQ(game->_exit, 1);
  EXPECT_EQ(game->levelFinished(), 0);

  // Through the loop: the summary's answer is the result, and the frame in
  // which it came is still flipped.
  summary->runs = 0;
  summary->answer = kStateRestartLevel;
  int winClock = 0, lastFrame = 0;
  const std::string result = Play(Load("picross.lvl"), [&](ScriptedGame& g, int f) {
    if (f == 2) g.WIN_CHEAT(), winClock = Millisecs2();
    lastFrame = f;
  });
  EXPECT_EQ(result, kStateRestartLevel);
  EXPECT_EQ(summary->runs, 1);
  EXPECT_GT(summary->opened, winClock + 1000);
  EXPECT_EQ(game->frame, lastFrame);
}

TEST_F(PlayScreen, LosePanelAnswersBecomeResults) {
  struct Row {
    int answer;
    const char* result;
    const char* resume;
  } rows[] = {{kLoseRestart, kStateRestartLevel, kStateMainGame}, {kLoseMainMenu, kStateMainMenu, kStateStageScreen}};
  for (const auto& row : rows) {
    auto panel = std::make_shared<AnsweringLosePanel>();
    panel->answer = row.answer;
    loseScreen = panel;
    int lostAt = 0;
    flyingTiles.push_back(nullptr);  // a flight of the board before: dropped by the loss
    const std::string result = Play(Load("picross.lvl"), [&](ScriptedGame& g, int f) {
      if (f == 1) flyingTiles.clear();
      if (f == 3) {
        flyingTiles.push_back(nullptr);
        g.LOSE();
        lostAt = Millisecs2();
        // The earlier flight is gone; only the fall's own flights remain.
        EXPECT_EQ(std::count(flyingTiles.begin(), flyingTiles.end(), nullptr), 0);
        EXPECT_EQ(g.levelFinished(), 0);
      }
    });
    EXPECT_EQ(result, row.result);
    EXPECT_EQ(panel->runs, 1);
    EXPECT_GT(panel->opened, lostAt + 3000);
    EXPECT_LT(panel->opened, lostAt + 3000 + 40);
    EXPECT_EQ(player->screenPicross, row.resume);
  }
}

TEST_F(PlayScreen, LoopEndLandsOrDropsWhatStillFlies) {
  // A rock and a spark launched in the last frame: they land (a mistake, the
  // cell resolved) unless the next or restarted level starts clean.
  struct Row {
    const char* result;
    bool lands;
  } rows[] = {{kStateMainMenu, true}, {kStateMapScreen, true}, {kStateNextLevel, false}, {kStateRestartLevel, false}};
  for (const Row& row : rows) {
    auto level = Load("picross.lvl");
    const int mistakes = level->mistakes;
    std::shared_ptr<TATile> cell;
    EXPECT_EQ(Play(level,
                   [&](ScriptedGame& g, int) {
                     for (int r = 0; r < g.level->rows && !cell; ++r)
                       for (int c = 0; c < g.level->cols && !cell; ++c)
                         if (auto t = g.level->atiles.get(r, c); t->odkryte == 0 && t->state == 0) cell = t;
                     if (!cell || g._exit) return;
                     CreateMistake(100, 100, 1);
                     auto spark = std::make_shared<TFlyingHint>();
                     spark->docelowyTile = cell;
                     flyingHints.push_back(spark);
                     g.wynik = row.result;
                     g._exit = 1;
                   }),
              row.result);
    ASSERT_TRUE(cell) << row.result;
    EXPECT_TRUE(flyingRocksList.empty() && flyingHints.empty() && flyingAddHints.empty()) << row.result;
    EXPECT_EQ(level->mistakes, mistakes + (row.lands ? 1 : 0)) << row.result;
    EXPECT_EQ(cell->state != 0, row.lands) << row.result;
  }
}

TEST_F(PlayScreen, LevelWithoutCellsIsRefused) {
  auto empty = std::make_shared<TLevel>();
  std::string result;
  auto lines = test::StdoutLines([&] { result = Play(empty, nullptr); });
  EXPECT_EQ(result, kStateMainMenu);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(world.h().frames(), 0);
  EXPECT_EQ(world.recProfiles->saves, 0);
}

TEST_F(PlayScreen, TutorialBlocksAreDoneWhenTheirCellsAreAndNotOnSmallBoards) {
  struct Row {
    int rows, cols;
    int unmetR, unmetC;  // a cell whose clue is not met, -1: none
    int six, nine;
  } rows[] = {
      {2, 3, -1, -1, 0, 0}, {3, 2, -1, -1, 1, 0}, {3, 3, -1, -1, 1, 1},
      {3, 3, 2, 1, 0, 0},   {3, 3, 2, 2, 1, 0},   {4, 4, 3, 3, 1, 1},
  };
  for (const auto& row : rows) {
    game->level = test::MakeFillLevel(row.rows, row.cols);
    if (row.unmetR >= 0) {
      auto cell = game->level->tile.get(row.unmetR, row.unmetC);
      cell->number = Color(2);
      cell->count = 1;
    }
    EXPECT_EQ(game->is6Done(), row.six) << row.rows << " x " << row.cols << ", " << row.unmetR << "," << row.unmetC;
    EXPECT_EQ(game->is9Done(), row.nine) << row.rows << " x " << row.cols << ", " << row.unmetR << "," << row.unmetC;
  }
}

}  // namespace
}  // namespace sorvanta
