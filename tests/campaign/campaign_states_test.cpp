// Whole campaigns through the state machine's campaign states with the real
// rules: a new campaign, every win to the outro, and replays after it.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/bindings.h"
#include "campaign/campaign_states.h"
#include "campaign/placeholders.h"
#include "campaign_test_support.h"
#include "core/states.h"
#include "puzzle/placeholders.h"

namespace sorvanta {
namespace {

using namespace campaign_test;

// The player clicks the current stage on the map, then its current level.
struct PickingMap : TMapScreen {
  std::string mainloop() override { return kStateStageScreen; }
};
struct PickingStageScreen : TStageScreen {
  std::vector<std::shared_ptr<TStage>> shown;
  std::string mainloop(std::shared_ptr<TStage> stage) override {
    shown.push_back(stage);
    auto& p = *profileManager->profile;
    p.QUEST_SetLevelAndStage(stage->id, p.tryb == 1 ? p.actLevelId_Picross : p.actLevelId_Fill);
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
  world.tips = {CampaignWorld::Tip("A", 1), CampaignWorld::Tip("B", 2), CampaignWorld::Tip("C", 2)};
  mapScreen = std::make_shared<PickingMap>();
  auto stageScreens = std::make_shared<PickingStageScreen>();
  stageScreen = stageScreens;
  profileManager = std::make_shared<TProfileManager>();
  profileManager->loadProfiles();  // the one player kept in memory
  TProfile& p = *profileManager->profile;
  registerCampaignStates();

  // A player with progress in this mode and a finished campaign in the other.
  p.tryb = 1 - m.tryb;
  p.QUEST_GetLevelData(2, 3)->played = 1;
  p.QUEST_SetLevelAndStage(2, 3);
  p.SetActScreen(kStateStageScreen);
  p.tryb = m.tryb;
  p.QUEST_GetLevelData(3, 1)->unlocked = 1;
  p.trybPicrossEnd = p.trybFillEnd = 1;
  p.tool = 1;
  p.lekcjeTutoriala = {CampaignWorld::Tip("OLD", 1)};
  const TProfileStages otherRecords = m.tryb == 1 ? p.stagesFill : p.stagesPicross;

  EXPECT_EQ(runRegisteredState(m.newGame), kStateIntro);
  auto level = [&] { return m.tryb == 1 ? p.levelPicross : p.levelFill; };
  auto stage = [&] { return m.tryb == 1 ? p.actStageId_Picross : p.actStageId_Fill; };
  auto levelId = [&] { return m.tryb == 1 ? p.actLevelId_Picross : p.actLevelId_Fill; };
  EXPECT_EQ(p.tryb, m.tryb);
  EXPECT_EQ(std::vector<int>({stage(), levelId(), m.tryb == 1 ? p.trybPicrossEnd : p.trybFillEnd, p.tool}),
            std::vector<int>({0, 1, 0, 0}));
  EXPECT_TRUE((m.tryb == 1 ? p.stagesPicross : p.stagesFill).empty());
  EXPECT_EQ(std::vector(p.lekcjeTutoriala.begin(), p.lekcjeTutoriala.end()), world.tips);
  EXPECT_EQ(world.tipsDropped, 1);
  // The other campaign is left alone.
  EXPECT_EQ(m.tryb == 1 ? p.stagesFill : p.stagesPicross, otherRecords);
  EXPECT_EQ(m.tryb == 1 ? p.trybFillEnd : p.trybPicrossEnd, 1);
  EXPECT_EQ(m.tryb == 1 ? p.actStageId_Fill : p.actStageId_Picross, 2);
  EXPECT_EQ(m.tryb == 1 ? p.screenFill : p.screenPicross, kStateStageScreen);

  // Win every level; the model follows the campaign table.
  const int stages = static_cast<int>(m.levels.size());
  int s = 0, l = 1, wins = 0, noPrepares = 0;
  for (std::string next; next != kStateOutro;) {
    ASSERT_LT(++wins, 100);
    SCOPED_TRACE(testing::Message() << "won stage " << s << " level " << l);
    ASSERT_EQ(Marker(world.handed.back()), s == 0 ? TutorialMarker(m.tryb, l) : CatalogueMarker(m.tryb, s, l));
    EXPECT_EQ(world.handed.back(), level());  // play changes the player's own level
    p.QUEST_PutData(1);
    next = runRegisteredState(kStateNextLevel);
    std::string expected;
    if (s == 0) {
      expected = l < m.tutorialLevels ? kStateMainGame : kStateMapScreen;
      l < m.tutorialLevels ? ++l : (s = 1, l = 1);
    } else if (l < m.levels[s - 1]) {
      expected = kStateStageScreen, ++l, ++noPrepares;
    } else {
      expected = s < stages ? kStateMapScreen : kStateOutro;
      s < stages ? (++s, l = 1) : (s = 1, l = 1);
    }
    ASSERT_EQ(next, expected);
    ASSERT_EQ(std::make_pair(stage(), levelId()), std::make_pair(s, l));
    EXPECT_EQ(world.noPrepares, noPrepares);
    if (next == kStateOutro) break;
    // What the map and the stage screen would show now.
    for (int k = 1; k <= stages; ++k) {
      EXPECT_EQ(p.QUEST_StageUnlocked(k), k <= std::max(s, 1)) << "stage " << k;
      EXPECT_EQ(p.QUEST_StageFinished(k), k < s) << "stage " << k;
    }
    for (int j = 1; s > 0 && j <= m.levels[s - 1]; ++j) {
      EXPECT_EQ(p.QUEST_LevelUnlocked(s, j), j <= l) << "level " << j;
      EXPECT_EQ(p.QUEST_LevelPlayed(s, j), j < l) << "level " << j;
    }
    if (next == kStateMapScreen) next = runRegisteredState(kStateMapScreen);
    if (next == kStateStageScreen) {
      next = runRegisteredState(kStateStageScreen);
      ASSERT_TRUE(stageScreens->shown.back());
      EXPECT_EQ(stageScreens->shown.back()->id, s);
    }
    ASSERT_EQ(next, kStateMainGame);
  }
  int catalogued = 0;
  for (int n : m.levels) catalogued += n;
  EXPECT_EQ(wins, m.tutorialLevels + catalogued);
  EXPECT_EQ(static_cast<int>(world.handed.size()), wins);
  EXPECT_EQ(m.tryb == 1 ? p.trybPicrossEnd : p.trybFillEnd, 1);
  EXPECT_FALSE(level());
  EXPECT_EQ(p.GetActScreen(), kStateMapScreen);
  EXPECT_EQ(p.QUEST_CanContinue(), 1);
  for (int k = 1; k <= stages; ++k) EXPECT_EQ(p.QUEST_StageFinished(k), 1) << "stage " << k;

  // Replays: an earlier stage's last level leads to the next stage's map,
  // the last stage's last level to the outro again.
  const std::size_t records = (m.tryb == 1 ? p.stagesPicross : p.stagesFill).size();
  p.QUEST_SetLevelAndStage(stages - 1, m.levels[stages - 2]);
  EXPECT_EQ(runRegisteredState(kStateRestartLevel), kStateMainGame);
  EXPECT_EQ(Marker(world.handed.back()), CatalogueMarker(m.tryb, stages - 1, m.levels[stages - 2]));
  p.QUEST_PutData(1);
  EXPECT_EQ(runRegisteredState(kStateNextLevel), kStateMapScreen);
  EXPECT_EQ(std::make_pair(stage(), levelId()), std::make_pair(stages, 1));
  p.QUEST_SetLevelAndStage(stages, m.levels[stages - 1]);
  EXPECT_EQ(runRegisteredState(kStateNextLevel), kStateOutro);
  EXPECT_EQ((m.tryb == 1 ? p.stagesPicross : p.stagesFill).size(), records);
}

// Picross ends after three stages, Fill after its own two.
INSTANTIATE_TEST_SUITE_P(BothModes, CampaignStates,
                         testing::Values(Mode{1, kStateNewGamePicross, 3, {4, 5, 6}},
                                         Mode{0, kStateNewGameFill, 7, {4, 5}}),
                         [](const auto& info) { return info.param.tryb == 1 ? "Picross" : "Fill"; });

TEST(CampaignStates, StartUpBindingHandsTheFirstTutorialLevelToThePlayScreen) {
  CampaignWorld world;
  bindLayers();
  mainGame = std::make_shared<TMainGame>();
  profileManager = std::make_shared<TProfileManager>();
  profileManager->loadProfiles();
  registerCampaignStates();
  EXPECT_EQ(runRegisteredState(kStateNewGameFill), kStateIntro);
  ASSERT_TRUE(mainGame->level);
  EXPECT_EQ(Marker(mainGame->level), TutorialMarker(0, 1));
  EXPECT_EQ(mainGame->level, profileManager->profile->levelFill);
}

}  // namespace
}  // namespace sorvanta
