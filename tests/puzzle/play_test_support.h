#pragma once
// A headless play screen: the shell's world (harness, frame cycle, assets),
// the in-memory tables of the puzzle tests, the stand-in player, and a play
// screen whose command step runs a script, one call per frame.
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "../core/shell_test_support.h"
#include "campaign/profile_manager.h"
#include "core/frame.h"
#include "gui/img.h"
#include "puzzle/board/color.h"
#include "puzzle/board/level_file.h"
#include "puzzle/board/tile_data.h"
#include "puzzle/play/level_summary.h"
#include "puzzle/play/lose_screen.h"
#include "puzzle/play/main_game.h"
#include "puzzle_test_support.h"
#include "support/stdout_lines.h"

namespace sorvanta::test {

inline const std::string kLevelDir = std::string(SORVANTA_SOURCE_DIR) + "/tests/data/levels/";

// The play screen with a script run after each frame (frame counted from 1).
struct ScriptedGame : TMainGame {
  std::function<void(ScriptedGame&, int frame)> script;
  int frame = 0;
  int CONTROL_KEYBOARD() override {
    ++frame;
    if (script) script(*this, frame);
    return 0;
  }
};

// A summary that answers at once, remembering the clock when it opened.
struct AnsweringSummary : TLevelSummary {
  std::string answer = kStateNextLevel;
  int opened = -1, runs = 0;
  std::string mainloop() override {
    opened = Millisecs2();
    ++runs;
    return answer;
  }
};

// A lose panel that answers at once.
struct AnsweringLosePanel : TLoseScreen {
  int answer = kLoseRestart;
  int opened = -1, runs = 0;
  int mainLoop() override {
    opened = Millisecs2();
    ++runs;
    return answer;
  }
};

// A player that counts the levels marked played.
struct CountingPlayer : TProfile {
  int marked = 0;
  int QUEST_PutData(int value) override {
    if (value) ++marked;
    return TProfile::QUEST_PutData(value);
  }
};

class PlayTest : public PuzzleTest {
 protected:
  // capture: keep each frame's pixels for tests that read them.
  explicit PlayTest(bool capture = false)
      : world(capture ? HarnessOptions{} : shell_test::NoCapture()) {}
  explicit PlayTest(const HarnessOptions& harness) : world(harness) {}
  void SetUp() override {
    PuzzleTest::SetUp();
    bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
    game = std::make_shared<ScriptedGame>();
    mainGame = game;
    player = std::make_shared<CountingPlayer>();
    world.recProfiles->profile = player;
    delta = 1;
    world.h().AdvanceClock(1000);  // a running program's clock is never 0
  }
  // The shipped tables of pieces and colours and the play screen's own
  // images and layout, for tests that play the shipped levels.
  void UseShippedPlayScreen() {
    StdoutLines([&] {
      setupTiles();
      setupColors();
      game->setup();
    });
  }
  // A click with the mouse moved there first, a few frames apart.
  void Click(float x, float y, int button = 1) {
    world.h().Wait(4).MoveMouse(x, y).Wait(2).PressMouse(button).Wait(2).ReleaseMouse(button);
  }
  // The palette entry's centre, laid out three to a row from the palette's corner.
  std::pair<float, float> PaletteEntry(const std::shared_ptr<TColor>& colour) {
    const float fw = ImgWidth(game->frameImg) - 4, fh = ImgHeight(game->frameImg) - 4;
    int k = 0;
    for (const auto& c : game->level->availableColors) {
      if (c == colour) break;
      ++k;
    }
    return {game->colSX + (k % 3) * fw, game->colSY + (k / 3) * fh};
  }
  std::shared_ptr<TLevel> Load(const std::string& name) {
    std::shared_ptr<TLevel> level;
    StdoutLines([&] { level = LoadLevel(kLevelDir + name); });
    return level;
  }
  // Runs the loop on level with the script; frame cap 2000.
  std::string Play(const std::shared_ptr<TLevel>& level, std::function<void(ScriptedGame&, int)> script) {
    game->setLevel(level);
    game->script = std::move(script);
    game->frame = 0;
    world.h().SetFrameCap(2000);
    return game->mainloop();
  }

  shell_test::ShellWorld world{shell_test::NoCapture()};
  std::shared_ptr<ScriptedGame> game;
  std::shared_ptr<CountingPlayer> player;
};

}  // namespace sorvanta::test
