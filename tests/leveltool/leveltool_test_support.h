#pragma once
// Shared set-up of the level tool tests: the real tables of the repository's
// assets (restored afterwards), and levels written from source text.
#include <string>

#include "../puzzle/puzzle_test_support.h"
#include "leveltool/level_source.h"
#include "leveltool/level_tables.h"
#include "support/temp_folder.h"

namespace sorvanta::test {

inline const std::string kAssets = std::string(SORVANTA_SOURCE_DIR) + "/assets/";

class LevelToolTest : public PuzzleTest {
 protected:
  void SetUp() override {
    PuzzleTest::SetUp();
    LoadLevelTables(kAssets);
  }
  // Writes the level of a source to name in the test's folder.
  std::string Write(const std::string& source, const std::string& name = "l.lvl") {
    const std::string path = dir_ / name;
    WriteLevel(ParseLevelSource(source, name), path);
    return path;
  }
  TempFolder dir_;
};

}  // namespace sorvanta::test
