#pragma once
// The states the shell's screens run, registered with the state machine at start-up.
namespace sorvanta {

// "MAIN-MENU": the main menu's loop; "MORE-GAMES": the more-games screen.
void registerScreenStates();

}  // namespace sorvanta
