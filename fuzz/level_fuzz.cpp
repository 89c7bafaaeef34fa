// Reads arbitrary bytes as a level file, lays the level out, plays a little
// on it, writes it back and reads that again.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "gui/img.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/color.h"
#include "puzzle/board/level.h"
#include "puzzle/board/level_file.h"
#include "puzzle/board/number.h"
#include "puzzle/board/tile.h"
#include "puzzle/board/tile_data.h"

using namespace sorvanta;

namespace {

// Tables and cell images made in memory: colours 1..19, pieces 1..9, 40 px
// cells.
void setUpTables() {
  static bool done = false;
  if (done) return;
  done = true;
  for (int id = 1; id < kColorIdLimit; ++id) {
    auto color = std::make_shared<TColor>();
    color->id = id;
    colorsList.push_back(color);
  }
  for (int id = 1; id <= 9; ++id) {
    auto piece = std::make_shared<TTileData>();
    piece->id = id;
    tilesData.push_back(piece);
  }
  for (int s = 0; s < 5; ++s) {
    auto img = std::make_shared<TImg>();
    img->w = img->h = 40 - 5 * s;
    TTile::empty[s] = img;
    TATile::empty[s] = LoadImage(CreatePixmap(img->w, img->h));
    TATile::xImg[s] = TATile::empty[s];
  }
}

bool writeFile(const std::string& path, const uint8_t* data, size_t size) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool ok = std::fwrite(data, 1, size, out) == size;
  return std::fclose(out) == 0 && ok;
}

void play(TLevel& level) {
  level.COUNT_Dims();
  level.COUNT_Position();
  if (level.tryb == 0) {
    if (auto cell = level.tile.get(0, 0)) cell->Resolve();
    level.ResolveTrelmoTiles(level.rows - 2, level.cols - 2, 3, 3);
    level.COUNT_UserPutColorNumber();
    for (const auto& color : level.availableColors) (void)color->IsDone(level);
  } else {
    for (const auto& row : level.numberRows) row->update();
    for (const auto& col : level.numberCols) col->update();
    level.COUNT_Dif(1);
    level.COUNT_Position2(0.5f);
    (void)level.rowClear(level.rows - 1);
    (void)level.colClear(level.cols);
  }
  level.AddHintPower();
  (void)level.getUnloadedHint();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  setUpTables();
  const std::string base = "/tmp/sorvanta-level-fuzz-" + std::to_string(getpid());
  if (!writeFile(base + ".lvl", data, size)) return 0;
  auto level = LoadLevel(base + ".lvl");
  play(*level);
  SaveLevel(level, base + "-out.lvl");
  auto again = LoadLevel(base + "-out.lvl");
  play(*again);
  unlink((base + ".lvl").c_str());
  unlink((base + "-out.lvl").c_str());
  return 0;
}
