#pragma once
// The states of the screen state machine: their names, the table of what
// each runs (filled at start-up by the subsystems that own the states), and
// the pause menu's results as states.
#include <functional>
#include <map>
#include <string>

namespace sorvanta {

inline constexpr char kStateMainMenu[] = "MAIN-MENU";
inline constexpr char kStateMainGame[] = "MAIN-GAME";
inline constexpr char kStateMapScreen[] = "MAP-SCREEN";
inline constexpr char kStateNewGamePicross[] = "NEW-GAME-PICROSS";
inline constexpr char kStateNewGameFill[] = "NEW-GAME-FILL";
inline constexpr char kStateNextLevel[] = "NEXT-LEVEL";
inline constexpr char kStateRestartLevel[] = "RESTART-LEVEL";
inline constexpr char kStateStageScreen[] = "STAGE-SCREEN";
inline constexpr char kStateMoreGames[] = "MORE-GAMES";
inline constexpr char kStateIntro[] = "INTRO";
inline constexpr char kStateOutro[] = "OUTRO";
inline constexpr char kStateEnd[] = "END";

// The options overlay's results: "" (closed, play goes on), a restart the
// player confirmed, and two states under their own names.
inline constexpr char kOptionsClosed[] = "";
inline constexpr char kOptionsRestart[] = "RESTART";

// The state a screen that opened the options as its pause menu goes to:
// "RESTART" becomes "RESTART-LEVEL", "MAIN-MENU" and "MAP-SCREEN" stay, and
// "" (or anything else) stays "" so that play goes on.
std::string stateFromPauseMenu(const std::string& result);

using StateOperation = std::function<std::string()>;
using StateTable = std::map<std::string, StateOperation>;

// Makes run the operation of state; a later registration replaces it.
void registerState(const std::string& state, StateOperation run);
// Runs the operation of state and returns the next state. A state nobody
// registered is reported and leads back to "MAIN-MENU".
std::string runRegisteredState(const std::string& state);
// The table itself, for tests that put it back as they found it.
StateTable& registeredStatesForTests();

}  // namespace sorvanta
