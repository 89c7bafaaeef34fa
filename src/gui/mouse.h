#pragma once
// The mouse as the game reads it: the pointer in design coordinates and the
// state of three buttons, taken once per frame by update(). A handler that
// acts on a click calls clear() so that no later handler in the same frame
// acts on it again.
#include <memory>

#include "gui/gui_types.h"

namespace sorvanta {

class TImage;

class TMouse {
 public:
  virtual ~TMouse() = default;

  float x = 0.0f;  // pointer in design coordinates
  float y = 0.0f;
  int _v = 0;      // 1 while the system pointer is hidden for the custom cursor
  int leftPressed = 0;  // presses since the previous update
  int rightPressed = 0;
  int midPressed = 0;
  int leftHolded = 0;   // 1 while the button is down
  int rightHolded = 0;
  int midHolded = 0;

  // The custom pointer picture, its handle on the pointer's hot spot.
  static std::shared_ptr<TImage> img;

  virtual void clear();
  virtual void update();
  // Draws the custom pointer when it is loaded, the setting is on and the
  // pointer is over the window.
  virtual void draw();
  virtual int inDim(const TDim& d);
  // Edges included: rx <= x <= rx + rw and ry <= y <= ry + rh.
  virtual int inRect(float rx, float ry, float rw, float rh);
};

extern std::shared_ptr<TMouse> mouse;

}  // namespace sorvanta
