#pragma once
// The graphics mode and the letterbox. The game draws in a fixed design area
// of 1024 x 768 units; the letterbox scales that area to fit the real window
// or screen, centres it, and fills the bars around it with a border colour.
#include <memory>

namespace sorvanta {

// Letterbox state; all zero until the first SetAspectResolution.
extern float aspectOriginX, aspectOriginY;  // design area's corner in virtual coordinates
extern float aspectWidth, aspectHeight;     // design area's size
// 0 no letterboxing; other values letterbox. Bit 1: clear the bars to the
// border colour and clip drawing to the design area. Bit 4: whole-number
// scale factors only. The game always uses 3.
extern int aspectMode;
extern int aspectBorderRed, aspectBorderGreen, aspectBorderBlue;

// The drawing-layer calls this module makes. The default forwards to the
// platform; tests put a fake display behind it.
class TDisplayDriver {
 public:
  virtual ~TDisplayDriver() = default;
  // depth 0 opens a window, 32 full screen; false when the mode cannot open.
  virtual bool graphics(int w, int h, int depth, int hertz, int flags);
  virtual int graphicsWidth();
  virtual int graphicsHeight();
  virtual void setVirtualResolution(float w, float h);
  virtual float virtualResolutionWidth();
  virtual float virtualResolutionHeight();
  virtual void setViewport(int x, int y, int w, int h);
  virtual void getViewport(int& x, int& y, int& w, int& h);
  virtual void setOrigin(float x, float y);
  virtual void getOrigin(float& x, float& y);
  virtual void setClsColor(int r, int g, int b);
  virtual void getClsColor(int& r, int& g, int& b);
  virtual void cls();
  virtual float virtualMouseX();
  virtual float virtualMouseY();
  virtual void moveVirtualMouse(float x, float y);
  // No graphics mode could be opened at all: says so and ends the process
  // with a failure status.
  virtual void fail(const char* message);
};

// nullptr puts the platform back.
void SetDisplayDriver(std::shared_ptr<TDisplayDriver> driver);
TDisplayDriver& displayDriver();

// Opens the graphics mode: a window (its size chosen from the desktop) when
// full is 0, else full screen at the desktop size (wide != 0) or at w x h,
// with fallbacks; then sets up the 1024 x 768 letterbox. False when no mode
// could be opened (the driver's fail has been called then).
bool openScreenASPECT(int w, int h, int full, int wide);

// The desktop size recorded once at start-up.
int _desktopWidth();
int _desktopHeight();

void SetAspectResolution(float width, float height, int mode);
// Kept with the letterbox's interface; nothing in the game calls these two.
void SwitchAspectMode(int mode);
void SetAspectColor(int r, int g, int b);
// Clears the bars to the border colour, then the design area.
void AspectCls();
// Origin and viewport given in design coordinates; kept with the letterbox's
// interface (the tests use them), nothing in the game calls them.
void SetAspectOrigin(float x, float y);
void GetAspectOrigin(float& x, float& y);
void SetAspectViewport(int x, int y, int w, int h);
void GetAspectViewport(int& x, int& y, int& w, int& h);
// The mouse in design coordinates.
float AspectMouseX();
float AspectMouseY();
// Kept with the letterbox's interface; nothing in the game calls these three.
void MoveAspectMouse(float x, float y);
float AspectResolutionWidth();
float AspectResolutionHeight();

}  // namespace sorvanta
