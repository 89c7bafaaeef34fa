#pragma once
// The lists that hold live effects, when their bursts are due and the curve
// every effect moves on.
#include <algorithm>
#include <list>
#include <memory>

#include "platform/clock.h"
#include "platform/trig.h"

namespace sorvanta {

// An effect ends by removing itself from its list; the list owns it.
template <typename T>
using TEffectList = std::list<std::shared_ptr<T>>;

// Calls step on every element in list order. An element may remove itself
// (and new elements may be appended) during its step: the pass has already
// moved on and holds the element until its step returns.
template <typename T, typename Step>
void forEachEffect(TEffectList<T>& list, Step step) {
  for (auto it = list.begin(); it != list.end();) {
    const std::shared_ptr<T> item = *it;
    ++it;
    if (item) step(*item);
  }
}

// Removes the element from the list, if it is there. Effects end oldest
// first, so the search is short.
template <typename T>
void removeEffect(TEffectList<T>& list, const T* item) {
  auto it = std::find_if(list.begin(), list.end(), [item](const std::shared_ptr<T>& p) { return p.get() == item; });
  if (it != list.end()) list.erase(it);
}

// For "after deadline" bursts whose deadline starts at 0: due at once.
inline bool burstDue(int now, int deadline) { return deadline == 0 || msPast(now, deadline); }

// The quadratic curve from p1 through control pm to p2 at t.
inline float curvePoint(float p1, float pm, float p2, float t) {
  return (p2 - 2 * pm + p1) * t * t + 2 * (pm - p1) * t + p1;
}
// Eased progress: fast at the start, slowing into the end.
inline float easeOut(float per) { return static_cast<float>(Sin(90.0 * per)); }

}  // namespace sorvanta
