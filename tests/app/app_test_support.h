#pragma once
// Starting the whole game in a test: what the program body and init() do
// before the state machine, with the play screen replaced by a scripted one.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../puzzle/play_test_support.h"
#include "app/app.h"
#include "core/globals.h"
#include "platform/system.h"
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

// The globals and singletons as the program body makes them, over the
// repository's assets (the test program lives in no application package).
inline void CreateTheGame() {
  createGlobals();
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  createSingletons();
}

inline void StartGame(std::shared_ptr<ScriptedGame> game) {
  CreateTheGame();
  mainGame = std::move(game);
  loadGame(false);
}

// Runs part of the program quietly: the status it ends the program with, or
// -1 where it returns; what it printed goes to printed where asked.
inline int EndStatus(const std::function<void()>& run, std::vector<std::string>* printed = nullptr) {
  int status = -1;
  auto lines = StdoutLines([&] {
    try {
      run();
    } catch (const EndRequested& end) {
      status = end.status;
    }
  });
  if (printed) *printed = std::move(lines);
  return status;
}

}  // namespace sorvanta::test
