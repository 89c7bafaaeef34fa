// Whole campaigns through the state machine's campaign states with the real
// rules: a new campaign, every win to the outro, and replays after it.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/bindings.h"
#include "campaign/campaign_states.h"
#include "campaign/profile_manager.h"
#include "campaign_test_support.h"
#include "map/map_screen.h"
#include "map/map_states.h"
#include "map/stage_screen.h"
#include "puzzle/puzzle_play.h"

namespace sorvanta {
namespace {

using namespace campaign_test;

// The player clicks the current stage on the map, then its current level.
struct PickingMap : TMapScreen {
  std::string mainloop() override { return kStateStageScreen; }
};
struct PickingStageScreen : TStageScreen {
  std::shared_ptr<TStage> shown;
  std::string mainloop(std::shared_ptr<TStage> stage) override {
    auto& p = *profileManager->profile;
    p.QUEST_SetLevelAndStage((shown = stage)->id, p.tryb == 1 ? p.actLevelId_Picross : p.actLevelId_Fill);
    p.QUEST_LoadActLevel();
    campaignSetLevel(p.tryb == 1 ? p.levelPicross : p.levelFill);
    return kStateMainGame;
  }
};

struct Mode {
  int tryb;
  const char* newGame;
  int tutorialLevels;
  std::vector<int> levels;  // per catalogue stage
};
void PrintTo(const Mode& m, std::ostream* os) { *os << m.newGame; }

class CampaignStates : public testing::TestWithParam<Mode> {};

TEST_P(CampaignStates, NewCampaignThenEveryWinToTheOutro) {
  const Mode& m = GetParam();
  CampaignWorld world;
  world.tips = {CampaignWorld::Tip("A", 1), CampaignWorld::Tip("B", 2)};
  mapScreen = std::make_shared<PickingMap>();
  auto stages = std::make_shared<PickingStageScreen>();
  stageScreen = stages;
  profileManager = std::make_shared<TProfileManager>();
  profileManager->CreateNewProfile("P");
  TProfile& p = *profileManager->profile;
  registerCampaignStates();
  registerMapStates();
  const bool picross = m.tryb == 1;
  int& stage = picross ? p.actStageId_Picross : p.actStageId_Fill;
  int& level = picross ? p.actLevelId_Picross : p.actLevelId_Fill;
  int& end = picross ? p.trybPicrossEnd : p.trybFillEnd;
  TProfileStages& records = picross ? p.stagesPicross : p.stagesFill;

  // Progress in both campaigns, tips pending: the new one resets only its own.
  p.tryb = 1 - m.tryb;
  p.QUEST_GetLevelData(2, 3)->played = 1;
  p.tryb = m.tryb;
  p.QUEST_GetLevelData(3, 1);
  p.trybPicrossEnd = p.trybFillEnd = p.tool = 1;
  p.lekcjeTutoriala = {CampaignWorld::Tip("OLD", 1)};
  const TProfileStages other = picross ? p.stagesFill : p.stagesPicross;
  EXPECT_EQ(runRegisteredState(m.newGame), kStateIntro);
  EXPECT_EQ(std::vector<int>({p.tryb, stage, level, end, p.tool, static_cast<int>(records.size())}),
            std::vector<int>({m.tryb, 0, 1, 0, 0, 0}));
  EXPECT_EQ(std::vector(p.lekcjeTutoriala.begin(), p.lekcjeTutoriala.end()), world.tips);
  EXPECT_EQ(world.tipsDropped, 1);
  EXPECT_EQ(picross ? p.stagesFill : p.stagesPicross, other);
  EXPECT_EQ(picross ? p.trybFillEnd : p.trybPicrossEnd, 1);

  // Win every level; the model follows the campaign table.
  const int count = static_cast<int>(m.levels.size());
  int s = 0, l = 1, wins = 0, noPrepares = 0;
  for (std::string next; next != kStateOutro;) {
    ASSERT_LT(++wins, 100);
    SCOPED_TRACE(testing::Message() << "won stage " << s << " level " << l);
    ASSERT_EQ(Marker(world.handed.back()), s == 0 ? TutorialMarker(m.tryb, l) : CatalogueMarker(m.tryb, s, l));
    EXPECT_EQ(world.handed.back(), picross ? p.levelPicross : p.levelFill);  // the player's own level
    p.QUEST_PutData(1);
    next = runRegisteredState(kStateNextLevel);
    std::string expected = kStateMapScreen;
    if (s == 0 && l < m.tutorialLevels) {
      expected = kStateMainGame, ++l;
    } else if (s == 0) {
      s = 1, l = 1;
    } else if (l < m.levels[s - 1]) {
      expected = kStateStageScreen, ++l, ++noPrepares;
    } else if (s < count) {
      ++s, l = 1;
    } else {
      expected = kStateOutro, s = 1, l = 1;
    }
    ASSERT_EQ(next, expected);
    ASSERT_EQ(std::make_pair(stage, level), std::make_pair(s, l));
    EXPECT_EQ(world.noPrepares, noPrepares);
    if (next == kStateOutro) break;
    // What the map and the stage screen would show now.
    for (int k = 1; k <= count; ++k)
      EXPECT_EQ(p.QUEST_StageUnlocked(k) * 2 + p.QUEST_StageFinished(k), (k <= std::max(s, 1)) * 2 + (k < s)) << k;
    for (int j = 1; s > 0 && j <= m.levels[s - 1]; ++j)
      EXPECT_EQ(p.QUEST_LevelUnlocked(s, j) * 2 + p.QUEST_LevelPlayed(s, j), (j <= l) * 2 + (j < l)) << j;
    if (next == kStateMapScreen) next = runRegisteredState(kStateMapScreen);
    if (next == kStateStageScreen) next = runRegisteredState(kStateStageScreen);
    ASSERT_EQ(next, kStateMainGame);
    EXPECT_TRUE(s == 0 || stages->shown->id == s);
  }
  int catalogued = 0;
  for (int n : m.levels) catalogued += n;
  EXPECT_EQ(wins, m.tutorialLevels + catalogued);
  EXPECT_EQ(static_cast<int>(world.handed.size()), wins);
  EXPECT_EQ(end, 1);
  EXPECT_FALSE(picross ? p.levelPicross : p.levelFill);
  EXPECT_EQ(p.GetActScreen(), kStateMapScreen);
  for (int k = 1; k <= count; ++k) EXPECT_EQ(p.QUEST_StageFinished(k), 1) << k;

  // Replays: an earlier stage's last level opens the map at the next stage,
  // the last stage's last level plays the outro again.
  const std::size_t made = records.size();
  p.QUEST_SetLevelAndStage(count - 1, m.levels[count - 2]);
  EXPECT_EQ(runRegisteredState(kStateRestartLevel), kStateMainGame);
  EXPECT_EQ(runRegisteredState(kStateNextLevel), kStateMapScreen);
  EXPECT_EQ(std::make_pair(stage, level), std::make_pair(count, 1));
  p.QUEST_SetLevelAndStage(count, m.levels[count - 1]);
  EXPECT_EQ(runRegisteredState(kStateNextLevel), kStateOutro);
  EXPECT_EQ(records.size(), made);
}

// Picross ends after its three stages, Fill after its own two.
INSTANTIATE_TEST_SUITE_P(BothModes, CampaignStates,
                         testing::Values(Mode{1, kStateNewGamePicross, 3, {4, 5, 6}},
                                         Mode{0, kStateNewGameFill, 7, {3, 6}}),
                         [](const auto& info) { return info.param.tryb == 1 ? "Picross" : "Fill"; });

TEST(CampaignStates, StartUpBindingHandsTheFirstTutorialLevelToThePlayScreen) {
  CampaignWorld world;
  bindLayers();
  mainGame = std::make_shared<TMainGame>();
  profileManager = std::make_shared<TProfileManager>();
  profileManager->CreateNewProfile("P");
  registerCampaignStates();
  registerMapStates();
  EXPECT_EQ(runRegisteredState(kStateNewGameFill), kStateIntro);
  EXPECT_EQ(Marker(mainGame->level), TutorialMarker(0, 1));
  EXPECT_EQ(mainGame->level, profileManager->profile->levelFill);
}

}  // namespace
}  // namespace sorvanta
