#include "core/delta_time.h"

#include <algorithm>

#include "core/globals.h"
#include "platform/clock.h"
#include "platform/input.h"

namespace sorvanta {

std::shared_ptr<TDeltaTime> deltaTime;

std::list<std::shared_ptr<TDeltaTime>>& TDeltaTime::DeltaTList() {
  static std::list<std::shared_ptr<TDeltaTime>> timers;
  return timers;
}

std::shared_ptr<TDeltaTime> TDeltaTime::Create(float fps) {
  auto timer = std::make_shared<TDeltaTime>();
  timer->SetFPS(fps);
  DeltaTList().push_back(timer);
  return timer;
}

void TDeltaTime::Destroy() {
  DeltaTList().remove_if([this](const std::shared_ptr<TDeltaTime>& t) { return t.get() == this; });
}

void TDeltaTime::Update() {
  CurrTime = MilliSecs();
  ElapsedTime = msSince(CurrTime, OldTime);
  OldTime = CurrTime;
  if (msPast(CurrTime, CheckTime, 1000)) {
    CheckTime = msAfter(CurrTime, 1000);
    CurrFps = FPSCounter;
    FPSCounter = 0;
  } else {
    FPSCounter += 1;
  }
}

float TDeltaTime::CurrDelta() const {
  // Without a target rate there is no frame length to measure against.
  if (dDelta <= 0.0f) return 0.0f;
  return static_cast<float>(ElapsedTime) / dDelta;
}

void TDeltaTime::SetFPS(float fps) {
  dFps = fps;
  dDelta = fps != 0.0f ? 1000.0f / dFps : 0.0f;
}

void deltaUpdate() {
  if (deltaTime) {
    deltaTime->Update();
    delta = deltaTime->CurrDelta();
  }
  PollSystem();
}

}  // namespace sorvanta
