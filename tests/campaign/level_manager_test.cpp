// The stage catalogue: reading both files, running numbers, lookups.
#include "campaign/level_manager.h"

#include <gtest/gtest.h>

#include "campaign_test_support.h"
#include "gui/img.h"

namespace sorvanta {
namespace {

using campaign_test::CampaignWorld;
using campaign_test::CatalogueMarker;
using campaign_test::Marker;

TEST(LevelManager, ReadsBothCampaignsWithRunningNumbersTitlesAndPlaces) {
  CampaignWorld world({{1, 4}, {2, 5}, {3, 6}}, {{1, 2}, {4, 0}});
  ASSERT_EQ(levelManager->stagesMesalor.size(), 3u);
  int expected = 1;  // numer runs on across stages: 1-4, 5-9, 10-15
  for (const auto& stage : levelManager->stagesMesalor) {
    int l = 1;
    for (const auto& level : stage->levels) {
      EXPECT_EQ(level->id, l++);
      EXPECT_EQ(level->numer, expected++);
    }
  }
  EXPECT_EQ(expected, 16);
  auto second = levelManager->getStageById(2, 1);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->levels.front()->url, "data/lv/1-2-1.lvl");
  EXPECT_EQ(second->title, "Title 2");
  EXPECT_EQ(std::vector<int>({second->x, second->y, second->titleAddY}), std::vector<int>({200, 100, -7}));
  EXPECT_TRUE(second->img && second->overImg);  // missing pictures read as 0 x 0
  EXPECT_EQ(ImgWidth(second->img), 0);
  EXPECT_EQ(second->rotPart, 51.0f);

  // Fill restarts its numbers; a stage without levels stands in the list;
  // a title line past the story text reads as the marker.
  ASSERT_EQ(levelManager->stagesNormal.size(), 2u);
  EXPECT_EQ(levelManager->getStageById(1, 0)->levels.back()->numer, 2);
  EXPECT_EQ(levelManager->getStageById(1, 0)->title, "Title 1");
  auto empty = levelManager->getStageById(4, 0);
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->levels.empty());
  EXPECT_EQ(empty->title, "(BEYOND TEXT ARRAY LENGTH!)");
}

TEST(LevelManager, LookupsTakeTheFirstMatchAndRefuseOtherSets) {
  // Stage id 2 twice: the first has 2 levels, the second 4.
  CampaignWorld world({{1, 4}, {2, 2}, {2, 4}});
  struct Case {
    int level, stage, set;
    int count;   // CountLevelsForStage(stage, set)
    int marker;  // of the level loaded; -1 for none
  };
  const Case cases[] = {
      {3, 1, 1, 4, CatalogueMarker(1, 1, 3)},
      {1, 3, 1, 0, -1},                        // level id first: no stage 3
      {2, 2, 1, 2, CatalogueMarker(1, 2, 2)},  // duplicate id: the first stage
      {4, 2, 1, 2, CatalogueMarker(1, 3, 4)},  // not in the first: on to the second
      {1, 0, 1, 0, -1},                        // the tutorial stage is not catalogued
      {1, 1, 2, 0, -1},                        // set 2 holds nothing
      {1, 1, -1, 0, -1},
      {9, 1, 1, 4, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "level " << c.level << " stage " << c.stage << " set " << c.set);
    EXPECT_EQ(levelManager->CountLevelsForStage(c.stage, c.set), c.count);
    EXPECT_EQ(levelManager->getStageById(c.stage, c.set) != nullptr, c.count > 0);
    const int before = world.loads;
    EXPECT_EQ(Marker(levelManager->LoadLevelByStageAndLevelId(c.level, c.stage, c.set)), c.marker);
    EXPECT_EQ(world.loads - before, c.marker < 0 ? 0 : 1);
  }
  // Each load reads a new level.
  EXPECT_NE(levelManager->LoadLevelByStageAndLevelId(1, 1, 1), levelManager->LoadLevelByStageAndLevelId(1, 1, 1));
  EXPECT_EQ(levelManager->getStageById(2, 1), *std::next(levelManager->stagesMesalor.begin()));
}

TEST(LevelManager, MissingFilesGiveAnEmptyCatalogue) {
  test::TempFolder root;
  bDir = root.path() + "/";
  TLevelManager manager;
  auto lines = test::StdoutLines([&] { manager.setup(); });
  EXPECT_TRUE(manager.stagesNormal.empty() && manager.stagesMesalor.empty());
  EXPECT_FALSE(lines.empty());  // the loaders report what is missing
  EXPECT_FALSE(manager.getStageById(1, 1));
  EXPECT_FALSE(manager.LoadLevelByStageAndLevelId(1, 1, 0));
}

}  // namespace
}  // namespace sorvanta
