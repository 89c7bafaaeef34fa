// The folders of src/ form layers that include one way only: a folder may
// include itself and the folders listed for it, nothing else. The folders of
// src/puzzle/ are layers of their own inside the puzzle layer; from outside,
// the puzzle layer is one. The same tables stand in docs/architecture.md.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The allowed folder edges, as docs/architecture.md shows them: the layers
// from the lowest up, each above every folder it may include.
const std::map<std::string, std::set<std::string>> kAllowed = {
    {"platform", {}},
    {"formats", {"platform"}},
    {"core", {"platform", "formats"}},
    {"gui", {"platform", "formats", "core"}},
    {"sound", {"platform", "formats", "core", "gui"}},
    {"effects", {"platform", "formats", "core", "gui", "sound"}},
    {"puzzle/fill", {"platform", "formats", "core"}},
    {"puzzle/picross", {"platform", "formats", "core"}},
    {"puzzle/board",
     {"platform", "formats", "core", "gui", "sound", "effects", "puzzle/fill", "puzzle/picross"}},
    {"puzzle/play",
     {"platform", "formats", "core", "gui", "sound", "effects", "puzzle/fill", "puzzle/picross",
      "puzzle/board"}},
    {"puzzle/tutorial",
     {"platform", "formats", "core", "gui", "sound", "effects", "puzzle/fill", "puzzle/picross",
      "puzzle/board", "puzzle/play"}},
    {"puzzle",
     {"platform", "formats", "core", "gui", "sound", "effects", "puzzle/fill", "puzzle/picross",
      "puzzle/board", "puzzle/play", "puzzle/tutorial"}},
    {"campaign", {"platform", "formats", "core", "gui", "sound", "effects", "puzzle"}},
    {"screens", {"platform", "formats", "core", "gui", "sound", "effects", "puzzle", "campaign"}},
    {"map",
     {"platform", "formats", "core", "gui", "sound", "effects", "puzzle", "campaign", "screens"}},
    {"story",
     {"platform", "formats", "core", "gui", "sound", "effects", "puzzle", "campaign", "screens",
      "map"}},
    {"app",
     {"platform", "formats", "core", "gui", "sound", "effects", "puzzle", "campaign", "screens",
      "map", "story"}},
};

struct Include {
  std::string file;  // relative to src/
  int line;
  std::string from, to;
};

// The layer a file or an include path belongs to: its first folder, or its
// first two inside puzzle/.
std::string layerOf(const fs::path& path) {
  auto part = path.begin();
  const std::string top = part->string();
  if (top != "puzzle") return top;
  ++part;
  if (part == path.end() || std::next(part) == path.end()) return top;
  return top + "/" + part->string();
}

// Every #include "folder/..." of every file under src/, by layer.
std::vector<Include> includesUnder(const fs::path& src) {
  static const std::regex kInclude(R"re(^\s*#\s*include\s*"([A-Za-z0-9_]+/[A-Za-z0-9_./]+)")re");
  std::vector<Include> found;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), src);
    if (relative.begin() == relative.end() || std::next(relative.begin()) == relative.end())
      continue;  // main.cpp and other files at the top stand above every layer
    const std::string from = layerOf(relative);
    std::ifstream in(entry.path());
    std::string text;
    std::smatch match;
    for (int line = 1; std::getline(in, text); ++line) {
      if (!std::regex_search(text, match, kInclude)) continue;
      std::string to = layerOf(fs::path(match[1].str()));
      // From outside the puzzle layer, all of it is one layer.
      if (from.rfind("puzzle", 0) != 0 && to.rfind("puzzle/", 0) == 0) to = "puzzle";
      found.push_back({relative.string(), line, from, to});
    }
  }
  return found;
}

// A folder that reaches itself through the table: the table allows a cycle.
bool reachesItself(const std::string& start) {
  std::vector<std::string> open(kAllowed.at(start).begin(), kAllowed.at(start).end());
  std::set<std::string> seen;
  while (!open.empty()) {
    const std::string folder = open.back();
    open.pop_back();
    if (folder == start) return true;
    if (!seen.insert(folder).second) continue;
    auto next = kAllowed.find(folder);
    if (next != kAllowed.end()) open.insert(open.end(), next->second.begin(), next->second.end());
  }
  return false;
}

TEST(Layers, TheTableAllowsNoCycle) {
  for (const auto& [folder, allowed] : kAllowed) {
    EXPECT_FALSE(reachesItself(folder)) << folder;
    for (const auto& below : allowed) EXPECT_TRUE(kAllowed.count(below)) << folder << " -> " << below;
  }
}

TEST(Layers, NoIncludeCrossesTheLayersTheWrongWay) {
  const fs::path src = fs::path(SORVANTA_SOURCE_DIR) / "src";
  const auto includes = includesUnder(src);
  ASSERT_GT(includes.size(), 100u) << "no sources found under " << src;
  for (const auto& inc : includes) {
    if (inc.from == inc.to) continue;
    auto layer = kAllowed.find(inc.from);
    ASSERT_NE(layer, kAllowed.end()) << "src/" << inc.from << " is no layer: add it to the table";
    EXPECT_TRUE(layer->second.count(inc.to))
        << inc.file << ":" << inc.line << " includes " << inc.to << "/, which " << inc.from
        << "/ may not include";
  }
  // Every folder of src/ and of src/puzzle/ is in the table.
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (entry.is_directory()) {
      EXPECT_TRUE(kAllowed.count(layerOf(fs::relative(entry.path(), src) / "x"))) << entry.path();
    }
  }
}

}  // namespace
