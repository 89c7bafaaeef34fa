#pragma once
// The states the shell's screens run, registered with the state machine at start-up.
namespace sorvanta {

// "MAIN-MENU": the main menu's loop.
void registerScreenStates();

}  // namespace sorvanta
