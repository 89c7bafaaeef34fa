// The platform layer read back through its own state and the system's, and
// the drivers chosen for it.
#include "platform/read_back.h"

#include <SDL.h>

#include <mutex>

#include "platform/child_processes.h"
#include "platform/image_frames.h"
#include "platform/input_internal.h"
#include "platform/mixer.h"
#include "platform/video_internal.h"
#include "platform/video_sdl_backend.h"

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

// Our compositor draws where SDL's renderer does not.
std::string RendererName() {
  if (!Backend()) return "";
  SDL_Renderer* renderer = SdlRenderer();
  SDL_RendererInfo info;
  if (!renderer) return "software";
  return SDL_GetRendererInfo(renderer, &info) == 0 && info.name ? info.name : "";
}

SDL_Renderer* SdlRenderer() {
  auto* sdl = dynamic_cast<SdlRendering*>(UncountedBackend());
  return sdl ? sdl->renderer() : nullptr;
}

SDL_Texture* SdlTextureOf(VideoTexture* texture) {
  auto* sdl = dynamic_cast<SdlTexture*>(texture);
  return sdl ? sdl->texture : nullptr;
}

ImageMemory LiveImageMemory() {
  ImageMemory memory;
  for (const TImageFrames* frames : LiveImageFrames()) {
    memory.pixelBytes += frames->pixelBytes();
    memory.textureBytes += frames->textureBytes();
  }
  return memory;
}

int MouseX() { return static_cast<int>(Input().mouseX); }
int MouseY() { return static_cast<int>(Input().mouseY); }

void ResetInputState() {
  const bool hidden = Input().cursorHidden;
  Input() = InputState{};
  Input().cursorHidden = hidden;
  g_signalled = 0;
  g_endedBySignal = 0;
  ResetBoxEnding();
}

struct MixerReadBack {
  static int Voices(const Mixer& mixer) {
    std::lock_guard<std::mutex> lock(mixer.mutex_);
    return static_cast<int>(mixer.voices_.size());
  }
};

int VoiceCount(const Mixer& mixer) { return MixerReadBack::Voices(mixer); }

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
