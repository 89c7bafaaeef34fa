#pragma once
// Sine and cosine of angles in degrees, the unit every angle of the game is in.
namespace sorvanta {

// Whole multiples of 90 degrees give exact results (Sin(180) is 0, Cos(90)
// is 0), so values eased with them land exactly on their targets.
double Sin(double degrees);
double Cos(double degrees);

}  // namespace sorvanta
