// The platform layer read back through its own state and the system's.
#include "platform/read_back.h"

#include <SDL.h>

#include "platform/video_internal.h"

namespace sorvanta {

void GetColor(int& red, int& green, int& blue) {
  red = Video().red;
  green = Video().green;
  blue = Video().blue;
}

int GetBlend() { return Video().blend; }

void GetScale(float& x, float& y) {
  x = Video().scaleX;
  y = Video().scaleY;
}

float GetRotation() { return Video().rotation; }

std::string RendererName() { return Backend() ? Backend()->name() : ""; }

bool MouseHidden() { return SDL_ShowCursor(SDL_QUERY) == SDL_DISABLE; }

}  // namespace sorvanta
