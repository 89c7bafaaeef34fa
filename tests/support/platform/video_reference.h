#pragma once
// A yardstick for the drawing layer's own cost: the same sprites drawn with
// plain calls of SDL's software renderer on a frame of the mode's size,
// bypassing the layer's state and transforms. Used by the drawing benchmark;
// the game never calls it.
#include <memory>
#include <vector>

#include "platform/image.h"

namespace sorvanta {

struct ReferenceSprite {
  float x = 0, y = 0;  // handle position in window pixels
  float scaleX = 1, scaleY = 1;
  float rotation = 0;  // degrees
  int blend = 3;       // ALPHABLEND or LIGHTBLEND
  int red = 255, green = 255, blue = 255;
  float alpha = 1;
};

// Draws every sprite of the image's first frame with its handle at (x, y),
// straight through SDL; nothing without a graphics mode.
void DrawSpritesDirect(const std::shared_ptr<TImage>& image, const std::vector<ReferenceSprite>& sprites);
// Clears the frame black and presents it, straight through SDL.
void ClearDirect();
void PresentDirect();

}  // namespace sorvanta
