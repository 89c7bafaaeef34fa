#include <gtest/gtest.h>

#include "puzzle/board/hint.h"
#include "puzzle/puzzle_test_support.h"

namespace sorvanta {
namespace {

class LevelModel : public test::PuzzleTest {};

// Orbs go to the uncharged hint with the most charge that orbs in flight
// will not fill already; landed quarters go to the best uncharged hint.
TEST_F(LevelModel, HintChargeAndOrbTargets) {
  TLevel level;
  level.maxHintsCount = 3;
  level.hints = level.initHints(0, 0, 0, 0, 0, 0, 0, 0, 0);
  std::vector<std::shared_ptr<THint>> h(level.hints.begin(), level.hints.end());
  h[0]->dMyLoad = 0.25f;
  h[1]->dMyLoad = h[2]->dMyLoad = 0.5f;
  level.AddHintPower();
  EXPECT_EQ(h[1]->dMyLoad, 0.75f);
  const auto orbTo = [](const std::shared_ptr<THint>& hint) {
    auto orb = std::make_shared<TFlyingAddHint>();
    orb->myHint = hint;
    flyingAddHints.push_back(orb);
  };
  flyingAddHints.clear();
  EXPECT_EQ(level.getUnloadedHint(), h[1]);
  orbTo(h[1]);
  EXPECT_EQ(level.getUnloadedHint(), h[2]);  // 0.75 + 0.25 fills the second
  h[1]->loadMeUp();
  EXPECT_EQ(h[1]->loaded(), 1);
  EXPECT_EQ(level.getMinUnlodedHint(), h[2]);
  for (const auto& hint : h) hint->t = 0;
  EXPECT_EQ(level.getUnloadedHint(), nullptr);
  EXPECT_EQ(level.getMinUnlodedHint(), nullptr);
}

TEST_F(LevelModel, HintBlockIsClippedToTheGrid) {
  auto level = test::MakeFillLevel(3, 3);
  for (const auto& cell : level->tile.all()) cell->color = Color(4);
  level->ResolveTrelmoTiles(-1, -1, 3, 3);
  std::vector<int> painted;
  for (const auto& cell : level->tile.all()) painted.push_back(cell->putColor != nullptr);
  EXPECT_EQ(painted, (std::vector<int>{1, 1, 0, 1, 1, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace sorvanta
