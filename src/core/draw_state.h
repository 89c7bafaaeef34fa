#pragma once
// The drawing state every screen starts its drawing from.
namespace sorvanta {

// White, the given alpha, alpha blending, scale 1, no rotation.
void ResetDrawState(float alpha = 1.0f);

}  // namespace sorvanta
