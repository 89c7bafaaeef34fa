#pragma once
// Pre-turned copies of small sprites for the software renderer, which blends
// a plain copy many times faster than it maps a picture onto triangles.
#include <SDL.h>

namespace sorvanta {

// Angles are rounded to a step at which a sprite's corners move by at most
// half a texel either side of the true angle: 2 pi r steps a turn, r being
// half the sprite's diagonal.
int RotationSteps(int w, int h);
// Sprites up to this size in either direction are cached.
constexpr int kRotationCacheMaxSide = 128;
// The copies' pixels together stay under this; the least used go first.
constexpr long kRotationCacheBytes = 48L << 20;

// The src rectangle of texture turned by angle degrees (rounded to the
// step) about its centre, on transparent pixels; w and h are its size in
// texels. Null when the renderer cannot make it.
SDL_Texture* TurnedTexture(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect& src, float angle, int& w, int& h);
// Forgets the copies of a texture that is about to be destroyed.
void ForgetTurnedTextures(SDL_Texture* texture);
// Forgets every copy (their renderer went away).
void ClearTurnedTextures();
// The pixels the cache holds now, in bytes.
long RotationCacheBytes();
// Lets tests draw every rotated sprite the plain way.
void SetRotationCacheEnabled(bool enabled);
bool RotationCacheEnabled();

}  // namespace sorvanta
