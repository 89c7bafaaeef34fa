#pragma once
// The 2D drawing layer: a graphics mode (window or full screen) drawn through
// SDL's renderer, a virtual resolution mapped onto it, and drawing state that
// persists between calls (colour, alpha, blend, scale, rotation, origin,
// viewport). Every position is in virtual units; SetOrigin is added to every
// drawing position, the viewport is not shifted by it.
// Images are in image.h, image fonts and text in font.h, input in input.h.
#include <memory>
#include <string>

#include "platform/pixmap.h"

namespace sorvanta {

// Blend modes of SetBlend.
constexpr int ALPHABLEND = 3;  // alpha blending
constexpr int LIGHTBLEND = 4;  // additive light: adds colour times alpha

// An open graphics mode. The layer keeps one mode at a time; the handle only
// says that opening succeeded.
class TGraphics {
 public:
  int width = 0;
  int height = 0;
  bool fullScreen = false;
};

// Opens a window (depth 0) or a full-screen mode (any other depth) of
// width x height, replacing the mode that is open. Full screen at the
// desktop's size keeps the desktop's mode; at another size it switches the
// display to a mode of that size where the display offers one, else it shows
// the width x height frame stretched over the whole desktop. Either way
// GraphicsWidth/Height report width x height. Resets the virtual resolution to the mode's
// size and the drawing state to its defaults (white, alpha 1, alpha blending,
// scale 1, no rotation, origin 0, whole viewport, black clear colour); the
// image font stays. Loaded images stay usable. Every mode is shown in the
// same window, opened by the first and shown at its first Flip, so that the
// modes a start-up passes through are never seen. None on failure (no mode
// is open then).
std::shared_ptr<TGraphics> Graphics(int width, int height, int depth = 0, int hertz = 60, int flags = 0);
// Closes the graphics mode, if any. Loaded images stay usable.
void EndGraphics();
// Size of the open mode in pixels (0 when none).
int GraphicsWidth();
int GraphicsHeight();
// Size of the desktop, readable before any mode is open.
int DesktopWidth();
int DesktopHeight();
// The picture the window carries as its icon (title bar, task switcher). The
// file is read here and the picture put on the open window and on every
// window opened after; a file that cannot be read leaves the system's default
// icon and is reported on standard output, once. "" leaves windows opened
// after with the default.
void SetWindowIconFile(const std::string& path);

// The virtual resolution spans the whole graphics mode. Setting it opens the
// viewport to the whole area; the origin stays.
void SetVirtualResolution(float width, float height);
float VirtualResolutionWidth();
float VirtualResolutionHeight();

void SetOrigin(float x, float y);
void GetOrigin(float& x, float& y);
// Clips drawing and Cls to a rectangle in virtual units (not shifted by the origin).
void SetViewport(int x, int y, int width, int height);
void GetViewport(int& x, int& y, int& width, int& height);

void SetClsColor(int red, int green, int blue);
void GetClsColor(int& red, int& green, int& blue);
// Fills the viewport with the clear colour.
void Cls();
// Presents the frame and polls the system's events (PollSystem). A sync other
// than 0 paces the loop to 60 frames per second (never under a test clock
// driven by the harness).
void Flip(int sync = -1);
// Whether a Flip with a sync may wait (on unless the harness drives the
// clock). Loading turns it off: its progress frames have nothing to pace.
void SetFramePacing(bool on);
bool FramePacing();

// The drawing colour multiplies every image, text and shape (0..255 each).
void SetColor(int red, int green, int blue);
// Opacity, clamped to 0..1.
void SetAlpha(float alpha);
float GetAlpha();
// ALPHABLEND or LIGHTBLEND; other values draw as ALPHABLEND.
void SetBlend(int blend);
// Scale of images, text and shapes; a negative factor mirrors.
void SetScale(float x, float y);
// Rotation in degrees, clockwise on the screen, about an image's handle.
void SetRotation(float degrees);

// A filled rectangle from (x, y), scaled and rotated about that corner.
void DrawRect(float x, float y, float width, float height);
// A one-pixel line; the second end is scaled and rotated about the first.
void DrawLine(float x1, float y1, float x2, float y2);

// Reads back a rectangle of the frame being drawn, in virtual units (the
// origin added), into a width x height pixmap: drawing it as an image at the
// same place with scale 1 reproduces the frame. Opaque. None without a mode
// or for an empty size.
std::shared_ptr<TPixmap> GrabPixmap(int x, int y, int width, int height);

}  // namespace sorvanta
