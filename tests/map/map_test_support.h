#pragma once
// A headless map for the map's tests: a small catalogue in both modes, a
// player whose saves are counted, a stage screen that records the stages it
// was asked for, and the sounds and music played.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "core/screen_loop.h"
#include "core/shell_test_support.h"
#include "gui/img.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"
#include "platform/video.h"
#include "sound/global_snd.h"

namespace sorvanta::map_test {

struct SoundLog : TGlobalSnd {
  std::vector<std::string> sounds, music;
  void playMySound(const std::string& name) override { sounds.push_back(name); }
  void playMyMusic(const std::string& name) override { music.push_back(name); }
  void update() override {}
};

struct SavingProfile : TProfile {
  int saves = 0;
  int Save() override { return ++saves, 0; }
};

struct RecordingStageScreen : TStageScreen {
  std::vector<int> shown;
  std::string answer = kStateMapScreen;
  std::string mainloop(std::shared_ptr<TStage> stage) override {
    shown.push_back(stage ? stage->id : -1);
    if (answer == kStateMapScreen) mapScreen->_prepareStages();  // as its hand-back does
    return answer;
  }
};

// A stage of two levels with an 80 x 80 icon (no picture) centred on (x, y).
inline std::shared_ptr<TStage> Stage(int id, int x, int y) {
  auto s = std::make_shared<TStage>();
  s->id = id, s->x = x, s->y = y;
  s->img = s->overImg = std::make_shared<TImg>();
  s->img->w = s->img->h = 80;
  s->levels = {std::make_shared<TLevelData>(), std::make_shared<TLevelData>()};
  return s;
}

class MapWorld : public ::testing::Test {
 protected:
  // capture: keep each frame's pixels for tests that read them.
  explicit MapWorld(bool capture = false) : world(capture ? HarnessOptions{} : shell_test::NoCapture()) {}
  void SetUp() override {
    levelManager = std::make_shared<TLevelManager>();
    // Picross: four lands; Fill: two of its own.
    for (int id = 1; id <= 4; ++id) levelManager->stagesMesalor.push_back(Stage(id, 150 * id, 300));
    for (int id = 1; id <= 2; ++id) levelManager->stagesNormal.push_back(Stage(id, 150 * id, 500));
    world.recProfiles->profile = player = NewPlayer();
    globalSnd = snd = std::make_shared<SoundLog>();
    stageScreen = stages = std::make_shared<RecordingStageScreen>();
    mapScreen = map = std::make_shared<TMapScreen>();
    map->setup();
  }
  static std::shared_ptr<SavingProfile> NewPlayer() {
    auto p = std::make_shared<SavingProfile>();
    p->tryb = 1;
    return p;
  }
  std::shared_ptr<TStage> Picross(int id) {
    for (auto& s : levelManager->stagesMesalor)
      if (s->id == id) return s;
    return nullptr;
  }
  // Every level of a stage won.
  void Finish(int id) {
    for (int l = 1; l <= 2; ++l) player->QUEST_GetLevelData(id, l)->played = 1;
  }
  std::vector<int> Shown() const {
    std::vector<int> ids;
    for (auto& s : map->stages) ids.push_back(s->id);
    return ids;
  }
  // One frame of the map's loop without the nested loop's end check.
  void Frame() {
    Cls();
    updateScreen(*map);
    map->draw();
    world.h().Frame();
  }

  shell_test::ShellWorld world;
  std::shared_ptr<TMapScreen> map;
  std::shared_ptr<SavingProfile> player;
  std::shared_ptr<SoundLog> snd;
  std::shared_ptr<RecordingStageScreen> stages;
};

}  // namespace sorvanta::map_test
