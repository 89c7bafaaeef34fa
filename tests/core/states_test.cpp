// The state table and the pause menu's results as states.
#include "core/states.h"

#include <gtest/gtest.h>

#include "app/bindings.h"
#include "core/dialogs.h"

namespace sorvanta {
namespace {

// The options overlay says "RESTART"; the state machine's name for it is "RESTART-LEVEL".
TEST(States, PauseMenuResultsMapToTheirStates) {
  const struct {
    const char* result;
    const char* state;
  } rows[] = {
      {"RESTART", "RESTART-LEVEL"}, {"MAIN-MENU", "MAIN-MENU"}, {"MAP-SCREEN", "MAP-SCREEN"},
      {"", ""},                     {"RESTART-LEVEL", ""},     {"restart", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(stateFromPauseMenu(row.result), row.state) << row.result;

  // The pause menu a puzzle screen opens gives the mapped state.
  bindDialogs({nullptr, [](std::shared_ptr<TEkran>) { return std::string(kOptionsRestart); }});
  EXPECT_EQ(runPauseMenu(nullptr), kStateRestartLevel);
  bindDialogs({});
  EXPECT_EQ(runPauseMenu(nullptr), "");
  EXPECT_EQ(askYesNo("?", nullptr), 0);
  bindLayers();
}

}  // namespace
}  // namespace sorvanta
