// The platform layer read back through its own state and the system's, and
// the drivers chosen for it.
#include "platform/read_back.h"

#include <SDL.h>
#include <dlfcn.h>

#include <mutex>

#include "platform/child_processes.h"
#include "platform/font_internal.h"
#include "platform/input_internal.h"
#include "platform/mixer.h"
#include "platform/video_internal.h"
#include "platform/video_sdl_backend.h"

namespace {

// The window SDL_SetWindowIcon last gave an icon to; window ids are never reused.
Uint32 g_iconWindow = 0;

}  // namespace

// The game gives a window its icon through SDL_SetWindowIcon: this one, linked
// into the test programs ahead of SDL, notes which window got it and hands
// the call on to SDL's own.
extern "C" void SDL_SetWindowIcon(SDL_Window* window, SDL_Surface* icon) {
  using SetIcon = void (*)(SDL_Window*, SDL_Surface*);
  static const auto sdl = reinterpret_cast<SetIcon>(::dlsym(RTLD_NEXT, "SDL_SetWindowIcon"));
  if (window && icon) g_iconWindow = SDL_GetWindowID(window);
  if (sdl) sdl(window, icon);
}

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

std::shared_ptr<TImageFont> GetImageFont() { return Video().font; }

int FontSize(const std::shared_ptr<TImageFont>& font) { return font->impl().face->size->metrics.y_ppem; }

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
  static int Rate(const Mixer& mixer) { return mixer.rate_; }
};

int VoiceCount(const Mixer& mixer) { return MixerReadBack::Voices(mixer); }
int MixerRate(const Mixer& mixer) { return MixerReadBack::Rate(mixer); }

bool GraphicsOpen() { return Backend() != nullptr; }
bool GraphicsFullScreen() { return Video().fullScreen; }
bool WindowIconShown() { return Video().window && SDL_GetWindowID(Video().window) == g_iconWindow; }

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
