#pragma once
// The states the story screens run, registered at start-up.
namespace sorvanta {

// "INTRO" runs the intro, "OUTRO" the outro.
void registerStoryStates();

}  // namespace sorvanta
