// The letterbox's calls forwarded to the platform drawing layer.
#include <cstdio>

#include "core/display.h"
#include "core/frame_bindings.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/video.h"

namespace sorvanta {

bool TDisplayDriver::graphics(int w, int h, int depth, int hertz, int flags) {
  return Graphics(w, h, depth, hertz, flags) != nullptr;
}
int TDisplayDriver::graphicsWidth() { return GraphicsWidth(); }
int TDisplayDriver::graphicsHeight() { return GraphicsHeight(); }
void TDisplayDriver::setVirtualResolution(float w, float h) { SetVirtualResolution(w, h); }
float TDisplayDriver::virtualResolutionWidth() { return VirtualResolutionWidth(); }
float TDisplayDriver::virtualResolutionHeight() { return VirtualResolutionHeight(); }
void TDisplayDriver::setViewport(int x, int y, int w, int h) { SetViewport(x, y, w, h); }
void TDisplayDriver::getViewport(int& x, int& y, int& w, int& h) { GetViewport(x, y, w, h); }
void TDisplayDriver::setOrigin(float x, float y) { SetOrigin(x, y); }
void TDisplayDriver::getOrigin(float& x, float& y) { GetOrigin(x, y); }
void TDisplayDriver::setClsColor(int r, int g, int b) { SetClsColor(r, g, b); }
void TDisplayDriver::getClsColor(int& r, int& g, int& b) { GetClsColor(r, g, b); }
void TDisplayDriver::cls() { Cls(); }
float TDisplayDriver::virtualMouseX() { return VirtualMouseX(); }
float TDisplayDriver::virtualMouseY() { return VirtualMouseY(); }
void TDisplayDriver::moveVirtualMouse(float x, float y) { MoveVirtualMouse(x, y); }

void TDisplayDriver::fail(const char* message) {
  std::fprintf(stderr, "%s\n", message);
  std::fflush(stderr);
  // A mode switch in the middle of a game can end here: leave the way every
  // other way out of the game does, keeping the players' progress.
  quitGame(1);
}

}  // namespace sorvanta
