#pragma once
// The validator: proves a level file fair, naming the rule of each failure.
#include <string>
#include <vector>

namespace sorvanta {

struct Finding {
  std::string rule;      // short name, e.g. "line-solve"
  std::string message;   // what is wrong, and where
  bool warning = false;  // reported, but the level passes
};

struct LevelReport {
  std::string path;
  std::vector<Finding> findings;
  double ms = 0;     // time taken to check the level
  int effort = -1;   // Picross: FirstSweepUndecided of its clues; -1 otherwise
  bool failed() const;
};

// Checks one level file; the tables must be loaded (LoadLevelTables).
LevelReport CheckLevelFile(const std::string& path);

// Every ".lvl" file under root, sorted.
std::vector<std::string> FindLevelFiles(const std::string& root);

}  // namespace sorvanta
