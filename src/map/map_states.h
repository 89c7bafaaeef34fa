#pragma once
// The states the map screens run, registered at start-up.
namespace sorvanta {

// "MAP-SCREEN" runs the map; "STAGE-SCREEN" the current player's stage.
void registerMapStates();

}  // namespace sorvanta
