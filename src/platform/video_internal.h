#pragma once
// State shared by the drawing layer's files (video, image, font, input,
// harness). Not for game code.
#include <SDL.h>

#include <functional>
#include <memory>

#include "platform/pixmap.h"
#include "platform/soft_canvas.h"
#include "platform/video.h"
#include "platform/video_backend.h"

namespace sorvanta {

class TImageFont;

// What the last Cls covered, its colour, and the draws and presents counted
// when it ran.
struct ClearMark {
  int x = 0, y = 0, w = 0, h = 0;
  int r = -1, g = -1, b = -1;
  long draws = -1;
  long presents = -1;
  bool operator==(const ClearMark&) const = default;
};

struct VideoState {
  SDL_Window* window = nullptr;  // the back end that draws it is Backend()
  // Grows whenever a back end goes away; a texture made under another
  // generation is gone and must be made again.
  int generation = 1;
  int width = 0, height = 0;        // size of the mode (GraphicsWidth/Height)
  int windowWidth = 0, windowHeight = 0;  // window size in SDL window units (the pointer's units)
  int outWidth = 0, outHeight = 0;  // renderer output in pixels
  bool fullScreen = false;
  // The window is made hidden and shown at its first present, so that the
  // modes start-up passes through on the way to the one it keeps are never seen.
  bool windowShown = false;
  std::shared_ptr<TPixmap> icon;  // SetWindowIconFile's picture, none for the default

  float virtWidth = 0, virtHeight = 0;
  float kx = 1, ky = 1;  // pixels per virtual unit
  float originX = 0, originY = 0;
  int vpX = 0, vpY = 0, vpW = 0, vpH = 0;
  bool clipEmpty = false;
  SoftClip clip;  // the viewport in output pixels

  int clsR = 0, clsG = 0, clsB = 0;
  int red = 255, green = 255, blue = 255;
  float alpha = 1;
  int blend = 3;
  float scaleX = 1, scaleY = 1;
  float rotation = 0;
  std::shared_ptr<TImageFont> font;

  long draws = 0;     // drawing calls since the mode opened
  long presents = 0;
  ClearMark lastClear;

  // Called by Flip around SDL's present; the harness uses them.
  std::function<void()> beforePresent;
  std::function<void()> afterPresent;
  bool pacing = true;        // Flip may sleep to hold 60 frames per second
  Uint64 lastFlipTicks = 0;  // performance counter at the last paced Flip
};

VideoState& Video();

// How a full-screen mode of a size is shown: at the desktop's own mode when
// the size is the desktop's, else in a display mode of that very size where
// the display has one, else as a frame of that size scaled over the desktop.
enum class FullScreenKind { kDesktop, kDisplayMode, kScaled };
FullScreenKind ChooseFullScreen(int width, int height, int desktopWidth, int desktopHeight,
                                bool displayHasMode);
// Opens the window of a graphics mode, hidden, full screen as
// ChooseFullScreen says (a display mode the display refuses falls back to
// the scaled frame); scaled is set when the frame is stretched over the
// desktop. Null on failure.
SDL_Window* OpenWindow(int width, int height, bool full, int hertz, bool& scaled);
// Puts the open window into another graphics mode, as OpenWindow would have
// opened it; false when the window cannot take it.
bool PlaceWindow(SDL_Window* window, int width, int height, bool full, int hertz, bool& scaled);
// Shows the mode's window, once; Flip calls it before the first present.
void ShowModeWindow();
// Turns the back end's vertical sync on for a paced full-screen mode.
void ApplyVSync(VideoState& v);

// Puts the window icon picture, if any, on the open window.
void ApplyWindowIcon();

// Starts SDL's video (and event) subsystem once; false when it cannot start.
bool EnsureSdlVideo();
bool SdlVideoStarted();
// A video driver with no screen of its own ("dummy", "offscreen"); false
// for none.
bool ScreenlessDriver(const char* driver);

// A texture of the pixmap for the current back end; null without one.
VideoTexture* MakeTexture(const TPixmap& pixmap, bool filtered);
// Frees a texture made under the given generation, if it still exists.
void FreeTexture(VideoTexture* texture, int generation);
// Draws the src rectangle of a texture as a width x height quad whose point
// (hx, hy) lands on the virtual position (x, y) plus the origin, with the
// current colour, alpha, blend, scale and rotation.
void DrawTextureQuad(VideoTexture* texture, const SDL_Rect& src, float x, float y, float width, float height,
                     float hx, float hy);
// Updates a texture made by MakeTexture with pixels of its size.
void UpdateTexture(VideoTexture* texture, const TPixmap& pixmap);
// Reads the whole frame being drawn (opaque RGBA); none without a mode.
std::shared_ptr<TPixmap> ReadFramePixels();

}  // namespace sorvanta
