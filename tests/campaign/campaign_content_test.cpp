// The shipped campaigns: both catalogues read through the level manager, every
// level file loads cleanly as its campaign's ruleset, and each campaign can be
// walked with the campaign rules from a new campaign to the outro.
#include <gtest/gtest.h>

#include <set>

#include "../leveltool/leveltool_test_support.h"
#include "campaign/campaign_links.h"
#include "campaign/level_manager.h"
#include "campaign/profile.h"
#include "core/states.h"
#include "formats/rcm_file.h"
#include "formats/txt_file.h"
#include "gui/img.h"
#include "gui/my_font.h"
#include "gui/wrapped_text.h"
#include "leveltool/line_solver.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/strings.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level_file.h"
#include "puzzle/board/tile.h"

namespace sorvanta {
namespace {

const char kOutOfRange[] = "(BEYOND TEXT ARRAY LENGTH!)";

class CampaignContent : public test::LevelToolTest {
 protected:
  void SetUp() override {
    LevelToolTest::SetUp();
    TCampaignLinks links;
    links.loadLevel = [this](const std::string& path) {
      ++loads;
      return LoadLevel(path);
    };
    links.setLevel = [](std::shared_ptr<TLevel>) {};
    links.levelTips = [] { return std::vector<std::shared_ptr<TTutorialTip>>{}; };
    links.dropRunningTip = [] {};
    links.stageScreenNoPrepare = [] {};
    bindCampaignLinks(std::move(links));
    levelManager = std::make_shared<TLevelManager>();
    EXPECT_TRUE(CapturePrinted([] { levelManager->setup(); }).empty());
  }
  int loads = 0;
};

// Picross: line steps that fix at least one cell, rows then columns until
// done. Fill: cells without a clue. Both grow as a level asks more thought.
int SolvingEffort(const TLevel& level) {
  if (level.tryb == 0) {
    int bare = 0;
    for (int r = 0; r < level.rows; ++r)
      for (int c = 0; c < level.cols; ++c) bare += level.tile.get(r, c)->number ? 0 : 1;
    return bare;
  }
  std::vector<std::vector<bool>> picture(level.rows, std::vector<bool>(level.cols));
  for (int r = 0; r < level.rows; ++r)
    for (int c = 0; c < level.cols; ++c) picture[r][c] = level.atiles.get(r, c)->td != nullptr;
  const PicrossClues clues = CluesOf(picture);
  std::vector<std::vector<PCell>> grid(level.rows, std::vector<PCell>(level.cols, PCell::Unknown));
  int steps = 0;
  for (bool changed = true; changed;) {
    changed = false;
    auto step = [&](const std::vector<int>& runs, std::vector<PCell*> cells) {
      std::vector<PCell> line;
      for (PCell* cell : cells) line.push_back(*cell);
      if (!SolveLine(runs, line)) return;
      bool fixed = false;
      for (size_t i = 0; i < cells.size(); ++i) {
        fixed |= *cells[i] != line[i];
        *cells[i] = line[i];
      }
      steps += fixed ? 1 : 0;
      changed |= fixed;
    };
    for (int r = 0; r < level.rows; ++r) {
      std::vector<PCell*> cells;
      for (int c = 0; c < level.cols; ++c) cells.push_back(&grid[r][c]);
      step(clues.rows[r], cells);
    }
    for (int c = 0; c < level.cols; ++c) {
      std::vector<PCell*> cells;
      for (int r = 0; r < level.rows; ++r) cells.push_back(&grid[r][c]);
      step(clues.cols[c], cells);
    }
  }
  return steps;
}

TEST_F(CampaignContent, CataloguesHoldLandsWhoseLevelsLoadCleanly) {
  std::set<std::string> urls;
  for (int set : {0, 1}) {
    const auto& stages = *levelManager->stagesOf(set);
    ASSERT_EQ(stages.size(), 10u);  // the mode picker shows ten stages
    EXPECT_EQ(stages.size(), levelManager->stagesOf(1 - set)->size());
    int id = 0;
    for (const auto& stage : stages) {
      SCOPED_TRACE("set " + std::to_string(set) + " stage " + std::to_string(stage->id));
      EXPECT_EQ(stage->id, ++id);  // contiguous from 1
      const auto other = levelManager->getStageById(stage->id, 1 - set);
      ASSERT_TRUE(other);  // one land in both campaigns
      EXPECT_EQ(std::vector<int>({stage->x, stage->y, stage->titleAddY}),
                std::vector<int>({other->x, other->y, other->titleAddY}));
      EXPECT_NE(stage->title, kOutOfRange);
      EXPECT_GT(ImgWidth(stage->img), 0);
      EXPECT_EQ(ImgWidth(stage->img), ImgWidth(stage->overImg));
      EXPECT_EQ(ImgHeight(stage->img), ImgHeight(stage->overImg));
      ASSERT_TRUE(stage->preview);
      const int count = static_cast<int>(stage->levels.size());
      EXPECT_TRUE((count >= 1 && count <= 10) || count == 25) << count;  // the stage screen's two grids
      for (const auto& data : stage->levels) {
        EXPECT_LE(data->numer, 200);  // the level name lists hold 200
        EXPECT_TRUE(urls.insert(data->url).second) << data->url << " named twice";
        std::shared_ptr<TLevel> level;
        const std::string path = bDir + data->url;  // the loader announces the file, nothing more
        EXPECT_EQ(CapturePrinted([&] { level = LoadLevel(path); }),
                  std::vector<std::string>({"Loading level: " + path}));
        ASSERT_TRUE(level);
        EXPECT_EQ(level->tryb, set) << data->url;
        EXPECT_TRUE(level->hasCells()) << data->url;
      }
    }
  }

  // Story pages: one per land, naming lines of the story text that exist.
  auto pages = loadRCMFile(bDir + "data/stagesStory.dat");
  auto story = loadTxtFile(bDir + "txt/#LANG#/story.txt");
  const int count = FloatToInt(pages->getFloat("story::i", 0, 0));
  EXPECT_EQ(count, static_cast<int>(levelManager->stagesMesalor.size()));
  for (int i = 1; i <= count; ++i) {
    const std::string key = "story::story" + std::to_string(i) + "::";
    EXPECT_EQ(FloatToInt(pages->getFloat(key + "id", 0, 0)), i);
    for (const char* line : {"title", "txt"}) {
      const int n = FloatToInt(pages->getFloat(key + line, 0, 0));
      ASSERT_TRUE(n >= 1 && n <= story->lines()) << key << line;
      EXPECT_FALSE(readTxtData(story, n).empty()) << key << line;
    }
  }
}

TEST_F(CampaignContent, StagesGrowHarderFromLandToLand) {
  for (int set : {0, 1}) {
    double last = -1, lastCells = -1;
    for (const auto& stage : *levelManager->stagesOf(set)) {
      double effort = 0, cells = 0;
      for (const auto& data : stage->levels) {
        std::shared_ptr<TLevel> level;
        CapturePrinted([&] { level = LoadLevel(bDir + data->url); });
        ASSERT_TRUE(level && level->hasCells()) << data->url;
        effort += SolvingEffort(*level);
        cells += level->rows * level->cols;
      }
      effort /= static_cast<double>(stage->levels.size());
      cells /= static_cast<double>(stage->levels.size());
      EXPECT_GT(effort, last) << "set " << set << " stage " << stage->id;
      EXPECT_GT(cells, lastCells) << "set " << set << " stage " << stage->id;
      last = effort;
      lastCells = cells;
    }
  }
}

// Story pages wrap to five lines at 680 px and every level name fits the
// summary's 500 px, both in the 24 px font; each campaign names a picture once.
TEST_F(CampaignContent, TextsFitWhereTheyAreShown) {
  SetImageFont(myLoadImageFont(bDir + "gfx/fonts/font.ttf", 24));
  auto story = loadTxtFile(bDir + "txt/#LANG#/story.txt");
  ASSERT_EQ(story->lines(), 20);
  for (int page = 2; page <= 20; page += 2)
    EXPECT_LE(layoutSpecText(readTxtData(story, page), 0, 0, 680, "LEFT", 0).lines, 5) << "page line " << page;
  for (int set : {0, 1}) {
    auto names =
        loadTxtFile(bDir + (set == 1 ? "txt/#LANG#/levelNamesMesalor.txt" : "txt/#LANG#/levelNamesTrelmo.txt"));
    ASSERT_EQ(names->lines(), 200);
    std::set<std::string> shown;
    for (int n = 1; n <= 200; ++n) {
      const std::string name = readTxtData(names, n);
      EXPECT_FALSE(name.empty()) << "line " << n;
      EXPECT_LE(TextWidth(name), 500) << name;
    }
    for (const auto& stage : *levelManager->stagesOf(set))
      for (const auto& data : stage->levels)
        EXPECT_TRUE(shown.insert(readTxtData(names, data->numer)).second)
            << "set " << set << " shows twice " << readTxtData(names, data->numer);
  }
  SetImageFont(nullptr);
}

TEST_F(CampaignContent, EachCampaignWalksFromANewCampaignToTheOutro) {
  for (int set : {0, 1}) {
    SCOPED_TRACE("set " + std::to_string(set));
    TProfile p;
    CapturePrinted([&] { set == 1 ? p.QUEST_StartNewPicross() : p.QUEST_StartNewFill(); });
    int played = 0;
    std::string state;
    for (int step = 0; step < 1000 && state != kStateOutro; ++step) {
      CapturePrinted([&] {
        p.QUEST_PutData(1);
        state = p.QUEST_NextLevel();
        if (state != kStateOutro) p.QUEST_LoadActLevel();
      });
      if (state == kStateOutro) break;
      const auto& level = set == 1 ? p.levelPicross : p.levelFill;
      ASSERT_TRUE(level) << "no level after step " << step;
      if ((set == 1 ? p.actStageId_Picross : p.actStageId_Fill) > 0) ++played;
    }
    EXPECT_EQ(state, kStateOutro);
    int catalogued = 0;
    for (const auto& stage : *levelManager->stagesOf(set)) catalogued += static_cast<int>(stage->levels.size());
    EXPECT_EQ(played, catalogued);
  }
}

}  // namespace
}  // namespace sorvanta
