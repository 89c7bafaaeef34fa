#pragma once
// SDL's renderer as a back end, as the drawing layer's own files see it: its
// textures, and the renderer that draws the frames.
#include <SDL.h>

#include "platform/video_backend.h"

namespace sorvanta {

class SdlTexture : public VideoTexture {
 public:
  SDL_Texture* texture = nullptr;
};

class SdlRendering : public VideoBackend {
 public:
  virtual SDL_Renderer* renderer() const = 0;
};

}  // namespace sorvanta
