#pragma once
// The spine of the process: the program body creates the globals and the
// screen singletons, init() runs the game from the folders to the state
// machine, and ende() is the one way the game ends itself.

namespace sorvanta {

// Program body, steps 1 to 5: embedded fonts, program-wide globals (mouse,
// desktop size, frame timer, folders, cheats flag, resource folder) and the
// 21 singletons in their fixed order; binds the seams of the lower layers
// and has each subsystem register its states. Does not open a graphics mode.
void createGlobals();
void createSingletons();
// Every subsystem registers what its states run.
void registerAllStates();

// A copy of the game already running with the same per-user folder: says
// so (standard output, and a message box where a display exists) and ends
// the process with 0, before anything of the players is read or written.
// Otherwise this copy holds the folder until it ends.
void endIfAlreadyRunning();
// Folders, the one copy per folder, settings, display, the loading screen's five phases (and its
// fade to black when fadeOut), profiles: everything before the state machine.
void loadGame(bool fadeOut = true);
// loadGame, then the state machine, then ende.
[[noreturn]] void init();
// Saves the players and the settings, then ends the process with status.
[[noreturn]] void ende(int status = 0);

}  // namespace sorvanta
