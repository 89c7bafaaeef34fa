#pragma once
// What a folder holds, a file's size, and moving a file aside: for finding
// a player's files again when the list that names them is damaged.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sorvanta {

// The names in folder, "." and ".." left out, sorted; none when the folder
// cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder);
// The size of the regular file at path (links followed), without reading
// it; none for anything else.
std::optional<std::uintmax_t> FileSize(const std::string& path);
// Renames from to to, never over something already at to. False, errno the
// cause, when it could not.
bool MoveAside(const std::string& from, const std::string& to);
// Test hook: called before each move; returning true makes it fail, with the
// errno the hook set (EIO when it set none). Pass nullptr to remove it.
void SetMoveAsideFaultForTests(std::function<bool()> fault);

}  // namespace sorvanta
