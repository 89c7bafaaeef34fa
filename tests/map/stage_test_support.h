#pragma once
// A headless stage screen: the shell's world with the stage screen set up
// from the asset tree, a map that counts its hand-backs, a player, and a
// small campaign on disk (campaign_test::CampaignWorld) whose level files
// carry markers.
#include <memory>
#include <string>

#include "../campaign/campaign_test_support.h"
#include "../core/shell_test_support.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"
#include "puzzle/play/main_game.h"

namespace sorvanta::stage_test {

struct CountingMap : TMapScreen {
  int prepares = 0, draws = 0;
  void _prepareStages() override { ++prepares; }
  void draw() override { ++draws; }
};

// A stage of its own, outside any catalogue, with levels 1..count.
inline std::shared_ptr<TStage> MakeStage(int id, int count) {
  auto stage = std::make_shared<TStage>();
  stage->id = id;
  for (int l = 1; l <= count; ++l) {
    auto level = std::make_shared<TLevelData>();
    level->id = l;
    stage->levels.push_back(level);
  }
  return stage;
}

inline std::shared_ptr<TLevelData> LevelAt(const TStage& stage, int position) {
  auto it = stage.levels.begin();
  std::advance(it, position - 1);
  return *it;
}

// Picross progress: stage won up to current - 1, current unlocked and next to
// play, the rest locked.
inline void Progress(TProfile& player, int stageId, int current) {
  player.actStageId_Picross = stageId;
  player.actLevelId_Picross = current;
  for (int l = 1; l <= current; ++l) {
    player.QUEST_GetLevelData(stageId, l)->unlocked = 1;
    player.QUEST_GetLevelData(stageId, l)->played = l < current;
  }
}

class StageTest : public ::testing::Test {
 protected:
  explicit StageTest(bool capture = false) : world(capture ? HarnessOptions{} : shell_test::NoCapture()) {}
  void SetUp() override {
    stageScreen = screen = std::make_shared<TStageScreen>();
    test::StdoutLines([this] { screen->setup(); });
    mapScreen = map = std::make_shared<CountingMap>();
    mainGame = std::make_shared<TMainGame>();
    player = std::make_shared<TProfile>();
    world.recProfiles->profile = player;
    // Picross stages 1 (4 levels) and 2 (5); Fill stages 1 (3) and 2 (6).
    campaign = std::make_unique<campaign_test::CampaignWorld>();
    delta = 1;
  }
  std::shared_ptr<TStage> Catalogued(int id) { return levelManager->getStageById(id, player->tryb); }
  // The marker of the level the play screen was given; -1 for none.
  int Started() const { return campaign_test::Marker(mainGame->level); }

  shell_test::ShellWorld world;
  std::shared_ptr<TStageScreen> screen;
  std::shared_ptr<CountingMap> map;
  std::shared_ptr<TProfile> player;
  std::unique_ptr<campaign_test::CampaignWorld> campaign;
};

}  // namespace sorvanta::stage_test
