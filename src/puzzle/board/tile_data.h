#pragma once
// Picture pieces of the Picross ruleset ("data/atiles.dat") and the loading
// of the cell images both rulesets share.
#include <array>
#include <list>
#include <memory>

namespace sorvanta {

class TImage;

// One piece of a Picross picture: an id the level files name and its image
// at each of the five cell sizes, handles centred.
class TTileData {
 public:
  virtual ~TTileData() = default;
  int id = 0;
  std::array<std::shared_ptr<TImage>, 5> img;
};

// The pieces in file order.
extern std::list<std::shared_ptr<TTileData>> tilesData;

// Loads the Fill cell's empty images, then LoadTilesData. Loading phase 2.
void setupTiles();
// Loads the Picross cell's cross and empty images and the pieces into a new
// tilesData. A missing table gives no pieces.
void LoadTilesData();
// The first piece with that id; none when there is none.
std::shared_ptr<TTileData> getTileDataById(int id);

}  // namespace sorvanta
