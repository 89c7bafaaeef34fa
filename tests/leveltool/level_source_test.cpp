#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "campaign/profile.h"
#include "core/globals.h"
#include "leveltool/line_solver.h"
#include "leveltool_test_support.h"
#include "platform/strings.h"
#include "puzzle/board/level_file.h"
#include "puzzle/board/number.h"
#include "puzzle/tutorial/tutorial.h"
#include "support/demonstration_curves.h"
#include "support/stdout_lines.h"

namespace sorvanta {
namespace {

class LevelSourceTest : public test::LevelToolTest {
 protected:
  std::shared_ptr<TLevel> Load(const std::string& path) {
    std::shared_ptr<TLevel> level;
    CapturePrinted([&] { level = LoadLevel(path); });
    return level;
  }
};

int IdOf(const std::shared_ptr<TColor>& color) { return color ? color->id : 0; }

TEST_F(LevelSourceTest, PicrossSourceReadsBackAsItsPictureAndClues) {
  const std::vector<std::string> picture = {"ab..", "a.bb", "...."};
  auto level = Load(Write("ruleset picross\nsize 2\nbackground 6\nmaxMistakes 3\nhints 1 2\nkey a 5\nkey b 30\ngrid\n" +
                          picture[0] + "\n" + picture[1] + "\n" + picture[2] + "\n"));
  ASSERT_EQ(level->hasCells(), 1);
  EXPECT_EQ(level->tryb, 1);
  EXPECT_EQ(level->size, 2);
  EXPECT_EQ(level->maxMistakes, 3);
  EXPECT_EQ(level->backgroundUrl, "gfx/backgrounds/background_6.jpg");
  EXPECT_EQ(level->hintsCount, 1);
  EXPECT_EQ(level->maxHintsCount, 2);
  std::vector<std::vector<bool>> filled;
  for (int r = 0; r < 3; ++r) {
    filled.emplace_back();
    for (int c = 0; c < 4; ++c) {
      const char key = picture[r][c];
      auto cell = level->atiles.get(r, c);
      EXPECT_EQ(cell->td ? cell->td->id : 0, key == 'a' ? 5 : key == 'b' ? 30 : 0) << r << "," << c;
      EXPECT_EQ(cell->odkryte + cell->zepsute, 0);
      filled.back().push_back(key != '.');
    }
  }
  // The game's clue lists hold the runs from the far end.
  const PicrossClues clues = CluesOf(filled);
  size_t r = 0;
  for (const auto& row : level->numberRows) {
    std::vector<int> runs;
    for (auto it = row->list.rbegin(); it != row->list.rend(); ++it)
      if (!(*it)->tiles.empty()) runs.push_back(static_cast<int>((*it)->tiles.size()));
    EXPECT_EQ(runs, clues.rows[r++]);
  }
}

TEST_F(LevelSourceTest, FillSourceReadsBackAsItsSolutionAndComputedClues) {
  auto level =
      Load(Write("ruleset fill\nsize 0\nbackground A\nhints 0 3\nkey r 2\nkey b 4\ngrid\n"
                 "R r .B\nr b .\n. . 0\n"));
  ASSERT_EQ(level->hasCells(), 1);
  EXPECT_EQ(level->tryb, 0);
  EXPECT_EQ(level->myX, 135);  // three 45 px cells
  EXPECT_EQ(level->myY, 135);
  struct Cell {
    int r, c, colour, clue, count;
  } cells[] = {{0, 0, 2, 2, 3}, {0, 1, 2, 0, 0}, {0, 2, 0, 4, 1}, {1, 0, 2, 0, 0}, {1, 1, 4, 0, 0},
               {1, 2, 0, 0, 0}, {2, 0, 0, 0, 0}, {2, 1, 0, 0, 0}, {2, 2, 0, 1, 0}};
  for (const Cell& k : cells) {
    auto cell = level->tile.get(k.r, k.c);
    EXPECT_EQ(IdOf(cell->color), k.colour) << k.r << "," << k.c;
    EXPECT_EQ(IdOf(cell->number), k.clue) << k.r << "," << k.c;
    EXPECT_EQ(cell->count, k.count) << k.r << "," << k.c;
    EXPECT_EQ(cell->showCount, k.clue ? 1 : 0) << k.r << "," << k.c;
    EXPECT_FALSE(cell->putColor);
    EXPECT_TRUE(cell->xList.empty());
  }
}

TEST_F(LevelSourceTest, MistakesInASourceAreNamed) {
  const std::string head = "ruleset fill\nkey r 2\ngrid\n";
  struct Case {
    std::string text, says;
  } cases[] = {
      {"ruleset picross\nsize 7\ngrid\nr\n", "t:2: size lies in 0..4"},
      {"ruleset fill\ncolour r 2\n", "t:2: unknown word \"colour\""},
      {head + "r r\nr\n", "t:5: row of 1 cells"},
      {head + "r q\n", "key \"q\" has no id"},
      {"ruleset fill\nkey r 99\ngrid\nr\n", "no colour has id 99"},
      {"ruleset picross\nkey r 999\ngrid\nr\n", "no picture piece has id 999"},
      {"ruleset fill\ngrid\n.r\n", "a clue on an empty cell"},
      {"ruleset fill\n", "no grid"},
  };
  for (const Case& k : cases) {
    try {
      WriteLevel(ParseLevelSource(k.text, "t"), dir_ / "l.lvl");
      ADD_FAILURE() << "accepted: " << k.text;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(k.says), std::string::npos) << e.what();
    }
  }
}

TEST_F(LevelSourceTest, AFailedWriteIsAnError) {
  test::WriteFile(dir_ / "plain", "");
  EXPECT_THROW(CapturePrinted([&] { Write("ruleset fill\nkey r 2\ngrid\nR\n", "plain/l.lvl"); }), std::runtime_error);
}

// The row demonstrations draw fixed curves: they start just above the row's
// clue numbers and end on the row's cells, so the levels that run them put
// that row there.
TEST_F(LevelSourceTest, TutorialRowsLieUnderTheDemonstrationCurves) {
  struct Point {
    float x, y;
  };
  struct Case {
    const char* file;
    int row;
    std::vector<Point> starts;  // one per clue, left to right
    std::vector<Point> ends;
  } cases[] = {
      {"data/levelSM/level-tutorial-2.lvl", 3, {{302, 370}}, {{400, 386}, {450, 386}, {500, 386}}},
      {"data/levelSM/level-tutorial-3.lvl",
       3,
       {{258, 331}, {300, 331}},
       {{356, 346}, {505, 346}, {406, 346}, {548, 346}, {356, 345}}},
  };
  for (const Case& k : cases) {
    auto level = Load(test::kAssets + k.file);
    ASSERT_EQ(level->hasCells(), 1) << k.file;
    auto row = *std::next(level->numberRows.begin(), k.row);
    ASSERT_EQ(row->list.size(), k.starts.size()) << k.file;
    auto first = level->atiles.get(k.row, 0);
    // The i-th clue from the board stands (i * w + 15) left of the first cell.
    for (size_t i = 0; i < k.starts.size(); ++i) {
      const int fromBoard = static_cast<int>(k.starts.size() - i);
      const float clueX = static_cast<float>(first->x - (fromBoard * row->w + 15));
      EXPECT_LE(std::abs(clueX - k.starts[i].x), 6) << k.file << " clue " << i;
      EXPECT_GT(first->y - k.starts[i].y, 0) << k.file;
      EXPECT_LE(first->y - k.starts[i].y, 20) << k.file;
    }
    for (const Point& end : k.ends) {
      bool onCell = false;
      for (int c = 0; c < level->cols; ++c) {
        auto cell = level->atiles.get(k.row, c);
        onCell =
            onCell || (std::abs(end.x - cell->x) <= level->tileW / 2 && std::abs(end.y - cell->y) <= level->tileH / 2);
      }
      EXPECT_TRUE(onCell) << k.file << " end " << end.x << ", " << end.y;
    }
  }
}

// Each curve of a "2 1" row demonstration stands for one run of its step's
// pattern, in order, and ends within 6 px of the centre of a cell of that run
// as the level lays it out.
TEST_F(LevelSourceTest, DemonstrationCurvesEndOnTheCellsOfTheirRuns) {
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  lang = "en";
  tutorial = std::make_shared<TTutorial>();
  test::StdoutLines([] { tutorial->setup(); });
  int curves = 0;
  for (const auto& tip : TTutorial::tipsList)
    for (const auto& line : tip->allActions) {
      if (Upper(TipToken(line, 1)) != "SHOW-ROW-POSIBILITY" || Upper(TipToken(line, 3)) != "2_AND_1_ROW") continue;
      auto level = Load(TutorialLevelPath(tip->tryb, tip->numerLevelu));
      ASSERT_TRUE(level && level->hasCells()) << tip->id;
      const int row = TipNumber(line, 2);
      for (size_t step = 0; step + 5 < line.size(); ++step) {
        const std::string& pattern = line[step + 5];
        std::vector<std::vector<int>> runs;
        for (int c = 0; c < static_cast<int>(pattern.size()); ++c) {
          if (pattern[c] < '1' || pattern[c] > '9') continue;
          if (c == 0 || pattern[c - 1] < '1' || pattern[c - 1] > '9') runs.emplace_back();
          runs.back().push_back(c);
        }
        const auto ends = test::DemonstrationCurveEnds(Upper(TipToken(line, 3)), static_cast<int>(step));
        ASSERT_LE(ends.size(), runs.size()) << tip->id << " step " << step << ": a curve without a run";
        for (size_t k = 0; k < ends.size(); ++k) {
          double nearest = 1e9;
          for (int c : runs[k]) {
            auto cell = level->atiles.get(row, c);
            ASSERT_TRUE(cell) << tip->id;
            nearest = std::min(nearest, std::hypot(double{cell->x - ends[k][0]}, double{cell->y - ends[k][1]}));
          }
          EXPECT_LE(nearest, 6.0) << tip->id << " step " << step << " curve " << k << " ends at " << ends[k][0]
                                  << ", " << ends[k][1];
          ++curves;
        }
      }
    }
  EXPECT_GT(curves, 0);
}

}  // namespace
}  // namespace sorvanta
