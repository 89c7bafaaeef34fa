// The play screen's commands: "show" walking the unsatisfied clues and the
// developer keys.
#include <gtest/gtest.h>

#include "core/globals.h"
#include "gui/gui.h"
#include "gui/gui_object.h"
#include "platform/input.h"
#include "puzzle/board/level.h"
#include "puzzle/board/tile.h"
#include "puzzle/play_test_support.h"

namespace sorvanta {
namespace {

class PlayCommands : public test::PlayTest {};

TEST_F(PlayCommands, ShowWalksTheUnsatisfiedCluesAndStartsAgainAtTheTop) {
  // Clues A (0, 0), B (0, 2) and C (1, 1), each wanting one red cell.
  auto level = test::MakeFillLevel(2, 3);
  const auto a = level->tile.get(0, 0), b = level->tile.get(0, 2), c = level->tile.get(1, 1);
  for (const auto& t : {a, b, c}) t->number = Color(2), t->count = 1;
  game->level = level;
  game->lastShowTile = nullptr;
  struct Step {
    std::shared_ptr<TTile> satisfy;  // clue satisfied before the click
    std::shared_ptr<TTile> shown;    // the one flashing after it; none: no flash
  } steps[] = {{nullptr, a}, {nullptr, b}, {nullptr, c}, {nullptr, a}, {nullptr, b}, {b, a}, {a, c}, {c, nullptr}};
  for (size_t i = 0; i < std::size(steps); ++i) {
    if (steps[i].satisfy) steps[i].satisfy->userCount = 1;
    const auto before = game->lastShowTile;
    game->goShow();
    for (const auto& t : level->tile.all())
      EXPECT_EQ(t->dShowMeAlpha, t == steps[i].shown ? 1.0f : 0.0f) << "click " << i;
    EXPECT_EQ(game->lastShowTile, steps[i].shown ? steps[i].shown : before) << "click " << i;
  }
}

TEST_F(PlayCommands, ShowIsOfferedOnFillBoardsOnly) {
  test::StdoutLines([&] { game->setup(); });
  ASSERT_TRUE(game->gui && game->gui->GetObject("show"));
  for (const char* file : {"picross.lvl", "fill.lvl", "picross10.lvl"}) {
    const auto level = Load(file);
    int shown = -1;
    Play(level, [&](test::ScriptedGame& g, int) {
      shown = g.gui->GetObject("show")->visible;
      g._exit = 1;
    });
    EXPECT_EQ(shown, level->tryb == 0 ? 1 : 0) << file;
  }
}

TEST_F(PlayCommands, DeveloperKeysWorkOnlyWithTheCheatsFile) {
  for (int cheats : {0, 1}) {
    cheatsOn = cheats;
    game->level = Load("fill.lvl");
    game->state = kPlayNormal;
    const float scale = game->level->scale;
    world.h().PressKey(KEY_A).HitKey(KEY_A + ('W' - 'A'));
    for (int f = 0; f < 4; ++f) world.h().Frame();  // one item a frame
    game->TMainGame::CONTROL_KEYBOARD();            // the scripted game runs its script there
    world.h().ReleaseKey(KEY_A);
    world.h().Frame();
    EXPECT_EQ(game->level->scale != scale, cheats == 1) << cheats;
    EXPECT_EQ(game->state, cheats ? kPlayWin : kPlayNormal) << cheats;
  }
}

}  // namespace
}  // namespace sorvanta
