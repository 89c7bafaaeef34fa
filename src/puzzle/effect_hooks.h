#pragma once
// The gameplay effects that cells launch: a mistake rock, a hint orb and a
// hint sparkle. Empty stand-ins until the effects land; their callers need
// only these declarations.
namespace sorvanta {

// A mistake rock from (x, y) to the mistakes counter; it counts the mistake
// when it lands.
void CreateMistake(float x, float y, int size);
// A hint orb from (x, y) to the hint that is charging.
void createNewAddHint(float x, float y);
// One sparkle particle at (x, y).
void createHintParticle(float x, float y);

}  // namespace sorvanta
