// The platform layer read back through its own state and the system's, and
// the drivers chosen for it.
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

bool GraphicsOpen() { return Backend() != nullptr; }
bool GraphicsFullScreen() { return Video().fullScreen; }
bool WindowIconShown() { return Video().iconShown; }

bool MouseHidden() { return SDL_ShowCursor(SDL_QUERY) == SDL_DISABLE; }

void SetGraphicsDriver(const std::string& videoDriver, const std::string& renderDriver) {
  EndGraphics();
  if (SdlVideoStarted()) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  // An empty name gives the choice back to the environment and SDL.
  auto choose = [](const char* hint, const std::string& value) {
    if (value.empty())
      SDL_ResetHint(hint);
    else
      SDL_SetHintWithPriority(hint, value.c_str(), SDL_HINT_OVERRIDE);
  };
  choose(SDL_HINT_VIDEODRIVER, videoDriver);
  choose(SDL_HINT_RENDER_DRIVER, renderDriver);
}

std::string VideoDriverName() {
  const char* name = SdlVideoStarted() ? SDL_GetCurrentVideoDriver() : nullptr;
  return name ? name : "";
}

}  // namespace sorvanta
