// The main menu's "play": which state a click leads to for each player,
// mode, campaign and answer of the continue dialog, and which level it
// hands to the play screen.
#include <gtest/gtest.h>

#include <functional>

#include "../campaign/campaign_test_support.h"
#include "screens/menu_test_support.h"

namespace sorvanta {
namespace {

using campaign_test::Marker;
using campaign_test::TutorialMarker;

constexpr int kOldLevel = 777;  // marks a level in progress before the click
constexpr int kNoLevel = -1;

// A stage on record, with one level won when a level is named.
void OnRecord(TProfileStages& stages, int stageId, int wonLevel = 0) {
  stages.push_back(std::make_shared<TProfileStage>());
  stages.back()->id = stageId;
  if (!wonLevel) return;
  auto level = std::make_shared<TProfileLevel>();
  level->id = wonLevel;
  level->played = level->unlocked = 1;
  stages.back()->levels.push_back(level);
}

std::shared_ptr<TLevel> OldLevel() {
  auto level = std::make_shared<TLevel>();
  level->time = kOldLevel;
  return level;
}

TEST(MainMenuPlay, FollowsTheDecisionTable) {
  struct Row {
    const char* name;
    bool player;
    int mode;
    std::function<void(TProfile&)> campaign;
    const char* answer;
    const char* state;
    int dialogRuns;
    int handed;  // marker of the level handed over
  };
  const Row rows[] = {
      {"no player", false, 1, nullptr, "", "MORE-GAMES", 0, kNoLevel},
      {"nothing to continue, Picross", true, 1, nullptr, "", "NEW-GAME-PICROSS", 0, kNoLevel},
      {"nothing to continue, Fill", true, 0, nullptr, "", "NEW-GAME-FILL", 0, kNoLevel},
      {"resume a stage's level", true, 1,
       [](TProfile& p) { p.actStageId_Picross = 2, p.screenPicross = "STAGE-SCREEN", p.levelPicross = OldLevel(); },
       "CONTINUE", "STAGE-SCREEN", 1, kOldLevel},
      {"resume a finished campaign", true, 0,
       [](TProfile& p) { p.actStageId_Fill = 3, p.trybFillEnd = 1, p.screenFill = "OUTRO"; }, "CONTINUE", "OUTRO", 1,
       kNoLevel},
      {"new, confirmed", true, 1, [](TProfile& p) { p.actStageId_Picross = 2, p.levelPicross = OldLevel(); }, "NEW",
       "NEW-GAME-PICROSS", 1, kNoLevel},
      {"exit keeps the menu", true, 0, [](TProfile& p) { p.actStageId_Fill = 1, p.levelFill = OldLevel(); }, "",
       "MORE-GAMES", 1, kNoLevel},
      {"a tutorial level restarts from its file", true, 1,
       [](TProfile& p) { p.actLevelId_Picross = 2, p.screenPicross = "MAIN-GAME", p.levelPicross = OldLevel(); },
       "CONTINUE", "MAIN-GAME", 1, TutorialMarker(1, 2)},
      // Ended on a win's summary: where the summary leads, in a stage and in the tutorial.
      {"a won level", true, 0,
       [](TProfile& p) { p.actStageId_Fill = 2, p.screenFill = "NEXT-LEVEL", p.levelFill = OldLevel(); }, "CONTINUE",
       "NEXT-LEVEL", 1, kOldLevel},
      {"a won tutorial level", true, 1,
       [](TProfile& p) { p.actLevelId_Picross = 2, p.screenPicross = "NEXT-LEVEL", p.levelPicross = OldLevel(); },
       "CONTINUE", "NEXT-LEVEL", 1, kOldLevel},
      // A lost tutorial level stores the stage screen, which has no tutorial stage.
      {"a lost tutorial level", true, 0,
       [](TProfile& p) { p.actLevelId_Fill = 5, p.screenFill = "STAGE-SCREEN", p.levelFill = OldLevel(); }, "CONTINUE",
       "MAIN-GAME", 1, TutorialMarker(0, 5)},
      // The play screen must not run without a level.
      {"the play screen named, no level", true, 1,
       [](TProfile& p) { p.actStageId_Picross = 4, p.trybPicrossEnd = 1, p.screenPicross = "MAIN-GAME"; }, "CONTINUE",
       "MAP-SCREEN", 1, kNoLevel},
      // Progress on record whose level file is gone (a backup restored, a
      // disk error) is never replaced without the question.
      {"a won level, its level file gone", true, 1, [](TProfile& p) { OnRecord(p.stagesPicross, 1, 3); }, "NEW",
       "NEW-GAME-PICROSS", 1, kNoLevel},
      {"a stage past the first, its level file gone", true, 0,
       [](TProfile& p) { p.actStageId_Fill = 2, OnRecord(p.stagesFill, 2), p.screenFill = "MAIN-GAME"; },
       "CONTINUE", "MAP-SCREEN", 1, kNoLevel},
      {"a tutorial level, its level file gone", true, 1,
       [](TProfile& p) { p.actLevelId_Picross = 2, OnRecord(p.stagesPicross, 0, 1), p.screenPicross = "MAIN-GAME"; },
       "CONTINUE", "MAIN-GAME", 1, TutorialMarker(1, 2)},
  };
  // One menu for every row, as a run has; each row's counts start at 0.
  menu_test::MenuWorld world(shell_test::SmallWindow());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    world.picker->runs = world.dialog->runs = 0;
    world.game->handed.clear();
    campaign_test::CampaignWorld campaign;
    campaign.tips = {campaign_test::CampaignWorld::Tip("first", 1), campaign_test::CampaignWorld::Tip("second", 2),
                     campaign_test::CampaignWorld::Tip("fifth", 5)};
    std::shared_ptr<TProfile> player;
    if (row.player) {
      player = std::make_shared<shell_test::RecordingProfile>();
      player->tryb = 1 - row.mode;
      if (row.campaign) row.campaign(*player);
    }
    world.recProfiles->profile = player;
    world.picker->mode = row.mode;
    world.dialog->answer = row.answer;
    // "play" during the fade-in, before the player check; "more" ends a menu that stays.
    world.Click("play", 5);
    world.Click("more", 40);
    std::string state;
    test::StdoutLines([&] { state = mainMenu->mainLoop(); });

    EXPECT_EQ(state, row.state);
    EXPECT_EQ(world.picker->runs, row.player ? 1 : 0);
    EXPECT_EQ(world.dialog->runs, row.dialogRuns);
    ASSERT_EQ(world.game->handed.size(), row.handed == kNoLevel ? 0u : 1u);
    if (row.handed != kNoLevel) {
      EXPECT_EQ(Marker(world.game->handed[0]), row.handed);
      EXPECT_EQ(world.game->handed[0], row.mode == 1 ? player->levelPicross : player->levelFill);
    }
    if (!player) continue;
    EXPECT_EQ(player->tryb, row.mode);
    const bool tutorial = row.handed != kNoLevel && row.handed != kOldLevel;
    if (!tutorial) continue;
    // A restarted tutorial level has its tips pending again.
    ASSERT_EQ(player->lekcjeTutoriala.size(), 1u);
    EXPECT_EQ(player->lekcjeTutoriala.front()->numerLevelu, row.mode == 1 ? 2 : 5);
  }
}

}  // namespace
}  // namespace sorvanta
