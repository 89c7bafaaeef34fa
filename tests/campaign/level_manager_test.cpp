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
  std::vector<int> numbers;  // run on across stages: 1-4, 5-9, 10-15
  for (const auto& stage : levelManager->stagesMesalor)
    for (const auto& level : stage->levels) numbers.push_back(level->id * 100 + level->numer);
  EXPECT_EQ(numbers, std::vector<int>({101, 202, 303, 404, 105, 206, 307, 408, 509, 110, 211, 312, 413, 514, 615}));
  auto second = levelManager->getStageById(2, 1);
  EXPECT_EQ(second->levels.front()->url, "data/lv/1-2-1.lvl");
  EXPECT_EQ(std::vector<int>({second->x, second->y, second->titleAddY}), std::vector<int>({200, 100, -7}));
  EXPECT_EQ(second->title, "Title 2");
  EXPECT_EQ(ImgWidth(second->img) + ImgWidth(second->overImg), 0);  // missing pictures: 0 x 0

  // Fill restarts its numbers; a stage without levels stands in the list;
  // a title line past the story text reads as the marker.
  ASSERT_EQ(levelManager->stagesNormal.size(), 2u);
  EXPECT_EQ(levelManager->getStageById(1, 0)->levels.back()->numer, 2);
  EXPECT_EQ(levelManager->getStageById(1, 0)->title, "Title 1");
  EXPECT_TRUE(levelManager->getStageById(4, 0)->levels.empty());
  EXPECT_EQ(levelManager->getStageById(4, 0)->title, "(BEYOND TEXT ARRAY LENGTH!)");
}

TEST(LevelManager, LookupsTakeTheFirstMatchAndRefuseOtherSets) {
  CampaignWorld world({{1, 4}, {2, 2}, {2, 4}});  // stage id 2 twice
  struct Case {
    int level, stage, set;
    int count;   // CountLevelsForStage(stage, set)
    int marker;  // of the level loaded; -1 for none
  } const cases[] = {
      {3, 1, 1, 4, CatalogueMarker(1, 1, 3)},
      {1, 3, 1, 0, -1},                        // level id first: no stage 3
      {2, 2, 1, 2, CatalogueMarker(1, 2, 2)},  // duplicate id: the first stage
      {4, 2, 1, 2, CatalogueMarker(1, 3, 4)},  // not in the first: on to the second
      {1, 0, 1, 0, -1},                        // the tutorial stage is not catalogued
      {1, 1, 2, 0, -1}, {1, 1, -1, 0, -1},     // other sets hold nothing
      {9, 1, 1, 4, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "level " << c.level << " stage " << c.stage << " set " << c.set);
    EXPECT_EQ(levelManager->CountLevelsForStage(c.stage, c.set), c.count);
    EXPECT_EQ(levelManager->getStageById(c.stage, c.set) != nullptr, c.count > 0);
    EXPECT_EQ(Marker(levelManager->LoadLevelByStageAndLevelId(c.level, c.stage, c.set)), c.marker);
  }
  EXPECT_EQ(world.loads, 3);
}

TEST(LevelManager, MissingFilesGiveAnEmptyCatalogue) {
  test::TempFolder root;
  bDir = root.path() + "/";
  TLevelManager manager;
  auto lines = test::StdoutLines([&] { manager.setup(); });
  EXPECT_TRUE(manager.stagesNormal.empty() && manager.stagesMesalor.empty());
  EXPECT_EQ(lines.size(), 3u);  // the story text and both catalogues, each reported once
  EXPECT_FALSE(manager.LoadLevelByStageAndLevelId(1, 1, 0));
}

}  // namespace
}  // namespace sorvanta
