// Campaign rules at the edges: restarting, moving on from a position the
// catalogue lacks, other modes; tutorial wins and resumed tips.
#include <gtest/gtest.h>

#include <limits>

#include "campaign_test_support.h"

namespace sorvanta {
namespace {

using namespace campaign_test;

TEST(CampaignRules, RestartAndNextLevelFromEveryKindOfPosition) {
  struct Case {
    const char* what;
    int tryb, stage, level;
    bool next;  // NEXT-LEVEL, else RESTART-LEVEL
    std::string result;
    int marker;  // of the level handed over; -1 for none
    int stageAfter, levelAfter;
    std::size_t printed;  // lines on standard output
  };
  const Case cases[] = {
      {"restart in a stage", 0, 2, 2, false, kStateMainGame, CatalogueMarker(0, 2, 2), 2, 2, 1},
      {"restart in the tutorial", 1, 0, 2, false, kStateMainGame, TutorialMarker(1, 2), 0, 2, 1},
      {"restart without a catalogue level", 1, 3, 9, false, kStateMapScreen, -1, 3, 9, 1},
      {"restart in a stage the mode lacks", 0, 3, 1, false, kStateMapScreen, -1, 3, 1, 1},
      {"restart in another mode", 2, 1, 1, false, kStateMapScreen, -1, 1, 1, 1},
      {"next in a stage the mode lacks", 0, 3, 1, true, kStateMapScreen, -1, 3, 1, 1},
      {"next past the last tutorial level", 1, 0, 9, true, kStateMapScreen, -1, 1, 1, 1},
      {"next from the last Picross tutorial level", 1, 0, 3, true, kStateMapScreen, -1, 1, 1, 1},
      {"next from the Picross tutorial's last but one", 1, 0, 2, true, kStateMainGame, TutorialMarker(1, 3), 0, 3, 1},
      {"next from the last Fill tutorial level", 0, 0, 7, true, kStateMapScreen, -1, 1, 1, 1},
      {"next in another mode's tutorial reads Fill", 2, 0, 1, true, kStateMainGame, TutorialMarker(0, 2), 0, 2, 1},
      {"next in another mode's stage", 2, 1, 1, true, "", -1, 1, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CampaignWorld world;
    TProfile p;
    p.tryb = c.tryb;
    p.actStageId_Picross = p.actStageId_Fill = c.stage;
    p.actLevelId_Picross = p.actLevelId_Fill = c.level;
    auto before = std::make_shared<TLevel>();
    p.levelPicross = p.levelFill = before;
    p.tool = 1;
    std::string result;
    auto lines = test::StdoutLines([&] { result = c.next ? p.QUEST_NextLevel() : p.QUEST_RestartLevel(); });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(lines.size(), c.printed);
    ASSERT_EQ(world.handed.size(), c.marker < 0 ? 0u : 1u);
    if (c.marker >= 0) {
      EXPECT_EQ(Marker(world.handed[0]), c.marker);
      EXPECT_NE(world.handed[0], before);  // read anew
    }
    const bool picross = c.tryb == 1;
    EXPECT_EQ((picross ? p.actStageId_Picross : p.actStageId_Fill), c.stageAfter);
    EXPECT_EQ((picross ? p.actLevelId_Picross : p.actLevelId_Fill), c.levelAfter);
    if (!c.next) {
      EXPECT_EQ(p.tool, 0);
    }
    // Moved on to the map: the won board no longer stands in progress, the
    // next position's fresh one does, and the map is where play resumes.
    if (c.next && c.stageAfter != c.stage) {
      EXPECT_EQ(Marker(picross ? p.levelPicross : p.levelFill), CatalogueMarker(c.tryb, 1, 1));
      EXPECT_EQ(p.GetActScreen(), kStateMapScreen);
    }
    EXPECT_TRUE(p.stagesPicross.empty() && p.stagesFill.empty());  // no record made
    EXPECT_EQ(world.noPrepares, 0);
  }
}

TEST(CampaignRules, TutorialWinsResumedTipsAndDamagedPositions) {
  CampaignWorld world;
  world.tips = {CampaignWorld::Tip("A", 1), CampaignWorld::Tip("B", 2), CampaignWorld::Tip("C", 2)};
  TProfile p;
  p.QUEST_SetLevelAndStage(0, 2);
  p.QUEST_PutData(1);  // a tutorial win makes stage record 0
  EXPECT_EQ(p.stagesPicross.front()->id + p.QUEST_LevelPlayed(0, 2), 1);
  // Level 2's tips come back, except one still pending (any case).
  p.lekcjeTutoriala = {nullptr, CampaignWorld::Tip("b", 2)};
  p.QUEST_PrepareTutorialForActLevel();
  ASSERT_EQ(p.lekcjeTutoriala.size(), 3u);
  EXPECT_EQ(p.lekcjeTutoriala.back(), world.tips[2]);

  // Ids from a damaged profile stop at the largest instead of wrapping.
  const int largest = std::numeric_limits<int>::max();
  p.QUEST_SetLevelAndStage(1, largest);
  EXPECT_EQ(p.QUEST_NextLevel(), kStateStageScreen);
  EXPECT_EQ(p.actLevelId_Picross, largest);
  p.QUEST_SetLevelAndStage(0, std::numeric_limits<int>::min());
  EXPECT_EQ(p.CountLevelNumber(), std::numeric_limits<int>::min());
}

}  // namespace
}  // namespace sorvanta
