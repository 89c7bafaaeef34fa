#pragma once
// The colour ids the Fill rules and the colour table share.

namespace sorvanta {

// Fill tallies are indexed by colour id, so ids lie in 0..kColorIdLimit-1.
constexpr int kColorIdLimit = 20;
constexpr int kCrossColorId = 1;  // the cross entry: no colour; a clue of it is a zero clue
constexpr int kBlackColorId = 7;
constexpr int kNoColour = -1;     // a cell without that colour: unpainted, no clue, empty in the solution

}  // namespace sorvanta
