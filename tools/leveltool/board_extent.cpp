// The screen extent of a laid-out board: the cells, the clue numbers of a
// Picross board and the frame the play screen draws around either board.
#include <algorithm>
#include <map>
#include <string>

#include "gui/img.h"
#include "leveltool/level_check_parts.h"
#include "leveltool/level_tables.h"
#include "platform/image.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/level.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

namespace {

struct Size {
  float w = 0, h = 0;
};

Size imageSize(const std::string& file) {
  static std::map<std::string, Size> cache;
  const std::string path = LevelAssetsDir() + "gfx/gui/game/" + file;
  auto it = cache.find(path);
  if (it != cache.end()) return it->second;
  auto image = LoadImage(path);
  Size size{image ? static_cast<float>(image->width()) : 0.0f, image ? static_cast<float>(image->height()) : 0.0f};
  return cache[path] = size;
}

// The window frame hangs its corners and edges outside the rectangle it is
// drawn around; the rectangle lies 11 (10) px inside the grid's edges.
BoardExtent picrossCells(const TLevel& level) {
  auto first = level.atiles.get(0, 0), last = level.atiles.get(level.rows - 1, level.cols - 1);
  const float s = level.scale, hw = level.tileW * 0.5f * s, hh = level.tileH * 0.5f * s;
  return {first->x - hw, first->y - hh, last->x + hw, last->y + hh};
}

BoardExtent fillCells(const TLevel& level) {
  const float s = level.scale, hw = level.tileW / 2, hh = level.tileH / 2;
  return {level.drawX - hw * s, level.drawY - hh * s, level.drawX + (level.width - hw) * s,
          level.drawY + (level.height - hh) * s};
}

BoardExtent picrossExtent(const TLevel& level) {
  auto first = level.atiles.get(0, 0), last = level.atiles.get(level.rows - 1, level.cols - 1);
  const float hw = level.tileW * 0.5f * level.scale, hh = level.tileH * 0.5f * level.scale;
  BoardExtent e = picrossCells(level);
  const float fx = static_cast<float>(first->x - static_cast<int>(level.tileW * 0.5f) + 11);
  const float fy = static_cast<float>(first->y - static_cast<int>(level.tileH * 0.5f) + 10);
  const float fr = last->x + level.tileW / 2 - 10, fb = last->y + level.tileH / 2 - 10;
  e.left = std::min(e.left, fx - std::max({imageSize("frame/okno_lg.png").w, imageSize("frame/okno_l.png").w,
                                           imageSize("frame/okno_ld.png").w}));
  e.top = std::min(e.top, fy - std::max({imageSize("frame/okno_lg.png").h, imageSize("frame/okno_g.png").h,
                                         imageSize("frame/okno_pg.png").h}));
  e.right = std::max(e.right, fr + std::max({imageSize("frame/okno_pg.png").w, imageSize("frame/okno_p.png").w,
                                             imageSize("frame/okno_pd.png").w}));
  e.bottom = std::max(e.bottom, fb + std::max({imageSize("frame/okno_ld.png").h, imageSize("frame/okno_d.png").h,
                                               imageSize("frame/okno_pd.png").h}));
  // The farthest clue is centred a whole margin from the first cell; its
  // digits reach at most half a cell further.
  e.left = std::min(e.left, level.drawX - level.numWidth - hw);
  e.top = std::min(e.top, level.drawY - level.numHeight - hh);
  return e;
}

// The ornate frame: corners with handles (29, 29), (53, 29), (29, 53),
// (53, 53) on the board's corners, ornaments 5 px outside each side.
BoardExtent fillExtent(const TLevel& level) {
  BoardExtent e = fillCells(level);
  const float L = e.left, T = e.top, R = e.right, B = e.bottom;
  e.left = std::min({e.left, L - 29, L - 5 - imageSize("frame_ornament_l.png").w});
  e.top = std::min({e.top, T - 29, T - 5 - imageSize("frame_ornament_u.png").h});
  e.right = std::max({e.right, R - 1 - 53 + imageSize("frame_RU.png").w, R + 5 + imageSize("frame_ornament_r.png").w});
  e.bottom =
      std::max({e.bottom, B - 1 - 53 + imageSize("frame_LD.png").h, B + 5 + imageSize("frame_ornament_d.png").h});
  return e;
}

}  // namespace

BoardExtent CellsOf(const TLevel& level) {
  if (level.rows < 1 || level.cols < 1) return {};
  return level.tryb == 1 ? picrossCells(level) : fillCells(level);
}

BoardExtent ExtentOf(const TLevel& level) {
  if (level.rows < 1 || level.cols < 1) return {};
  return level.tryb == kRulesetPicross ? picrossExtent(level) : fillExtent(level);
}

}  // namespace sorvanta
