#pragma once
// The spine of the process: the program body creates the globals and the
// screen singletons, init() runs the game from the folders to the state
// machine, and ende() is the one way the game ends itself.

#include <functional>
#include <string>
#include <vector>

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
// Otherwise this copy holds the folder until it ends; a folder that cannot
// be held is told on standard output, and on screen once loaded.
void endIfAlreadyRunning();
// Folders, the one copy per folder, settings, display, the loading screen's five phases (and its
// fade to black when fadeOut), profiles: everything before the state machine.
void loadGame(bool fadeOut = true);
// loadGame, then the state machine, then ende.
[[noreturn]] void init();
// Saves the players and the settings, then ends the process with status.
// When a save fails and the player asked to quit (no signal), a box asks
// whether to try again; where none would open, the game's pop-up in its
// window says what is lost. When progress stays unsaved, one line on
// standard error says what and the status is not 0.
[[noreturn]] void ende(int status = 0);
// The display went away (display: its name): one line on standard error,
// then ende, asking nothing, with -1, the status of any error the platform
// reports.
[[noreturn]] void endWithoutDisplay(const std::string& display);
// How that question is asked: the text and the answers (try again first);
// the index answered, -1 for none, kBoxFailed (platform/system.h) when no
// box would open. The platform's message box by default (nullptr restores
// it); tests answer in its place.
void bindQuitQuestion(std::function<int(const std::string&, const std::vector<std::string>&)> ask);

}  // namespace sorvanta
