#pragma once
// Starting the whole game in a test: what the program body and init() do
// before the state machine, with the play screen replaced by a scripted one.
#include <memory>
#include <string>
#include <utility>

#include "../puzzle/play_test_support.h"
#include "app/app.h"
#include "core/globals.h"
#include "puzzle/play/main_game.h"

namespace sorvanta::test {

// A headless window and a fresh home folder for the players' files, the
// clock past 0 and frames capped: where a whole game starts in a test.
struct FreshStart {
  shell_test::ShellWorld world{shell_test::NoCapture()};
  TempFolder home;
  Harness& h = world.h();
  FreshStart() {
    shell_test::SetHome(home.path().c_str());
    h.AdvanceClock(1000);
    h.SetFrameCap(4000);
  }
};

inline void StartGame(std::shared_ptr<ScriptedGame> game) {
  createGlobals();
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  createSingletons();
  mainGame = std::move(game);
  loadGame(false);
}

}  // namespace sorvanta::test
