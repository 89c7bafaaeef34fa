// A player's records: queries that create nothing, stage counts, the level
// name index, the resume state, pending tips and the folder id.
#include <gtest/gtest.h>

#include <functional>

#include "campaign_test_support.h"

namespace sorvanta {
namespace {

using campaign_test::CampaignWorld;

std::size_t RecordCount(const TProfile& p) {
  std::size_t n = p.stagesPicross.size() + p.stagesFill.size();
  for (const auto* list : {&p.stagesPicross, &p.stagesFill})
    for (const auto& stage : *list) n += stage->levels.size();
  return n;
}

TEST(ProfileRecords, QueriesOnAFreshPlayerCreateNothing) {
  CampaignWorld world;
  struct Case {
    const char* what;
    std::function<int(TProfile&)> query;
    int expected;
  };
  const Case cases[] = {
      {"stage 1 open", [](TProfile& p) { return p.QUEST_StageUnlocked(1); }, 1},
      {"level 1-1 open", [](TProfile& p) { return p.QUEST_LevelUnlocked(1, 1); }, 1},
      {"level 1-1 not won", [](TProfile& p) { return p.QUEST_LevelPlayed(1, 1); }, 0},
      {"level 1-2 closed", [](TProfile& p) { return p.QUEST_LevelUnlocked(1, 2); }, 0},
      {"stage 2 closed", [](TProfile& p) { return p.QUEST_StageUnlocked(2); }, 0},
      {"stage 1 not finished", [](TProfile& p) { return p.QUEST_StageFinished(1); }, 0},
      {"no unlock shown", [](TProfile& p) { return p.QUEST_StageUnlockShowed(2); }, 0},
      {"story unread", [](TProfile& p) { return p.QUEST_StoryRead(4); }, 0},
      {"marking an absent story", [](TProfile& p) { return p.QUEST_MarkStoryRead(4) + p.QUEST_StoryRead(4); }, 0},
      {"nothing to continue", [](TProfile& p) { return p.QUEST_CanContinue(); }, 0},
      {"Picross stages passed", [](TProfile& p) { return p.QUEST_GetPicrossStagesPassed(); }, 0},
      {"Fill stages passed", [](TProfile& p) { return p.QUEST_GetFillStagesPassed(); }, 0},
  };
  for (int tryb : {1, 0, 2})
    for (const Case& c : cases) {
      TProfile p;
      p.tryb = tryb;
      EXPECT_EQ(c.query(p), c.expected) << c.what << ", mode " << tryb;
      EXPECT_EQ(RecordCount(p), 0u) << c.what << ", mode " << tryb;
    }
  TProfile p;
  EXPECT_EQ(p.GetActScreen(), "MAP-SCREEN");
  EXPECT_FALSE(p.QUEST_GetActStage());
  EXPECT_EQ(RecordCount(p), 0u);
}

TEST(ProfileRecords, FinishedStagesAndThePickersCount) {
  CampaignWorld world;  // Picross stage 2 has 5 levels
  TProfile p;
  auto level = p.QUEST_GetLevelData(2, 1);
  EXPECT_EQ(p.QUEST_GetLevelData(2, 1), level);  // found, not made again
  ASSERT_EQ(p.stagesPicross.size(), 1u);
  for (int l = 1; l <= 4; ++l) p.QUEST_GetLevelData(2, l)->played = 1;
  // Four of five records, all won: not finished, not counted.
  EXPECT_EQ(p.QUEST_StageFinished(2), 0);
  EXPECT_EQ(p.QUEST_GetPicrossStagesPassed(), 0);
  p.QUEST_GetLevelData(2, 5)->unlocked = 1;  // the last level reached, not won
  EXPECT_EQ(p.QUEST_StageFinished(2), 0);
  EXPECT_EQ(p.QUEST_GetPicrossStagesPassed(), 1);
  p.tryb = 0;  // the counts ignore the mode; the other queries read Fill
  EXPECT_EQ(p.QUEST_GetPicrossStagesPassed(), 1);
  EXPECT_EQ(p.QUEST_GetFillStagesPassed(), 0);
  EXPECT_EQ(p.QUEST_StageUnlocked(2), 0);
  p.tryb = 1;
  p.QUEST_GetLevelData(2, 5)->played = 1;
  EXPECT_EQ(p.QUEST_StageFinished(2), 1);
  // A tutorial record never counts; its stage is not in the catalogue.
  p.QUEST_GetLevelData(0, 1)->played = 1;
  EXPECT_EQ(p.QUEST_GetPicrossStagesPassed(), 1);
}

TEST(ProfileRecords, LevelNumberAndResumeState) {
  CampaignWorld world;
  struct Case {
    int tryb, stage, level, expected;
  };
  const Case numbers[] = {
      {1, 0, 2, 1},   // tutorial: the level id - 1
      {1, 1, 4, 3},   // Picross numer 4
      {1, 2, 3, 6},   // numer 4 + 3
      {1, 3, 7, 0},   // no level at that position
      {1, 5, 1, 0},   // no such stage
      {0, 2, 1, 4},   // Fill: its own running numbers
      {2, 1, 1, 0},
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
  EXPECT_EQ(p.QUEST_CanContinue(), 1);
  p.SetActScreen("STAGE-SCREEN");
  EXPECT_EQ(p.GetActScreen(), "STAGE-SCREEN");
  p.tryb = 0;  // Fill has its own
  EXPECT_EQ(p.GetActScreen(), "MAP-SCREEN");
  p.trybFillEnd = 1;
  EXPECT_EQ(p.QUEST_CanContinue(), 1);
  p.tryb = 2;
  p.SetActScreen("MAIN-GAME");
  EXPECT_EQ(p.GetActScreen(), "");
  EXPECT_EQ(p.screenPicross + "|" + p.screenFill, "STAGE-SCREEN|");
}

TEST(ProfileRecords, PendingTipsAndFolderId) {
  TProfile p;
  p.lekcjeTutoriala = {nullptr, CampaignWorld::Tip("Row-Clear", 1), nullptr};
  EXPECT_EQ(p.HaveTip("ROW-CLEAR"), 1);
  EXPECT_EQ(p.HaveTip("row-clear"), 1);
  EXPECT_EQ(p.HaveTip("ROW"), 0);
  EXPECT_EQ(p.HaveTip(""), 0);  // an empty entry is no tip

  const std::pair<const char*, const char*> ids[] = {
      {"", ""}, {"A", "65"}, {"AB", "65_66"}, {"\xC3\xA9", "233"},
      {"a\xF0\x9F\x98\x80", "97_55357_56832"},  // U+1F600 as two UTF-16 units
  };
  for (const auto& [name, id] : ids) {
    p.name = name;
    EXPECT_EQ(p.GetId(), id) << name;
  }
}

}  // namespace
}  // namespace sorvanta
