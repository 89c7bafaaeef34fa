#include "core/display.h"

#include <algorithm>
#include <cmath>

#include "core/design_size.h"
#include "core/globals.h"
#include "platform/strings.h"

namespace sorvanta {

float aspectOriginX = 0.0f, aspectOriginY = 0.0f;
float aspectWidth = 0.0f, aspectHeight = 0.0f;
int aspectMode = 0;
int aspectBorderRed = 0, aspectBorderGreen = 0, aspectBorderBlue = 0;

namespace {

constexpr int kHertz = 60;
constexpr int kWindow = 0;
constexpr int kFullScreen = 32;

std::shared_ptr<TDisplayDriver>& currentDriver() {
  static std::shared_ptr<TDisplayDriver> driver = std::make_shared<TDisplayDriver>();
  return driver;
}

int toInt(float v) { return FloatToInt(v); }

void letterbox() { SetAspectResolution(kDesignWidth, kDesignHeight, 3); }

// Clears the whole back buffer to the border colour, keeping the clear colour.
void clearToBorder(TDisplayDriver& d) {
  int r = 0, g = 0, b = 0;
  d.getClsColor(r, g, b);
  d.setClsColor(aspectBorderRed, aspectBorderGreen, aspectBorderBlue);
  d.cls();
  d.setClsColor(r, g, b);
}

bool openWindow(TDisplayDriver& d) {
  pierwszeuruchomienie = 0;
  const int dh = _desktopHeight();
  if (dh > 768 && d.graphics(1024, 768, kWindow, kHertz, 0)) {
    letterbox();
    return true;
  }
  // The smaller window also serves a tall desktop whose 1024 x 768 window failed.
  const bool small = dh <= 600;
  if (!d.graphics(small ? 640 : 819, small ? 480 : 614, kWindow, kHertz, 0)) return false;
  letterbox();
  return true;
}

bool openFullScreen(TDisplayDriver& d, int w, int h, int wide) {
  if (pierwszeuruchomienie != 0) {
    pierwszeuruchomienie = 0;
    d.graphics(1, 1, kWindow, kHertz, 0);
  }
  const int sw = wide != 0 ? _desktopWidth() : w;
  const int sh = wide != 0 ? _desktopHeight() : h;
  d.graphics(sw, sh, kWindow, kHertz, 0);
  if (d.graphics(sw, sh, kFullScreen, kHertz, 0)) {
    letterbox();
    return true;
  }
  const int fw = wide != 0 ? sw : 800;
  const int fh = wide != 0 ? sh : 600;
  d.graphics(fw, fh, kWindow, kHertz, 0);
  if (d.graphics(fw, fh, kFullScreen, kHertz, 0)) {
    letterbox();
    return true;
  }
  return false;
}

}  // namespace

void SetDisplayDriver(std::shared_ptr<TDisplayDriver> driver) {
  currentDriver() = driver ? std::move(driver) : std::make_shared<TDisplayDriver>();
}

TDisplayDriver& displayDriver() { return *currentDriver(); }

bool openScreenASPECT(int w, int h, int full, int wide) {
  TDisplayDriver& d = displayDriver();
  if (full == 0 ? openWindow(d) : openFullScreen(d, w, h, wide)) return true;
  // Full screen refused even at the fallback size: a window is better than nothing.
  if (full != 0 && openWindow(d)) return true;
  d.fail("Sorvanta cannot run: no window or full-screen graphics mode could be opened.");
  return false;
}

int _desktopWidth() { return START_DESKTOP_WIDTH_; }
int _desktopHeight() { return START_DESKTOP_HEIGHT_; }

void SetAspectResolution(float width, float height, int mode) {
  TDisplayDriver& d = displayDriver();
  if (mode != 1) aspectMode = mode;
  if (aspectMode == 0) {
    aspectOriginX = aspectOriginY = 0.0f;
    aspectWidth = width;
    aspectHeight = height;
    d.setVirtualResolution(width, height);
    d.setViewport(0, 0, toInt(std::ceil(width)), toInt(std::ceil(height)));
    d.setOrigin(0.0f, 0.0f);
    return;
  }
  const float gw = static_cast<float>(d.graphicsWidth());
  const float gh = static_cast<float>(d.graphicsHeight());
  aspectWidth = width;
  aspectHeight = height;
  float scale = std::min(gw / width, gh / height);
  if ((aspectMode & 4) != 0) scale = std::max(std::floor(scale), 1.0f);
  // Without a graphics mode there is nothing to scale to; keep the design size.
  if (!(scale > 0.0f) || !std::isfinite(scale)) scale = 1.0f;
  float vw = gw / scale, vh = gh / scale;
  if (!(vw > 0.0f)) vw = width;
  if (!(vh > 0.0f)) vh = height;
  aspectOriginX = (vw - width) * 0.5f;
  aspectOriginY = (vh - height) * 0.5f;
  if ((aspectMode & 4) != 0) {
    aspectOriginX = std::floor(aspectOriginX);
    aspectOriginY = std::floor(aspectOriginY);
  }
  d.setVirtualResolution(vw, vh);
  if ((aspectMode & 1) != 0) {
    clearToBorder(d);
    d.setViewport(toInt(aspectOriginX), toInt(aspectOriginY), toInt(width), toInt(height));
  } else {
    d.setViewport(0, 0, toInt(std::ceil(vw)), toInt(std::ceil(vh)));
  }
  d.setOrigin(aspectOriginX, aspectOriginY);
}

void SwitchAspectMode(int mode) { SetAspectResolution(aspectWidth, aspectHeight, mode); }

void SetAspectColor(int r, int g, int b) {
  aspectBorderRed = r;
  aspectBorderGreen = g;
  aspectBorderBlue = b;
}

void AspectCls() {
  TDisplayDriver& d = displayDriver();
  if ((aspectMode & 1) != 0) {
    d.setViewport(0, 0, toInt(1.0f + std::ceil(d.virtualResolutionWidth())),
                  toInt(1.0f + std::ceil(d.virtualResolutionHeight())));
    clearToBorder(d);
    d.setViewport(toInt(aspectOriginX), toInt(aspectOriginY), toInt(aspectWidth),
                  toInt(aspectHeight));
  }
  d.cls();
}

void SetAspectOrigin(float x, float y) {
  displayDriver().setOrigin(x + aspectOriginX, y + aspectOriginY);
}

void GetAspectOrigin(float& x, float& y) {
  displayDriver().getOrigin(x, y);
  x -= aspectOriginX;
  y -= aspectOriginY;
}

void SetAspectViewport(int x, int y, int w, int h) {
  const int left = toInt(std::max(static_cast<float>(x), aspectOriginX));
  const int top = toInt(std::max(static_cast<float>(y), aspectOriginY));
  // Summed as floats: a huge width must not overflow an int.
  const float right = std::min(static_cast<float>(x) + static_cast<float>(w), aspectOriginX + aspectWidth);
  const float bottom = std::min(static_cast<float>(y) + static_cast<float>(h), aspectOriginY + aspectHeight);
  displayDriver().setViewport(left, top, std::max(0, toInt(right - left)),
                              std::max(0, toInt(bottom - top)));
}

void GetAspectViewport(int& x, int& y, int& w, int& h) {
  displayDriver().getViewport(x, y, w, h);
  x = toInt(x - aspectOriginX);
  y = toInt(y - aspectOriginY);
}

float AspectMouseX() { return displayDriver().virtualMouseX() - aspectOriginX; }
float AspectMouseY() { return displayDriver().virtualMouseY() - aspectOriginY; }

void MoveAspectMouse(float x, float y) {
  displayDriver().moveVirtualMouse(x + aspectOriginX, y + aspectOriginY);
}

float AspectResolutionWidth() { return aspectWidth; }
float AspectResolutionHeight() { return aspectHeight; }

}  // namespace sorvanta
