#pragma once
// The catalogue's stages and levels: what a campaign holds, where each stage
// stands on the map, and the marker's animation state that the map keeps on
// the same objects for the whole run.
#include <list>
#include <memory>
#include <string>

namespace sorvanta {

class TImage;
class TImg;

// One level of a stage.
class TLevelData {
 public:
  virtual ~TLevelData() = default;
  int id = 0;       // position in its stage, from 1
  std::string url;  // level file, relative to the resource folder
  int unlocked = 0; // copies of the player's state, refreshed by the stage screen
  int played = 0;
  int numer = 0;    // running number across the whole campaign, from 1
};

class TStage {
 public:
  virtual ~TStage() = default;
  // From the catalogue, fixed after loading.
  int id = 0;
  std::list<std::shared_ptr<TLevelData>> levels;
  int x = 0, y = 0;               // centre of the map marker
  std::shared_ptr<TImg> img;      // marker, handle centred
  std::shared_ptr<TImg> overImg;  // marker under the mouse, handle centred
  std::string title;
  int titleAddY = 0;
  std::shared_ptr<TImage> preview;  // handle at the top-left corner
  // The map marker's state during this run.
  int unlocked = 0;
  float unlockPer = 0, dUnlockPer = 0;
  int timex = 0;  // clock time of the next particle burst
  float rot = 0;
  float rotPart = 51.0f;
  int soundWas = 0;
};

}  // namespace sorvanta
