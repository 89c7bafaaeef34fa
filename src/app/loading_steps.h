#pragma once
// What the loading screen sets up, phase by phase, in the game's fixed order.
namespace sorvanta {

class TLoadingScreen;

// Fills the five phases of screen with the set-ups of every screen and table.
void addLoadingSteps(TLoadingScreen& screen);

}  // namespace sorvanta
