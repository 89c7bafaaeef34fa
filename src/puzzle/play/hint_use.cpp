// Using a hint: the icon's hover and charge, its use and give-back, and the
// Picross sparks it sends.
#include <algorithm>
#include <vector>

#include "core/globals.h"
#include "gui/mouse.h"
#include "platform/image.h"
#include "platform/random.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/flying_hints.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "puzzle/board/player_link.h"
#include "puzzle/board/ruleset.h"
#include "sound/global_snd.h"

namespace sorvanta {

int THint::over() {
  if (myLoad < dMyLoad) myLoad = std::min(dMyLoad, myLoad + 0.01f * delta);
  a = std::max(0.0f, a - 0.02f * delta);
  if (!img[0]) return 0;
  const int w = ImageWidth(img[0]), h = ImageHeight(img[0]);
  return mouse->inRect(x - static_cast<float>(w / 2), y - static_cast<float>(h / 2), static_cast<float>(w),
                       static_cast<float>(h));
}

void THint::use() {
  a = 1;
  t = 1;
  myLoad = 0;
  dMyLoad = 0;
  if (PlayerTryb(kRulesetFill) != kRulesetFill && globalSnd) globalSnd->playMySound("hint");
}

void THint::Reuse() {
  a = 0;
  t = 0;
}

void THint::Fly(const std::shared_ptr<TLevel>& level) {
  for (int i = 0; i < 2; ++i) {
    int corner = Rand(0, 3);
    while (corner == last) corner = Rand(0, 3);
    last = corner;
    CreateFlyingHint(level, corner);
  }
}

void THint::CreateFlyingHint(const std::shared_ptr<TLevel>& level, int corner) {
  if (!level) return;
  std::vector<std::shared_ptr<TATile>> candidates;
  for (const auto& t : level->atiles.all()) {
    if (!t || t->odkryte) continue;
    // No two sparks head for one cell.
    const bool targeted = std::any_of(flyingHints.begin(), flyingHints.end(),
                                      [&](const auto& f) { return f && f->docelowyTile == t; });
    if (!targeted) candidates.push_back(t);
  }
  if (candidates.empty()) return;
  const auto cell = candidates[static_cast<size_t>(Rand(0, static_cast<int>(candidates.size()) - 1))];
  auto spark = std::make_shared<TFlyingHint>();
  spark->docelowyTile = cell;
  spark->x1 = spark->x = x;
  spark->y1 = spark->y = y;
  spark->x2 = static_cast<float>(cell->x);
  spark->y2 = static_cast<float>(cell->y);
  spark->mx = corner >= 2 ? 1024.0f : 0.0f;
  spark->my = corner % 2 == 1 ? 768.0f : 0.0f;
  flyingHints.push_back(spark);
}

}  // namespace sorvanta
