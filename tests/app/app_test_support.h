#pragma once
// Starting the whole game in a test: what the program body and init() do
// before the state machine, with the play screen replaced by a scripted one.
#include <memory>
#include <string>
#include <utility>

#include "../puzzle/play_test_support.h"
#include "app/app.h"
#include "core/globals.h"
#include "puzzle/main_game.h"

namespace sorvanta::test {

inline void StartGame(std::shared_ptr<ScriptedGame> game) {
  createGlobals();
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  createSingletons();
  mainGame = std::move(game);
  loadGame(false);
}

}  // namespace sorvanta::test
