#pragma once
// What the level tool needs of the game before it reads or writes a level:
// the cell, piece and colour tables of an asset folder, and the lines the
// game's reader prints.
#include <functional>
#include <string>
#include <vector>

namespace sorvanta {

// Points the resource prefix at assetsDir and loads the cell images, the
// picture pieces and the colours from it, as the loading screen does.
void LoadLevelTables(const std::string& assetsDir);
// The asset folder of the last LoadLevelTables, ending in "/".
const std::string& LevelAssetsDir();

// Runs fn and returns the lines it printed on standard output.
std::vector<std::string> CapturePrinted(const std::function<void()>& fn);

}  // namespace sorvanta
