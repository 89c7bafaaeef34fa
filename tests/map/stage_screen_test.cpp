// The stage screen: its grid, the looks of the levels, picking, starting a
// level, the hand-overs to the map and play, and the ways it refuses.
#include <gtest/gtest.h>

#include "app/bindings.h"
#include "core/states.h"
#include "gui/img.h"
#include "gui/mouse.h"
#include "stage_test_support.h"

namespace sorvanta {
namespace {

using stage_test::LevelAt;
using stage_test::MakeStage;
using StageScreen = stage_test::StageTest;
using campaign_test::CatalogueMarker;

TEST_F(StageScreen, GridTakesNineSmallColumnsOnlyForTwentyFiveLevels) {
  struct Row {
    int levels, k, x, y;
    float scale;
  };
  for (const Row& r : {Row{10, 9, 760, 700, 1.0f}, Row{24, 5, 260, 700, 1.0f}, Row{25, 8, 830, 590, 0.7f},
                       Row{25, 24, 670, 702, 0.7f}, Row{25, 9, 190, 646, 0.7f}, Row{26, 12, 510, 800, 1.0f}}) {
    screen->prepare(MakeStage(1, r.levels));
    EXPECT_EQ(screen->levelCentre(r.k), std::make_pair(r.x, r.y)) << r.levels << " levels, button " << r.k;
    EXPECT_EQ(screen->drawS, r.scale) << r.levels;
  }
}

TEST_F(StageScreen, LooksFollowTheRecordAndTheMarkTheModesPosition) {
  enum { kWon, kOpen, kLocked };
  struct Row {
    int tryb, stageId, levelId;  // the player's position in the Picross or Fill fields
    int played, unlocked, over;
    int mark;  // -1 none, 0 won mark, 1 unlocked mark
    int button;
  };
  const Row rows[] = {
      {1, 2, 3, 1, 1, 0, 0, kWon},   {1, 2, 3, 1, 0, 1, 0, kWon},     {1, 2, 3, 0, 1, 0, 1, kOpen},
      {1, 2, 3, 0, 1, 1, 1, kOpen},  {1, 2, 3, 0, 0, 1, -1, kLocked},  // locked: never a mark or hover
      {1, 1, 3, 0, 1, 0, -1, kOpen},                                   // another stage is current
      {1, 2, 2, 1, 1, 0, -1, kWon},                                    // another level is current
      {0, 2, 3, 1, 1, 0, 0, kWon},                                     // Fill reads its own fields
      {0, 1, 3, 0, 1, 0, -1, kOpen},
  };
  auto stage = MakeStage(2, 5);
  LevelAt(*stage, 3)->id = 9;  // the position counts, not the id
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << "tryb " << r.tryb << " at " << r.stageId << "/" << r.levelId << " played "
                                      << r.played << " unlocked " << r.unlocked << " over " << r.over);
    player->tryb = r.tryb;
    // The other mode's fields point at this very level: they must not count.
    player->actStageId_Picross = player->actStageId_Fill = 2;
    player->actLevelId_Picross = player->actLevelId_Fill = 3;
    (r.tryb == 1 ? player->actStageId_Picross : player->actStageId_Fill) = r.stageId;
    (r.tryb == 1 ? player->actLevelId_Picross : player->actLevelId_Fill) = r.levelId;
    screen->stage = stage;
    auto level = LevelAt(*stage, 3);
    level->played = r.played;
    level->unlocked = r.unlocked;
    screen->overLevel = r.over && (r.played || r.unlocked) ? level : nullptr;
    const TLevelLook look = screen->levelLook(*level, 3);
    const std::shared_ptr<TImg> buttons[2][3] = {
        {screen->levelImg[0], screen->levelImg[1], screen->levelImg[2]},
        {screen->levelImgOver[0], screen->levelImgOver[1], screen->levelImg[2]}};
    EXPECT_EQ(look.button, buttons[r.over][r.button]);
    EXPECT_EQ(look.mark, r.mark < 0 ? nullptr : screen->levelImgAct[r.mark]);
    EXPECT_EQ(std::make_pair(look.markDx, look.markDy), r.mark == 1 ? std::make_pair(4, 5) : std::make_pair(0, 0));
  }
}

// Records picks instead of starting levels.
struct PickingScreen : TStageScreen {
  std::vector<int> picked;
  void pickLevel(std::shared_ptr<TLevelData> level) override { picked.push_back(level->id); }
};

TEST_F(StageScreen, OnlyWonAndUnlockedLevelsAreHoveredAndPressed) {
  auto picking = std::make_shared<PickingScreen>();
  picking->levelImg = screen->levelImg;
  struct Row {
    int played, unlocked;
    bool hovered;
  };
  for (const Row& r : {Row{1, 0, true}, Row{0, 1, true}, Row{1, 1, true}, Row{0, 0, false}}) {
    picking->prepare(MakeStage(1, 10));
    auto level = LevelAt(*picking->stage, 7);
    level->played = r.played;
    level->unlocked = r.unlocked;
    const auto [x, y] = picking->levelCentre(6);
    mouse->x = static_cast<float>(x) + ImgWidth(picking->levelImg[0]) / 2;  // the right edge counts
    mouse->y = static_cast<float>(y);
    mouse->leftPressed = 1;
    picking->picked.clear();
    picking->_updateLevels();
    EXPECT_EQ(picking->overLevel == level, r.hovered) << r.played << r.unlocked;
    EXPECT_EQ(picking->picked, r.hovered ? std::vector<int>{7} : std::vector<int>{}) << r.played << r.unlocked;
  }
}

TEST_F(StageScreen, PlayKeepsTheCurrentStagesLevelAndStartsOthersAtOne) {
  struct Row {
    int shown, won;  // stage shown; its level 1 won or not
    int stage, level, marker;
  };
  for (const Row& r : {Row{1, 0, 1, 3, CatalogueMarker(1, 1, 3)}, Row{2, 0, 2, 1, CatalogueMarker(1, 2, 1)},
                       Row{2, 1, 2, 1, CatalogueMarker(1, 2, 1)}}) {
    player->actStageId_Picross = 1;
    player->actLevelId_Picross = 3;
    player->QUEST_GetStageData(r.shown)->storyRead = 1;
    player->QUEST_GetLevelData(r.shown, 1)->played = r.won;
    map->fade = map->dFade = 0;
    map->noPrepare = 1;
    mainGame->level = nullptr;
    screen->prepare(Catalogued(r.shown));
    test::StdoutLines([&] { screen->goPlay(); });
    EXPECT_EQ(std::make_pair(player->actStageId_Picross, player->actLevelId_Picross), std::make_pair(r.stage, r.level));
    EXPECT_EQ(Started(), r.marker);
    EXPECT_EQ(mainGame->level, player->levelPicross) << "the play screen plays the player's own level";
    EXPECT_EQ(screen->wynik, kStateMainGame);
    EXPECT_EQ(screen->dFade, 1);
    EXPECT_EQ(std::vector<float>({map->fade, map->dFade, static_cast<float>(map->noPrepare)}),
              std::vector<float>({1, 1, 0}))
        << "a map running the screen nested ends with it";
  }
}

TEST_F(StageScreen, TheStoryComesFirstAndALevelClickWhileItFadesStartsNothing) {
  player->actStageId_Picross = 1;
  player->actLevelId_Picross = 1;
  player->QUEST_GetStageData(1);
  screen->prepare(Catalogued(1));
  ASSERT_EQ(screen->storyA, 1);
  screen->goPlay();
  EXPECT_EQ(screen->dStoryA, 0);
  EXPECT_EQ(player->QUEST_StoryRead(1), 1);
  screen->storyA = 0.5f;
  screen->pickLevel(LevelAt(*screen->stage, 2));
  EXPECT_EQ(player->actLevelId_Picross, 2);
  EXPECT_EQ(Started(), -1);
  EXPECT_EQ(screen->wynik, "");
  screen->storyA = 0;
  test::StdoutLines([&] { screen->goPlay(); });
  EXPECT_EQ(Started(), CatalogueMarker(1, 1, 2));
}

TEST_F(StageScreen, MapHandsBackWithoutAFadeAndNoPrepareHoldsForEveryEntry) {
  screen->prepare(MakeStage(1, 4));
  map->fade = map->dFade = 1;
  screen->goMap();
  EXPECT_EQ(std::vector<float>({map->fade, map->dFade, static_cast<float>(map->noPrepare)}),
            std::vector<float>({0, 0, 1}));
  EXPECT_EQ(map->prepares, 1);
  EXPECT_EQ(screen->wynik, kStateMapScreen);
  EXPECT_EQ(screen->dAlpha, 0);
  const auto [x, y] = screen->levelCentre(0);  // a late click while the panel fades out
  LevelAt(*screen->stage, 1)->unlocked = 1;
  screen->dStoryA = screen->storyA = 0;
  mouse->x = static_cast<float>(x), mouse->y = static_cast<float>(y), mouse->leftPressed = 1;
  screen->_updateLevels();
  EXPECT_EQ(std::make_pair(Started(), screen->wynik), std::make_pair(-1, std::string(kStateMapScreen)));

  // A won level that its stage continues hands over through the start-up's binding.
  bindLayers();
  player->actStageId_Picross = 1;
  player->actLevelId_Picross = 2;
  ASSERT_EQ(player->QUEST_NextLevel(), kStateStageScreen);
  ASSERT_EQ(screen->noPrepare, 1);
  for (int entry = 0; entry < 2; ++entry) {
    screen->prepare(MakeStage(1, 4));
    EXPECT_EQ(std::vector<float>({screen->alpha, screen->fade, screen->dFade}), std::vector<float>({1, 1, 0}));
    EXPECT_EQ(screen->noPrepare, 1);
  }
}

TEST_F(StageScreen, WithoutAStageOrALevelNothingStarts) {
  // The tutorial stage has no catalogue entry: straight back to the map.
  player->actStageId_Picross = 0;
  std::string next;
  const int frames = world.h().frames();
  EXPECT_EQ(test::StdoutLines([&] { next = screen->mainloop(player->QUEST_GetActStage()); }).size(), 1u);
  EXPECT_EQ(next, kStateMapScreen);
  EXPECT_EQ(world.h().frames(), frames);

  // A position past the stage's levels (a damaged profile): no level to hand over.
  player->actStageId_Picross = 1;
  player->actLevelId_Picross = 9;
  player->QUEST_GetStageData(1)->storyRead = 1;
  screen->prepare(Catalogued(1));
  EXPECT_EQ(test::StdoutLines([&] { screen->goPlay(); }).size(), 1u);
  EXPECT_EQ(Started(), -1);
  EXPECT_EQ(std::make_pair(screen->wynik, screen->dFade), std::make_pair(std::string(), 0.0f));
  screen->goMap();
  EXPECT_EQ(screen->wynik, kStateMapScreen);
}

TEST_F(StageScreen, TheLoopEndsWithPlayAfterTheStoryAndWithMap) {
  player->actStageId_Picross = 1;
  player->actLevelId_Picross = 1;
  player->QUEST_GetStageData(1);
  world.h().SetFrameCap(400);
  auto play = world.Centre(screen->gui, "PLAY");
  world.ClickAt(play.first, play.second, 20);  // hides the page
  world.ClickAt(play.first, play.second, 60);  // starts level 1
  std::string next;
  test::StdoutLines([&] { next = screen->mainloop(nullptr); });
  EXPECT_EQ(next, kStateMainGame);
  EXPECT_EQ(Started(), CatalogueMarker(1, 1, 1));
  EXPECT_EQ(player->GetActScreen(), kStateMapScreen);

  auto back = world.Centre(screen->gui, "MAP");
  world.ClickAt(back.first, back.second, 20);
  EXPECT_EQ(screen->mainloop(Catalogued(2)), kStateMapScreen);
  EXPECT_EQ(screen->alpha, 0);
  EXPECT_GT(map->draws, 0) << "the map shows behind the panel while it fades";
}

}  // namespace
}  // namespace sorvanta
