#pragma once
// The level file: a data file with the group level holding data (the level
// values) and tiles (one entry per row of cell strings). It holds a shipped
// puzzle and, as well, a level in progress with the player's marks.
#include <memory>
#include <string>

namespace sorvanta {

class TLevel;
class TRCMFile;

// Writes the level to path (atomically, through the data-file writer).
void SaveLevel(const std::shared_ptr<TLevel>& level, const std::string& path);
// Reads a level; never none. A file that cannot be read, or whose ruleset,
// size or cell size is out of range, is reported and gives a level without
// cells (hasCells() is 0), which is not to be played.
std::shared_ptr<TLevel> LoadLevel(const std::string& path);
// The same from a file already read (path names it in the reports).
std::shared_ptr<TLevel> LoadLevel(const TRCMFile& file, const std::string& path);

}  // namespace sorvanta
