#pragma once
// Shared inside the validator: a level file as stored, cell strings split,
// and the rule sets of the two rulesets.
#include <memory>
#include <string>
#include <vector>

#include "leveltool/level_check.h"

namespace sorvanta {

class TLevel;
class TRCMFile;

struct StoredLevel {
  std::shared_ptr<TRCMFile> file;  // the file as read
  std::shared_ptr<TLevel> level;   // the file read and laid out by the game
  int rows = 0, cols = 0;
  std::vector<std::vector<std::string>> cells;  // row-major pieces of each cell string
  const std::vector<std::string>& at(int r, int c) const { return cells[r * cols + c]; }
};

class Findings {
 public:
  explicit Findings(std::vector<Finding>& out) : out_(out) {}
  void fail(const std::string& rule, const std::string& message) { out_.push_back({rule, message, false}); }
  void warn(const std::string& rule, const std::string& message) { out_.push_back({rule, message, true}); }

 private:
  std::vector<Finding>& out_;
};

std::string CellName(int r, int c);

// Returns the level's solving effort (FirstSweepUndecided), -1 without a picture.
int CheckPicross(const StoredLevel& stored, Findings& findings);
void CheckFill(const StoredLevel& stored, Findings& findings);

// The screen rectangle a laid-out board covers with its clues and frame.
struct BoardExtent {
  float left = 0, top = 0, right = 0, bottom = 0;
};
BoardExtent ExtentOf(const TLevel& level);
// The rectangle of the cells alone.
BoardExtent CellsOf(const TLevel& level);

}  // namespace sorvanta
