// A player's records: queries that create nothing, stage counts, the level
// name index, the resume state, pending tips and the folder id.
#include <gtest/gtest.h>

#include "campaign_test_support.h"

namespace sorvanta {
namespace {

using campaign_test::CampaignWorld;

TEST(ProfileRecords, QueriesOnAFreshPlayerCreateNothing) {
  CampaignWorld world;
  for (int tryb : {1, 0, 2}) {
    TProfile p;
    p.tryb = tryb;
    // Stage 1 and its level 1 are open in every mode; nothing else is.
    EXPECT_EQ(std::vector<int>({p.QUEST_StageUnlocked(1), p.QUEST_LevelUnlocked(1, 1), p.QUEST_LevelPlayed(1, 1),
                                p.QUEST_LevelUnlocked(1, 2), p.QUEST_LevelUnlocked(2, 1), p.QUEST_StageUnlocked(2),
                                p.QUEST_StageFinished(1),
                                p.QUEST_StageUnlockShowed(2), p.QUEST_MarkStoryRead(4) + p.QUEST_StoryRead(4),
                                p.QUEST_CanContinue(), p.QUEST_GetPicrossStagesPassed(),
                                p.QUEST_GetFillStagesPassed()}),
              std::vector<int>({1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}))
        << "mode " << tryb;
    EXPECT_FALSE(p.QUEST_GetActStage());
    EXPECT_TRUE(p.stagesPicross.empty() && p.stagesFill.empty()) << "mode " << tryb;
  }
}

TEST(ProfileRecords, FinishedStagesAndThePickersCount) {
  CampaignWorld world;  // stage 2: 5 levels in Picross, 6 in Fill
  TProfile p;
  EXPECT_EQ(p.QUEST_GetLevelData(2, 1), p.QUEST_GetLevelData(2, 1));  // found, not made again
  for (int l = 1; l <= 4; ++l) p.QUEST_GetLevelData(2, l)->played = 1;
  // Four of five records, all won: not finished, not counted.
  EXPECT_EQ(p.QUEST_StageFinished(2) + p.QUEST_GetPicrossStagesPassed(), 0);
  p.QUEST_GetLevelData(2, 5)->unlocked = 1;  // the last level reached, not won: counted
  EXPECT_EQ(p.QUEST_StageFinished(2), 0);
  EXPECT_EQ(p.QUEST_GetPicrossStagesPassed(), 1);
  p.tryb = 0;  // the counts ignore the mode; the other queries read Fill
  EXPECT_EQ(p.QUEST_GetPicrossStagesPassed() - p.QUEST_GetFillStagesPassed() - p.QUEST_StageUnlocked(2), 1);
  // Each count holds its records against its own catalogue.
  for (int l = 1; l <= 5; ++l) p.QUEST_GetLevelData(2, l)->played = 1;
  EXPECT_EQ(p.QUEST_GetFillStagesPassed(), 0);
  p.QUEST_GetLevelData(2, 6);
  EXPECT_EQ(p.QUEST_GetFillStagesPassed(), 1);
  for (int l = 1; l <= 3; ++l) p.QUEST_GetLevelData(1, l);
  EXPECT_EQ(p.QUEST_GetFillStagesPassed(), 2);
  EXPECT_EQ(p.QUEST_GetPicrossStagesPassed(), 1);
  p.tryb = 1;
  p.QUEST_GetLevelData(2, 5)->played = 1;
  p.QUEST_GetLevelData(0, 1)->played = 1;  // the tutorial stage is not catalogued
  EXPECT_EQ(p.QUEST_StageFinished(2), 1);
  EXPECT_EQ(p.QUEST_GetPicrossStagesPassed(), 1);
}

TEST(ProfileRecords, LevelNumberResumeStateTipsAndFolderId) {
  CampaignWorld world;
  struct Case {
    int tryb, stage, level, expected;
  } const numbers[] = {
      {1, 0, 2, 1},                              // tutorial: the level id - 1
      {1, 2, 3, 6},                              // Picross numer 4 + 3
      {1, 3, 7, 0}, {1, 5, 1, 0}, {2, 1, 1, 0},  // off the catalogue
      {0, 2, 1, 3},                              // Fill: its own running numbers
  };
  for (const Case& c : numbers) {
    TProfile p;
    p.tryb = c.tryb;
    p.actStageId_Picross = p.actStageId_Fill = c.stage;
    p.actLevelId_Picross = p.actLevelId_Fill = c.level;
    EXPECT_EQ(p.CountLevelNumber(), c.expected) << c.tryb << " " << c.stage << " " << c.level;
  }

  TProfile p;
  EXPECT_EQ(p.GetActScreen(), "MAP-SCREEN");
  p.levelPicross = std::make_shared<TLevel>();
  EXPECT_EQ(p.GetActScreen(), "MAIN-GAME");
  p.SetActScreen("STAGE-SCREEN");
  EXPECT_EQ(p.GetActScreen(), "STAGE-SCREEN");
  p.tryb = 0;  // Fill has its own
  EXPECT_EQ(p.GetActScreen(), "MAP-SCREEN");
  p.tryb = 2;
  p.SetActScreen("MAIN-GAME");
  EXPECT_EQ(p.GetActScreen() + "|" + p.screenPicross + "|" + p.screenFill, "|STAGE-SCREEN|");

  p.lekcjeTutoriala = {nullptr, CampaignWorld::Tip("Row-Clear", 1)};
  EXPECT_EQ(std::vector<int>({p.HaveTip("ROW-CLEAR"), p.HaveTip("row-clear"), p.HaveTip("ROW"), p.HaveTip("")}),
            std::vector<int>({1, 1, 0, 0}));
  const std::pair<const char*, const char*> ids[] = {
      {"", ""}, {"A", "65"}, {"AB", "65_66"}, {"\xC3\xA9", "233"},
      {"a\xF0\x9F\x98\x80", "97_55357_56832"},  // U+1F600 as two UTF-16 units
  };
  for (const auto& [name, id] : ids) {
    p.name = name;
    EXPECT_EQ(p.GetId(), id) << name;
    EXPECT_EQ(NameFromId(id), name) << id;  // a folder gives back its player's name
  }
  // Names no id of which is this: other folders beside the players'.
  for (const char* other : {"065", "65_", "_65", "65__66", "6a", "65536", "55357", "56832_97", "profiles.dat"})
    EXPECT_EQ(NameFromId(other), "") << other;
}

}  // namespace
}  // namespace sorvanta
