#pragma once
// The states the campaign runs, registered with the state machine at
// start-up.
#include <functional>
#include <string>

#include "campaign/profile.h"

namespace sorvanta {

// "NEW-GAME-PICROSS", "NEW-GAME-FILL", "NEXT-LEVEL" and "RESTART-LEVEL" act
// on the current player (none: back to "MAIN-MENU").
void registerCampaignStates();

// Registers a state that steps the current player; without one it prints
// why and returns "MAIN-MENU".
void registerProfileStep(const char *state, std::function<std::string(TProfile &)> step);

}  // namespace sorvanta
