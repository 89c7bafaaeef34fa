#pragma once
// The one random generator. The game never seeds it, so every run draws the
// same sequence.
namespace sorvanta {

// Uniform integer from the smaller to the larger argument, both included.
int Rand(int a, int b);
// Uniform float in [min(a, b), max(a, b)); Rnd() is in [0, 1).
double Rnd(double a = 1, double b = 0);
// Restores the generator's start state.
void ResetRandomForTests();

}  // namespace sorvanta
