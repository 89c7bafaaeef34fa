#pragma once
// What draws the frames of a graphics mode: our compositor on the window's
// pixels, or SDL's renderer. One is chosen when a mode opens; the drawing
// layer's calls turn the drawing state into a request and hand it over.
// Each back end runs, on its own, whatever it has put off before anything
// that reads its frame or changes or frees what a put-off draw uses.
#include <SDL.h>

#include <functional>
#include <memory>

#include "platform/pixmap.h"
#include "platform/soft_canvas.h"

namespace sorvanta {

struct VideoState;

// A picture made for the back end that made it, and gone with it.
class VideoTexture {
 public:
  virtual ~VideoTexture() = default;
  int width = 0, height = 0;
  bool opaque = false;    // every pixel opaque
  bool filtered = false;  // scaled by filtering, else by its nearest pixels
};

// A textured quad to draw: the src rectangle of a texture as a width x
// height quad whose point (hx, hy) lands on the virtual position (x, y),
// and the same quad unturned in output pixels.
struct TextureQuad {
  SDL_Rect src;
  float x = 0, y = 0, width = 0, height = 0, hx = 0, hy = 0;
  SDL_FRect dst{};     // where the unturned quad covers, in output pixels
  SDL_FPoint centre{};  // the handle in output pixels, from dst's corner
  bool mirrorX = false, mirrorY = false;
};

class VideoBackend {
 public:
  virtual ~VideoBackend() = default;
  // Whether it can go on drawing the window after a change of mode, the
  // window's size changed or not.
  virtual bool keepsAcrossModes(bool resized) const = 0;
  // The frame's size in pixels; false when it cannot tell.
  virtual bool outputSize(int& width, int& height) = 0;
  virtual void setVSync(bool on) = 0;

  // Null when the texture cannot be made.
  virtual VideoTexture* makeTexture(const TPixmap& pixmap, bool filtered) = 0;
  // New pixels, of the texture's size, for a texture this back end made.
  virtual void updateTexture(VideoTexture* texture, const TPixmap& pixmap) = 0;
  virtual void freeTexture(VideoTexture* texture) = 0;

  // Drawing takes the colour, alpha, blend and rotation of the state.
  virtual void setClip(const SoftClip& clip, bool empty) = 0;
  virtual void clear(int red, int green, int blue) = 0;  // the clip, opaque
  virtual void drawTexture(VideoTexture* texture, const TextureQuad& quad) = 0;
  // An unturned rectangle in output pixels.
  virtual void fillRect(float x, float y, float width, float height) = 0;
  // The rectangle from the virtual (x, y), scaled and turned about it.
  virtual void fillTurnedRect(float x, float y, float width, float height) = 0;
  virtual void drawLine(SDL_FPoint from, SDL_FPoint to) = 0;

  // Drops what was drawn for the frame and is not on its pixels yet: the
  // mode changed under it.
  virtual void dropFrame() = 0;
  virtual void present() = 0;
  // The whole frame as RGBA bytes, into a pixmap of the output size.
  virtual bool readPixels(TPixmap& frame) = 0;
};

// The back end of the open mode; null with none.
VideoBackend* Backend();
// Makes the back end of a new window: our compositor where SDL would draw on
// the CPU into a window whose pixels it can take, else SDL's renderer. The
// window keeps any back end it had until then. False when none can be made.
bool OpenBackend(SDL_Window* window);
// The back end goes, and with it every texture it made.
void CloseBackend();

// Tests: every back end opened from now on is handed to wrap, and what it
// returns draws in its place (one that watches the draws, say); nullptr opens
// them bare again.
using BackendWrap = std::function<std::unique_ptr<VideoBackend>(std::unique_ptr<VideoBackend>)>;
void SetBackendWrapForTests(BackendWrap wrap);

// Our compositor stands aside and SDL's software renderer draws what it
// would, from the next mode on; tests compare the two.
void SetSoftCanvasAllowed(bool allowed);
bool SoftCanvasAllowed();

// Helpers both back ends share.
Uint8 AlphaByte(float alpha);
// A point given relative to an anchor (virtual units, before scale and
// rotation) in output pixels.
SDL_FPoint OutputPoint(float anchorX, float anchorY, float dx, float dy);
// Alpha blending at full alpha of something opaque gives its own pixels:
// a copy spares a blend per pixel.
bool CopiesInstead(const VideoState& v, bool opaqueSource);

std::unique_ptr<VideoBackend> MakeSoftBackend(SDL_Window* window);
// softAllowed: whether our compositor was allowed when SDL's was chosen.
std::unique_ptr<VideoBackend> MakeSdlBackend(SDL_Renderer* renderer, bool softAllowed);

}  // namespace sorvanta
