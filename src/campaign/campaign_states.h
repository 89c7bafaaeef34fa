#pragma once
// The states the campaign runs, registered with the state machine at
// start-up. The map, stage, more-games and story screens are stand-ins in
// this folder for now and register here too.
namespace sorvanta {

// "NEW-GAME-PICROSS", "NEW-GAME-FILL", "NEXT-LEVEL", "RESTART-LEVEL" and
// "STAGE-SCREEN" act on the current player (none: back to "MAIN-MENU");
// "MAP-SCREEN", "MORE-GAMES", "INTRO" and "OUTRO" run their screens.
void registerCampaignStates();

}  // namespace sorvanta
