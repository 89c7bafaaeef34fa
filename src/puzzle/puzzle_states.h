#pragma once
// The states puzzle play runs, registered with the state machine at start-up.
namespace sorvanta {

// "MAIN-GAME": the play screen's loop.
void registerPuzzleStates();

}  // namespace sorvanta
