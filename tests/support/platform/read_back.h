#pragma once
// What tests and benchmarks read back of the platform layer and the game
// never asks (the drawing state, the mode, the renderer, the draws, the
// font, the pointer, the mixer), and the drivers they choose for it. Images
// are read back through "platform/image_read_back.h".
#include <memory>
#include <string>

struct SDL_Renderer;
struct SDL_Texture;

namespace sorvanta {

class Mixer;
class TImageFont;
class VideoBackend;
class VideoTexture;

void GetColor(int& red, int& green, int& blue);
int GetBlend();
void GetScale(float& x, float& y);
float GetRotation();
// The font SetImageFont selected; none while the default font is in force.
std::shared_ptr<TImageFont> GetImageFont();
// The pixel size a font was loaded at.
int FontSize(const std::shared_ptr<TImageFont>& font);

bool GraphicsOpen();
bool GraphicsFullScreen();
// True when the open window was given the picture of SetWindowIconFile.
bool WindowIconShown();
// Name of the renderer the open mode draws with ("software", "opengl", ...),
// "" when none is open.
std::string RendererName();
// Where SDL's renderer draws the frames, it and a texture's SDL texture;
// null otherwise. Tests draw beside the layer with them.
SDL_Renderer* SdlRenderer();
SDL_Texture* SdlTextureOf(VideoTexture* texture);

// Quads sent to the back end since the last reset (images, text glyphs and
// rectangles), how many of them were rotated, and the output pixels the
// image quads cover; counted from the next mode on once CountDraws is called.
struct DrawCounts {
  long quads = 0;
  long rotatedQuads = 0;
  double pixels = 0;
};
void CountDraws();
DrawCounts GetDrawCounts();
void ResetDrawCounts();
// The back end that draws, beneath the one that counts.
VideoBackend* UncountedBackend();

// Pointer position in window units.
int MouseX();
int MouseY();
// Forgets every key, button, character, focus and terminate state; the
// cursor stays as shown or hidden.
void ResetInputState();

// Voices the mixer still keeps, and the frames a second it mixes.
int VoiceCount(const Mixer& mixer);
int MixerRate(const Mixer& mixer);
// Whether the system's pointer is hidden (HideMouse), as the system has it.
bool MouseHidden();

// Chooses SDL's video driver and renderer ("" leaves SDL's own choice) for the
// next mode, overriding the environment. Closes the open mode.
void SetGraphicsDriver(const std::string& videoDriver, const std::string& renderDriver);
// Name of the video driver in use ("x11", "dummy", ...), "" before SDL video starts.
std::string VideoDriverName();

}  // namespace sorvanta
