// Depth-sorted story sprites and the intro's figures.
#include "story/story_figures.h"

#include <algorithm>

#include "core/globals.h"
#include "gui/img.h"
#include "platform/clock.h"
#include "platform/trig.h"
#include "platform/video.h"

namespace sorvanta {

// 200 is the top of the flags' circle (centre 250, radius 50).
float TBO::depthScale(float y) { return 0.8f * (0.7f + 0.3f * (y - 200.0f) / 200.0f); }

void TBO::draw(float alpha) {
  const float k = depthScale(y) * s;
  SetScale(k, k);
  SetAlpha(alpha * a);
  DrawImg(img, x, y);
}

int sortFunc(const std::shared_ptr<TBO>& o1, const std::shared_ptr<TBO>& o2) {
  return static_cast<int>(o1->y - o2->y);
}

void sortByDepth(TBOList& buffer) {
  buffer.sort([](const auto& o1, const auto& o2) { return sortFunc(o1, o2) < 0; });
}

void TDruid::fadeStep(float rate) {
  if (a > da) {
    a -= rate * delta;
    if (a < da) a = 0;
  }
  if (a == 0) destroy();
}

void TDruid::update() {
  if (msPast(MilliSecs(), time)) {
    if (crowd && !crowd->listaDruidow.empty() && crowd->listaDruidow.back().get() == this) {
      if (startX == 0) startX = x;
      moveMe();
      return;
    }
    da = 0;
  }
  fadeStep(0.012f);
}

void TDruid::update2() { fadeStep(0.01f); }

void TDruid::moveMe() {
  x = static_cast<int>(startX + odlX * Sin(90.0 * p));
  p += 0.005f * delta;
  if (p > 1) {
    p = 1;
    if (crowd && crowd->scrollTime == 0) {
      const int now = MilliSecs();
      crowd->scrollTime = msAfter(now, 200);
      for (int i = 0; i < 4; ++i) crowd->flyScroll[i] = msAfter(now, 2000 * (i + 1));
    }
  }
}

void TDruid::destroy() {
  if (!crowd) return;
  auto& list = crowd->listaDruidow;
  auto it = std::find_if(list.begin(), list.end(), [this](const auto& d) { return d.get() == this; });
  if (it != list.end()) list.erase(it);
}

}  // namespace sorvanta
