#pragma once
// The screen base class. Every screen is one long-lived instance of a class
// derived from TEkran and runs its own loop (through
// runScreenLoop, core/screen_loop.h):
//   prepare (ramps, own state, then _prepareDelta())
//   repeat Cls(); _updateBeforeSystem(); _updateSystem(); update(); draw();
//   myFlip(0); act on clicked widgets
//   until the ramps reach the targets the choice set; return wynik.
// The loop runs the system step (timer and delta, mouse, quit keys, full
// screen, sound) just before update(), which then runs _updateFade(),
// _updateAlpha(), _updateGui() and its own work; draw() ends with _drawGUI()
// and _drawFade().
#include <functional>
#include <memory>
#include <string>

namespace sorvanta {

class TGui;

class TEkran : public std::enable_shared_from_this<TEkran> {
 public:
  TEkran() = default;
  virtual ~TEkran() = default;
  TEkran(const TEkran&) = delete;
  TEkran& operator=(const TEkran&) = delete;

  std::string id;
  int _exit = 0;
  std::shared_ptr<TGui> gui;
  float fade = 0.0f;     // opacity of the black cover, 0..1
  float dFade = 0.0f;    // target of fade
  float fSpeed = 0.05f;  // step of fade per unit of delta
  float alpha = 0.0f;    // opacity given to the widgets
  float dAlpha = 0.0f;   // target of alpha
  float aSpeed = 0.075f; // step of alpha per unit of delta
  std::string wynik;     // the screen's result: the next state

  // The set-up hook, run once during loading. Screens override setup();
  // Setup() is the same call under its other name.
  virtual void setup() {}
  void Setup() { setup(); }

  virtual void _drawMouse() {}
  virtual void _drawGUI();
  virtual void _drawFade();
  virtual void draw() {}
  virtual void _updateGui();
  virtual void _updateFade();
  virtual void _updateAlpha();
  virtual void update() {}
  virtual void _prepareDelta();
  // What a screen must do before the frame's system step, which the loop
  // runs between this and update(); most screens need nothing here.
  virtual void _updateBeforeSystem() {}
};

// A screen's layout lives in the gui layer above; the screen base draws and
// updates it through these, which the start-up binds. Unbound, a layout is
// neither drawn nor updated.
struct TLayoutBindings {
  std::function<void(TGui&)> draw;
  // One frame of the layout, its widgets then given the screen's alpha.
  std::function<void(TGui&, float alpha)> update;
};
void bindScreenLayout(TLayoutBindings bindings);

// Moves value toward target by speed * delta and lands exactly on it.
void rampToward(float& value, float target, float speed);

}  // namespace sorvanta
