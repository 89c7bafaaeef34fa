#pragma once
// The frame timer and the global frame factor `delta` (1.0 at the target
// rate): every per-frame speed of the game is multiplied by delta.
#include <list>
#include <memory>

namespace sorvanta {

class TDeltaTime {
 public:
  int OldTime = 0;      // clock reading of the previous update, ms
  int ElapsedTime = 0;  // ms between the last two updates
  float dFps = 0.0f;    // target frame rate
  float dDelta = 0.0f;  // ms of one target frame
  int CurrFps = 0;      // frames counted in the last completed second
  int FPSCounter = 0;   // frames counted in the running second
  int CurrTime = 0;     // clock reading of the last update
  int CheckTime = 0;    // clock time at which the running second ends

  // Every timer ever created, in creation order.
  static std::list<std::shared_ptr<TDeltaTime>>& DeltaTList();

  static std::shared_ptr<TDeltaTime> Create(float fps);
  // Takes the timer out of DeltaTList; kept with the timer's interface, though
  // nothing in the game calls it.
  void Destroy();
  void Update();
  int FPS() const { return CurrFps; }
  // Elapsed time in target frames; 0 while no target rate is set.
  float CurrDelta() const;
  void SetFPS(float fps);
};

extern std::shared_ptr<TDeltaTime> deltaTime;

// One timer step: deltaTime->Update(), delta = CurrDelta(), PollSystem().
void deltaUpdate();

}  // namespace sorvanta
