// The play screen's input: Picross lines and presses, the order of the win
// and lose tests, and the pause menu's results.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/dialogs.h"
#include "core/frame.h"
#include "core/states.h"
#include "gui/mouse.h"
#include "platform/draw_test_support.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/color.h"
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"
#include "puzzle/play_test_support.h"

namespace sorvanta {
namespace {

using test::ScriptedGame;

class PlayInput : public test::PlayTest {
 protected:
  std::shared_ptr<TATile> at(int r, int c) { return game->level->atiles.get(r, c); }
  // fill.lvl started and in play.
  std::shared_ptr<TLevel> PlayFill() {
    player->tryb = 0;
    auto level = Load("fill.lvl");
    game->setLevel(level);
    game->prepare();
    game->state = kPlayNormal;
    return level;
  }
};

TEST_F(PlayInput, LinesRunFromTheStartAlongTheLongerDistance) {
  game->level = Load("picross.lvl");  // 2 rows x 6 columns
  struct Row {
    int r1, c1, r2, c2;
    std::vector<std::pair<int, int>> cells;
  } rows[] = {
      {0, 0, 1, 1, {{0, 0}, {0, 1}}},                  // equal distances: the row
      {0, 2, 1, 2, {{0, 2}, {1, 2}}},                  // down the column
      {1, 5, 1, 2, {{1, 5}, {1, 4}, {1, 3}, {1, 2}}},  // right to left
      {0, 1, 1, 4, {{0, 1}, {0, 2}, {0, 3}, {0, 4}}},  // end cell off the line
      {1, 3, 1, 3, {{1, 3}}},
  };
  for (const auto& row : rows) {
    std::vector<std::pair<int, int>> got;
    for (const auto& t : game->GetTilesFromTo(at(row.r1, row.c1), at(row.r2, row.c2))) got.emplace_back(t->r, t->c);
    EXPECT_EQ(got, row.cells) << row.r1 << "," << row.c1 << " -> " << row.r2 << "," << row.c2;
  }
}

TEST_F(PlayInput, ReleasesActWithTheToolsMappingAndTheStagger) {
  struct Row {
    int tool, button, cells;  // cells: 0 = a one-frame press (start cell only)
    int pending;              // 1 uncover, 2 break
  } rows[] = {{0, 1, 3, 1}, {0, 2, 3, 2}, {1, 1, 3, 2}, {1, 2, 3, 1}, {0, 1, 0, 1}, {1, 2, 0, 1}};
  for (const auto& row : rows) {
    game->level = Load("picross.lvl");
    at(1, 1)->odkryte = 1;  // acted on: skipped without a slot
    game->actionType = row.tool;
    game->holdedType = row.button;
    game->holdedTile = at(1, 0);
    if (row.cells) game->overTiles = game->GetTilesFromTo(at(1, 0), at(1, 3));
    mouse->leftHolded = mouse->rightHolded = 0;
    mouse->leftPressed = mouse->rightPressed = 0;
    game->_updateMesalorTilePlay();
    const int now = at(1, 0)->time;  // the first cell is due at once
    EXPECT_EQ(at(1, 0)->state, row.pending);
    EXPECT_EQ(at(1, 1)->state, 0);
    if (row.cells) {
      EXPECT_EQ(at(1, 2)->time - now, 75);
      EXPECT_EQ(at(1, 3)->time - now, 150);
    } else {
      EXPECT_EQ(at(1, 2)->state, 0);
    }
    EXPECT_EQ(game->holdedType, 0);
    EXPECT_FALSE(game->holdedTile);
  }

  // A drag cancelled by the other button acts on nothing at its release.
  game->level = Load("picross.lvl");
  game->actionType = 0;
  game->holdedType = 1;
  game->holdedTile = at(1, 0);
  mouse->leftHolded = 0;
  mouse->rightHolded = 1;
  game->_updateMesalorTilePlay();
  mouse->leftHolded = mouse->rightHolded = 0;
  game->_updateMesalorTilePlay();
  for (const auto& t : game->level->atiles.all()) EXPECT_EQ(t->state, 0);
}

TEST_F(PlayInput, TheFirstEndOfTheLevelInAFrameDecides) {
  // Every picture cell acted on and one mistake too many: the win holds
  // first, so the loss is neither called after it nor before it (no cell
  // falls).
  auto level = Load("picross.lvl");
  std::vector<int> states;
  Play(level, [&](ScriptedGame& g, int f) {
    if (f == 1) {
      for (const auto& t : g.level->atiles.all())
        if (t->td) t->odkryte = 1;
      g.level->mistakes = g.level->COUNT_MaxMistakes() + 1;
    }
    states.push_back(g.state);
    if (f == 3) g._exit = 1;
  });
  EXPECT_EQ(states, (std::vector<int>{kPlayNormal, kPlayWin, kPlayWin}));
  EXPECT_TRUE(flyingTiles.empty());

  // The frame whose cell update acts on the last picture cell wins, and
  // what the pointer does in that frame stays off the won board: a drag
  // released on the empty cell, a click on a charged hint.
  THint::img[0] = testing::SplitImage(20, 20);
  for (int tool : {0, 1}) {
    game->level = test::MakePicrossLevel({"#."});
    game->state = kPlayNormal;
    game->actionType = tool;
    at(0, 0)->ShowMe(0);
    game->holdedTile = at(0, 1);
    game->holdedType = 1;
    auto hint = std::make_shared<THint>();
    hint->x = hint->y = 100;
    game->level->hints = {hint};
    flyingHints.clear();
    mouse->x = mouse->y = 100;
    mouse->leftHolded = mouse->rightHolded = mouse->rightPressed = 0;
    mouse->leftPressed = 1;
    game->_update_NORMAL();
    mouse->leftPressed = 0;
    EXPECT_EQ(at(0, 0)->odkryte, 1);
    EXPECT_EQ(game->state, kPlayWin);
    EXPECT_EQ(at(0, 1)->state, 0) << "tool " << tool << ": the release acted";
    EXPECT_EQ(hint->t, 0) << "tool " << tool << ": the hint was spent";
    EXPECT_TRUE(flyingHints.empty());
    EXPECT_EQ(game->level->score, 10);
    EXPECT_EQ(game->level->mistakes, 0);
  }

  // Mistakes alone lose.
  game->level = Load("picross.lvl");
  game->state = kPlayNormal;
  game->level->mistakes = game->level->COUNT_MaxMistakes();
  game->_updateLoseMesalor();
  EXPECT_EQ(game->state, kPlayNormal);
  ++game->level->mistakes;
  game->_updateLoseMesalor();
  EXPECT_EQ(game->state, kPlayLose);
}

TEST_F(PlayInput, PauseMenuResultsLeadToStatesWithAFade) {
  struct Row {
    const char* answer;
    const char* wynik;
  } rows[] = {{"", ""}, {"RESTART", kStateRestartLevel},
              {kStateMainMenu, kStateMainMenu}, {kStateMapScreen, kStateMapScreen}};
  for (const auto& row : rows) {
    bindDialogs({nullptr, [&](std::shared_ptr<TEkran>) { return std::string(row.answer); }});
    game->wynik = "";
    game->dFade = 0;
    game->goMenu();
    EXPECT_EQ(game->wynik, row.wynik) << row.answer;
    EXPECT_EQ(game->dFade, *row.wynik ? 1.0f : 0.0f) << row.answer;
  }
  bindDialogs({});
}

TEST_F(PlayInput, FillStrokesTouchEachCellOnceAndBothButtonsCancel) {
  auto level = PlayFill();
  const auto red = getColorById(2);
  game->pickColor2(red);
  auto cell = [&](int c) { return level->tile.get(2, c); };  // row 2 has no clues
  struct Step {
    int col, left, right;
    std::vector<int> painted;  // columns 0..2 of row 2 holding red after the frame
    int tapLeft = 0, tapRight = 0;  // pressed and released before the frame polled
  } steps[] = {
      {0, 1, 0, {1, 0, 0}},  // press: paint
      {0, 1, 0, {1, 0, 0}},  // held on: once per stroke
      {1, 1, 0, {1, 1, 0}},  // dragged on
      {0, 1, 0, {1, 1, 0}},  // back over a touched cell
      {0, 0, 0, {1, 1, 0}},  // release
      {0, 1, 0, {0, 1, 0}},  // a press on painted: the stroke removes
      {1, 1, 0, {0, 0, 0}},
      {2, 0, 0, {0, 0, 0}},
      {2, 0, 0, {0, 0, 1}, 1, 0},  // a tap paints its cell
      {2, 0, 0, {0, 0, 1}},
      {2, 0, 0, {0, 0, 0}, 0, 1},  // a right tap crosses it, taking the paint
      {2, 1, 1, {0, 0, 0}},        // both buttons: nothing
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    const auto& st = steps[i];
    mouse->x = static_cast<float>(cell(st.col)->x);
    mouse->y = static_cast<float>(cell(st.col)->y);
    mouse->leftHolded = st.left;
    mouse->rightHolded = st.right;
    mouse->leftPressed = st.tapLeft;
    mouse->rightPressed = st.tapRight;
    game->_updateTilesOver();
    for (int c = 0; c < 3; ++c) EXPECT_EQ(cell(c)->putColor == red, st.painted[c] == 1) << "step " << i << " col " << c;
  }
  EXPECT_EQ(mouse->leftHolded, 0);  // the cancel cleared the buttons
}

TEST_F(PlayInput, FillMovesAreJudgedAndTheWinComesTheFrameAfterTheStroke) {
  // fill.lvl: every clue met, colour 5 painted once short of the solution.
  auto level = PlayFill();
  struct Step {
    const char* what;
    int r, c, colour, left;
    int wantPaint, wantHelp, wantState;  // after the frame
    size_t wantCrosses = 0;
  } steps[] = {
      {"a zero clue's block takes no pointer", 1, 1, 5, 1, 0, 1, kPlayNormal},
      {"release", 1, 1, 5, 0, 0, 1, kPlayNormal},
      {"a clue refuses another colour", 0, 2, 5, 1, 0, 1, kPlayNormal},
      {"release", 0, 2, 5, 0, 0, 1, kPlayNormal},
      {"a clue never refuses the cross entry", 0, 2, 1, 1, 0, 1, kPlayNormal, 1},
      {"release", 0, 2, 1, 0, 0, 1, kPlayNormal, 1},
      {"a clue takes its own colour", 0, 2, 4, 1, 4, 1, kPlayNormal},
      {"its clue broken: no help", 0, 2, 4, 0, 4, 0, kPlayNormal},
      {"a press on that paint removes it", 0, 2, 4, 1, 0, 0, kPlayNormal},
      {"every clue met, one colour short: help", 0, 2, 4, 0, 0, 1, kPlayNormal},
      {"the stroke that solves the board", 2, 0, 5, 1, 5, 1, kPlayNormal},
      {"won in the frame after it", 2, 0, 5, 0, 5, 0, kPlayWin},
  };
  for (const auto& st : steps) {
    const auto cell = level->tile.get(st.r, st.c);
    game->pickColor2(getColorById(st.colour));
    mouse->x = cell->x;
    mouse->y = cell->y;
    mouse->leftHolded = st.left;
    mouse->rightHolded = mouse->leftPressed = mouse->rightPressed = 0;
    game->_updateTilesOver();
    EXPECT_EQ(cell->putColor ? cell->putColor->id : 0, st.wantPaint) << st.what;
    EXPECT_EQ(game->dButA, st.wantHelp) << st.what;
    EXPECT_EQ(game->state, st.wantState) << st.what;
    if (st.wantCrosses) {
      EXPECT_EQ(cell->xList.size(), st.wantCrosses) << st.what;
    }
  }
}

TEST_F(PlayInput, AnArmedFillHintOpensTheBlockAroundACellOrIsGivenBack) {
  // Clicked on a cell: the 3 x 3 block centred there, clipped to the board,
  // takes its colours, and the hint is spent.
  for (auto [r, c, want] : {std::tuple{2, 3, "0000000111001110011100000"}, std::tuple{4, 0, "0000000000000001100011000"}}) {
    auto level = test::MakeFillLevel(5, 5);
    for (const auto& cell : level->tile.all()) cell->color = Color(4);
    game->level = level;
    game->trelmoActionType = 1;
    game->overTile = level->tile.get(r, c);
    mouse->leftPressed = 1;
    game->_updateTrelmoHint();
    std::string painted;
    for (const auto& cell : level->tile.all()) painted += cell->putColor ? '1' : '0';
    EXPECT_EQ(painted, want) << r << "," << c;
    EXPECT_EQ(game->trelmoActionType, 0);
  }

  // A right click disarms it.
  player->tryb = 0;
  game->level = Load("fill.lvl");
  auto hint = std::make_shared<THint>();
  hint->use();
  game->lastPickedHint = hint;
  game->trelmoActionType = 1;
  mouse->leftPressed = 0;
  mouse->rightPressed = 1;
  game->_updateHintsOver();
  EXPECT_EQ(game->trelmoActionType, 0);
  EXPECT_EQ(hint->t, 0);

  // Leaving the level with the hint armed gives it back too.
  mouse->rightPressed = 0;
  hint->use();
  Play(Load("fill.lvl"), [&](ScriptedGame& g, int f) {
    if (f == 2) g.trelmoActionType = 1, g.lastPickedHint = hint, g._exit = 1;
  });
  EXPECT_EQ(hint->t, 0);
  EXPECT_EQ(game->trelmoActionType, 0);
}

// A click on a hint icon spends its charge; a spent icon does nothing until
// it has charged again.
TEST_F(PlayInput, AHintClickFiresOnlyWhileCharged) {
  THint::img[0] = testing::SplitImage(20, 20);
  struct Row {
    const char* what;
    int tryb, spent;
    size_t wantSparks;
    int wantArmed;
  } rows[] = {
      {"Picross, charged: two sparks", 1, 0, 2, 0},
      {"Picross, spent: nothing", 1, 1, 0, 0},
      {"Fill, charged: armed", 0, 0, 0, 1},
      {"Fill, spent: nothing", 0, 1, 0, 0},
  };
  for (const Row& row : rows) {
    player->tryb = row.tryb;
    game->level = Load(row.tryb ? "picross.lvl" : "fill.lvl");
    auto hint = std::make_shared<THint>();
    hint->x = hint->y = 100;
    if (row.spent) hint->use();
    game->level->hints = {hint};
    game->lastPickedHint = nullptr;
    game->trelmoActionType = 0;
    flyingHints.clear();
    mouse->x = mouse->y = 100;
    mouse->leftPressed = 1;
    mouse->rightPressed = 0;
    game->_updateHintsOver();
    EXPECT_EQ(flyingHints.size(), row.wantSparks) << row.what;
    EXPECT_EQ(game->trelmoActionType, row.wantArmed) << row.what;
    EXPECT_EQ(hint->t, 1) << row.what;
    EXPECT_EQ(game->lastPickedHint, row.spent ? nullptr : hint) << row.what;
  }
  mouse->leftPressed = 0;
  flyingHints.clear();
}

TEST_F(PlayInput, SparksGoOnlyToCellsNotYetActedOnAndNeverTwoToOne) {
  for (int left : {1, 0}) {
    auto level = Load("picross.lvl");
    for (const auto& t : level->atiles.all()) t->odkryte = 1;
    if (left) level->atiles.get(1, 3)->odkryte = 0;
    flyingHints.clear();
    THint hint;
    hint.Fly(level);  // two sparks asked for
    ASSERT_EQ(flyingHints.size(), static_cast<size_t>(left));
    if (left) {
      EXPECT_EQ(flyingHints.front()->docelowyTile, level->atiles.get(1, 3));
    }
  }
  flyingHints.clear();
}

}  // namespace
}  // namespace sorvanta
