#pragma once
// One tutorial tip as the rest of the game sees it: its id and the tutorial
// level it belongs to. The tutorial owns these objects; a player's pending
// list holds the same objects, not copies.
#include <memory>
#include <string>

namespace sorvanta {

class TTutorialTip {
 public:
  virtual ~TTutorialTip() = default;
  std::string id;       // compared ignoring letter case
  int numerLevelu = 0;  // the tutorial level; 0 for the tips not tied to a level
};

}  // namespace sorvanta
