// The map screen: which stages it shows and animates, "PLAY", the loop's
// buttons and stage clicks, and the hand-over with the stage screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "effects/particle.h"
#include "map_test_support.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

using map_test::MapWorld;

TEST_F(MapWorld, ShownStagesAnimateOncePerPlayerAndRun) {
  auto second = NewPlayer();
  second->QUEST_GetStageData(2);  // opened, its opening not yet seen
  struct Step {
    const char* what;
    std::function<void()> before;
    std::vector<int> shown;
    std::vector<float> unlockPer;  // of the shown stages
  };
  const Step steps[] = {
      {"first entry after the tutorial", [] {}, {1}, {0}},
      {"again in the same run", [] {}, {1}, {1}},
      {"a won stage opens the next", [&] { player->QUEST_GetStageData(2); }, {1, 2}, {1, 0}},
      {"a second player in the same run", [&] { world.recProfiles->profile = second; }, {1, 2}, {1, 1}},
      {"the next run",
       [&] {
         world.recProfiles->profile = player;
         for (auto& s : levelManager->stagesMesalor) s->unlocked = 0;
       },
       {1, 2},
       {1, 1}},
      {"the Fill campaign", [&] { player->tryb = 0; }, {1}, {0}},
      {"no campaign", [&] { player->tryb = 2; }, {}, {}},
      {"no player: nothing shown, nothing saved", [&] { world.recProfiles->profile = nullptr; }, {}, {}},
  };
  for (const Step& step : steps) {
    step.before();
    map->_prepareStages();
    EXPECT_EQ(Shown(), step.shown) << step.what;
    std::vector<float> per;
    for (auto& s : map->stages) {
      per.push_back(s->unlockPer);
      EXPECT_EQ(s->dUnlockPer, 1) << step.what;
      EXPECT_EQ(s->unlocked, 1) << step.what;
      EXPECT_EQ(world.recProfiles->profile->QUEST_StageUnlockShowed(s->id), 1) << step.what << ": record made";
    }
    EXPECT_EQ(per, step.unlockPer) << step.what;
  }
  map->prepare();
  map->goPlay();
  map->goMenu();
  EXPECT_EQ(player->saves, 0);
  EXPECT_EQ(Picross(3)->dUnlockPer, 0) << "never shown";
}

TEST_F(MapWorld, PlayOpensTheFirstShownUnfinishedStage) {
  struct Case {
    std::vector<int> opened, finished;
    std::vector<int> expected;  // stages the stage screen was run for
  };
  const Case cases[] = {
      {{2, 3}, {}, {1}},
      {{2, 3}, {1}, {2}},
      {{2, 3}, {1, 2, 3}, {}},  // stage 4 is not on the map
      {{}, {1}, {}},
  };
  for (const Case& c : cases) {
    world.recProfiles->profile = player = NewPlayer();
    for (int id : c.opened) player->QUEST_GetStageData(id);
    for (int id : c.finished) Finish(id);
    stages->shown.clear();
    map->_prepareStages();
    map->goPlay();
    EXPECT_EQ(stages->shown, c.expected) << testing::PrintToString(c.finished);
  }
  // A level started on the stage screen ends the map's loop at once.
  stages->answer = kStateMainGame;
  map->fade = map->dFade = 0;
  map->goToStage(Picross(1));
  EXPECT_EQ(map->wynik, kStateMainGame);
  EXPECT_EQ(map->fade + map->dFade, 2);
}

TEST_F(MapWorld, ButtonsWaitForTheFadeButStagesTakeClicksAtAnyTime) {
  auto menu = shell_test::ShellWorld::Centre(map->gui, "MENU");
  auto play = shell_test::ShellWorld::Centre(map->gui, "PLAY");
  Harness& h = world.h();
  world.ClickAt(menu.first, menu.second, 2);   // fading in: ignored
  world.ClickAt(play.first, play.second, 2);   // fading in: ignored
  world.ClickAt(150, 300, 2);                  // stage 1 while fading in
  world.ClickAt(450, 300, 2);                  // stage 3, not open: nothing
  world.ClickAt(menu.first, menu.second, 20);  // the map stands: leave
  world.ClickAt(300, 300, 4);                  // stage 2 (opened) while fading out
  player->QUEST_GetStageData(2);
  particlesList.push_back(std::make_shared<TParticle>());
  h.SetFrameCap(200);
  std::string result;
  auto out = test::StdoutLines([&] { result = map->mainloop(); });
  EXPECT_EQ(result, kStateMainMenu);
  EXPECT_EQ(stages->shown, (std::vector<int>{1, 2}));
  EXPECT_GT(h.frames(), 45) << "the early MENU did nothing";
  EXPECT_EQ(player->saves, 2) << "on opening and on MENU";
  EXPECT_EQ(player->screenPicross, kStateMapScreen);
  EXPECT_EQ(snd->music, (std::vector<std::string>{"title"}));
  EXPECT_NE(std::find(out.begin(), out.end(), "EXITING MAP SCREEN"), out.end());
  EXPECT_TRUE(particlesList.empty());
  EXPECT_EQ(map->noPrepare, 0);
}

TEST_F(MapWorld, AHandBackShowsTheMapAtOnceAndEveryOtherEntryFadesIn) {
  struct Case {
    const char* what;
    std::function<void()> before;
    float fade;
  };
  const Case cases[] = {
      {"from the main menu", [] {}, 1},
      {"the stage screen's MAP", [&] { map->noPrepare = 1, map->fade = map->dFade = 0; }, 0},
      {"MENU after a hand-back", [&] { map->noPrepare = 1, map->goMenu(); }, 1},
  };
  for (const Case& c : cases) {
    c.before();
    map->prepare();
    EXPECT_EQ(map->fade, c.fade) << c.what;
    EXPECT_EQ(map->dFade, 0) << c.what;
    EXPECT_EQ(map->alpha + map->dAlpha, 2) << c.what;
    EXPECT_EQ(map->noPrepare, 0) << c.what;
  }
}

}  // namespace
}  // namespace sorvanta
