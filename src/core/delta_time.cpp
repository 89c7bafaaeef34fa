#include "core/delta_time.h"

#include <algorithm>
#include <cstdint>

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

namespace {

// The clock wraps like a 32-bit counter after about 24 days: differences
// and sums are taken modulo 2^32 so that the wrap is one ordinary frame.
int WrapSub(int a, int b) {
  return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
int WrapAdd(int a, int b) {
  return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace

void TDeltaTime::Update() {
  CurrTime = MilliSecs();
  ElapsedTime = WrapSub(CurrTime, OldTime);
  OldTime = CurrTime;
  if (WrapSub(CheckTime, CurrTime) < 0) {
    CheckTime = WrapAdd(CurrTime, 1000);
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
