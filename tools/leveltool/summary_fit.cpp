// The summary figure: a won board, zoomed by the play screen, inside the
// summary frame's opening and above the level's name.
#include "leveltool/summary_fit.h"

#include <algorithm>
#include <climits>

#include "core/globals.h"
#include "leveltool/level_check_parts.h"
#include "leveltool/level_tables.h"
#include "platform/pixmap.h"
#include "puzzle/board/level.h"
#include "puzzle/board/level_file.h"
#include "puzzle/play/main_game.h"

namespace sorvanta {

namespace {

// The summary draws its panel centred here and the name from this line down.
constexpr int kPanelX = 512, kPanelY = 410, kNameTop = 540;
// A won board rests about here; the opening is measured outward from it.
constexpr int kRestX = 512, kRestY = 350;

// The opening is dusk blue; it ends where the frame's gold (red over blue)
// begins. rgba: the pixel's bytes, red first.
bool isRim(const std::uint8_t* rgba) { return rgba[3] > 128 && rgba[0] > rgba[2] + 20; }

}  // namespace

SummaryOpening MeasureSummaryOpening() {
  const auto panel = LoadPixmap(LevelAssetsDir() + "gfx/gui/levelSummary/panel.png");
  if (!panel) return {};
  const int ox = kPanelX - panel->width() / 2, oy = kPanelY - panel->height() / 2;
  const int cx = kRestX - ox, cy = kRestY - oy;
  auto walk = [&](int dx, int dy) {
    int x = cx, y = cy;
    while (x > 0 && y > 0 && x < panel->width() - 1 && y < panel->height() - 1 && !isRim(panel->row(y) + x * 4)) {
      x += dx;
      y += dy;
    }
    return dx ? x : y;
  };
  return {walk(-1, 0) + 1 + ox, walk(0, -1) + 1 + oy, walk(1, 0) + ox, walk(0, 1) + oy};
}

SummaryFit FitInSummary(const std::string& path, const SummaryOpening& opening) {
  std::shared_ptr<TLevel> level;
  CapturePrinted([&] { level = LoadLevel(path); });
  if (!level || !level->hasCells()) return {};
  TMainGame game;
  game.level = level;
  const float saved = delta;
  delta = 1;
  CapturePrinted([&] {
    game.WINNormal();
    game.winTime = INT_MAX;  // the zoom alone: the summary itself never opens
    for (int frame = 0; frame < 1000 && game.wP < 1.0f; ++frame) game._update_WIN();
  });
  delta = saved;
  const BoardExtent e = CellsOf(*level);
  SummaryFit fit{e.left, e.top, e.right, e.bottom, 0};
  fit.margin = static_cast<int>(std::min({e.left - opening.left, e.top - opening.top,
                                          static_cast<float>(opening.right) - e.right,
                                          static_cast<float>(std::min(opening.bottom, kNameTop)) - e.bottom}));
  return fit;
}

}  // namespace sorvanta
