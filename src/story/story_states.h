#pragma once
// The states the story screens run, registered at start-up.
namespace sorvanta {

// "INTRO" runs the intro.
void registerStoryStates();

}  // namespace sorvanta
