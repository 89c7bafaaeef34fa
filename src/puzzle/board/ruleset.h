#pragma once
// The two rulesets, by the number that level files, profiles and tutorial
// tips store as tryb (and the game passes around as a mode).

namespace sorvanta {

enum Ruleset : int {
  kRulesetFill = 0,     // Trelmo, "Normal" in the catalogue: coloured clues count their 3 x 3 block
  kRulesetPicross = 1,  // Mesalor: row and column clues give the runs of picture cells
};

// A stored tryb that names one of the two; anything else is a damaged file.
constexpr bool IsRuleset(int tryb) { return tryb == kRulesetFill || tryb == kRulesetPicross; }

}  // namespace sorvanta
