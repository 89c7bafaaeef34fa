// Loading of the picture pieces and of the cell images.
#include "puzzle/board/tile_data.h"

#include <string>

#include "core/globals.h"
#include "formats/rcm_file.h"
#include "gui/img.h"
#include "platform/image.h"
#include "platform/strings.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/tile.h"

namespace sorvanta {

std::list<std::shared_ptr<TTileData>> tilesData;

void setupTiles() {
  for (int s = 0; s < 5; ++s)
    TTile::empty[s] = LoadImg2(bDir + "gfx/tiles/empty" + std::to_string(s) + ".png", -1);
  for (int s = 0; s < 5; ++s) MidHandleImg(TTile::empty[s]);
  LoadTilesData();
}

void LoadTilesData() {
  auto file = loadRCMFile(bDir + "data/atiles.dat");
  for (int s = 0; s < 5; ++s) {
    TATile::xImg[s] = LoadImage(bDir + "gfx/tiles/x" + std::to_string(s) + ".png", -1);
    TATile::empty[s] = LoadImage(bDir + "gfx/tiles/empty" + std::to_string(s) + ".png", -1);
  }
  for (int s = 0; s < 5; ++s) {
    MidHandleImage(TATile::xImg[s]);
    MidHandleImage(TATile::empty[s]);
  }
  tilesData.clear();
  const int n = FloatToInt(file->getFloat("tiles::i", 0, 0));
  for (int k = 1; k <= n; ++k) {
    const std::string key = "tiles::tile" + std::to_string(k) + "::";
    auto piece = std::make_shared<TTileData>();
    piece->id = FloatToInt(file->getFloat(key + "id", 0, 0));
    for (int s = 0; s < 5; ++s) {
      const std::string path = file->getString(key + "gfx" + std::to_string(s), 0);
      // An image that cannot be read stays an empty slot that draws nothing.
      if (!path.empty()) piece->img[s] = LoadImage(bDir + path, -1);
      MidHandleImage(piece->img[s]);
    }
    tilesData.push_back(piece);
  }
}

std::shared_ptr<TTileData> getTileDataById(int id) {
  for (const auto& piece : tilesData)
    if (piece && piece->id == id) return piece;
  return nullptr;
}

}  // namespace sorvanta
