#pragma once
// Shared set-up of the puzzle tests: an in-memory colour table and piece
// table, stub cell images of a chosen size, and a play screen holding the
// level (the snapshot around every test puts the globals back).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/globals.h"
#include "gui/img.h"
#include "gui/my_font.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/color.h"
#include "puzzle/board/level.h"
#include "puzzle/board/number.h"
#include "puzzle/board/tile.h"
#include "puzzle/board/tile_data.h"
#include "puzzle/puzzle_play.h"
#include "support/stdout_lines.h"

namespace sorvanta::test {

inline std::shared_ptr<TImg> StubImg(int w, int h) {
  auto img = std::make_shared<TImg>();
  img->w = w;
  img->h = h;
  return img;
}

inline std::shared_ptr<TImage> StubImage(int w, int h) { return LoadImage(CreatePixmap(w, h)); }

// Cells w x h for the Fill and Picross layouts; the Picross empty image, which
// measures the clue margins, may differ (clueW x clueH).
inline void SetCellImages(int w, int h, int clueW = 0, int clueH = 0) {
  for (int s = 0; s < 5; ++s) {
    TTile::empty[s] = StubImg(w, h);
    TATile::empty[s] = StubImage(clueW ? clueW : w, clueH ? clueH : h);
    TATile::xImg[s] = StubImage(w, h);
  }
}

// A Fill level of rows x cols fresh cells, not laid out.
inline std::shared_ptr<TLevel> MakeFillLevel(int rows, int cols) {
  auto level = std::make_shared<TLevel>();
  level->rows = rows;
  level->cols = cols;
  level->scale = 1;
  level->tile.reset(rows, cols);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      auto cell = std::make_shared<TTile>();
      cell->_level = level;
      cell->r = r;
      cell->c = c;
      level->tile.set(r, c, cell);
    }
  return level;
}

// A Picross level from rows of '#' (a picture cell of piece 7) and '.'
// (an empty cell), clues built, not laid out.
inline std::shared_ptr<TLevel> MakePicrossLevel(const std::vector<std::string>& pattern) {
  auto level = std::make_shared<TLevel>();
  level->tryb = 1;
  level->scale = 1;
  level->rows = static_cast<int>(pattern.size());
  level->cols = pattern.empty() ? 0 : static_cast<int>(pattern[0].size());
  level->atiles.reset(level->rows, level->cols);
  for (int r = 0; r < level->rows; ++r)
    for (int c = 0; c < level->cols; ++c) {
      auto cell = std::make_shared<TATile>();
      cell->_level = level;
      cell->r = r;
      cell->c = c;
      if (pattern[r][c] == '#') cell->td = getTileDataById(7);
      level->atiles.set(r, c, cell);
    }
  level->COUNT_Numbers();
  return level;
}

// The piece and colour tables, clue digits and mark fonts from bDir, as the
// game loads them.
inline void LoadBoardArt() {
  StdoutLines([] {
    setupTiles();
    setupColors();
  });
  TNumber::loadFonts();
  const int markSizes[] = {32, 28, 24, 18, 14};
  for (int s = 0; s < 5; ++s) TATile::font2[s] = myLoadImageFont(bDir + "gfx/fonts/font2.ttf", markSizes[s]);
}

class PuzzleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    colorsList.clear();
    for (int id = 1; id <= 9; ++id) {
      auto color = std::make_shared<TColor>();
      color->id = id;
      colorsList.push_back(color);
    }
    tilesData.clear();
    for (int id : {7, 12}) {
      auto piece = std::make_shared<TTileData>();
      piece->id = id;
      tilesData.push_back(piece);
    }
    SetCellImages(40, 40);
    mainGame = std::make_shared<TMainGame>();
  }
  static std::shared_ptr<TColor> Color(int id) { return getColorById(id); }
};

}  // namespace sorvanta::test
