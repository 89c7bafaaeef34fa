// The folders of src/ form layers that include one way only: a folder may
// include itself and the folders listed for it, nothing else. The folders of
// src/puzzle/ are layers of their own inside the puzzle layer; from outside,
// the puzzle layer is one. The tables of allowed edges are read from
// docs/architecture.md, so that the page and the rule are one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Table = std::map<std::string, std::set<std::string>>;

// The rows "| `folder/` | holds | may include |" of the page's tables: the
// layers of src/ in the first, those of src/puzzle/ in the second, where
// "fill" stands for puzzle/fill and "`puzzle/` itself" may include all of the
// folders above it besides what the first table allows it.
Table readTables(const fs::path& page) {
  static const std::regex kRow(R"re(^\|\s*`([a-z/]+)/`( itself)?\s*\|.*\|\s*([^|]*?)\s*\|\s*$)re");
  std::ifstream in(page);
  Table table;
  std::set<std::string> puzzleFolders;
  std::string text;
  std::smatch match;
  while (std::getline(in, text)) {
    if (!std::regex_match(text, match, kRow)) continue;
    const std::string folder = match[1];
    std::set<std::string>& allowed = table[folder];
    std::stringstream list(match[3].str());
    for (std::string name; std::getline(list >> std::ws, name, ',');) {
      name.erase(name.find_last_not_of(' ') + 1);
      if (name == "—") continue;
      if (name == "all of the above") {
        allowed.insert(puzzleFolders.begin(), puzzleFolders.end());
        continue;
      }
      allowed.insert(table.count(name) || folder.rfind("puzzle", 0) != 0 ? name : "puzzle/" + name);
    }
    if (folder.rfind("puzzle/", 0) == 0) puzzleFolders.insert(folder);
  }
  return table;
}

const Table& allowedEdges() {
  static const Table table = readTables(fs::path(SORVANTA_SOURCE_DIR) / "docs" / "architecture.md");
  return table;
}

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

// The file under src/ an include line names, relative to src/; "" when it
// names none (a system header). As the compiler looks: a quoted path first
// from the including file's folder, then, like one in angle brackets, from
// src/.
std::string includedFile(const fs::path& src, const fs::path& includer, const std::string& line) {
  static const std::regex kInclude(R"re(^\s*#\s*include\s*(["<])([^">]+)[">])re");
  std::smatch match;
  if (!std::regex_search(line, match, kInclude)) return "";
  std::vector<fs::path> tried;
  if (match[1] == "\"") tried.push_back((src / includer).parent_path() / match[2].str());
  tried.push_back(src / match[2].str());
  for (const fs::path& path : tried) {
    const fs::path relative = path.lexically_normal().lexically_relative(src);
    if (relative.empty() || *relative.begin() == "..") continue;
    if (fs::is_regular_file(path)) return relative.generic_string();
  }
  return "";
}

// Every include of a file under src/, of every file under src/, by layer.
std::vector<Include> includesUnder(const fs::path& src) {
  std::vector<Include> found;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), src);
    if (relative.begin() == relative.end() || std::next(relative.begin()) == relative.end())
      continue;  // main.cpp and other files at the top stand above every layer
    const std::string from = layerOf(relative);
    std::ifstream in(entry.path());
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
      const std::string file = includedFile(src, relative, text);
      if (file.empty()) continue;
      std::string to = layerOf(fs::path(file));
      // From outside the puzzle layer, all of it is one layer.
      if (from.rfind("puzzle", 0) != 0 && to.rfind("puzzle/", 0) == 0) to = "puzzle";
      found.push_back({relative.string(), line, from, to});
    }
  }
  return found;
}

// A folder that reaches itself through the table: the table allows a cycle.
bool reachesItself(const std::string& start) {
  std::vector<std::string> open(allowedEdges().at(start).begin(), allowedEdges().at(start).end());
  std::set<std::string> seen;
  while (!open.empty()) {
    const std::string folder = open.back();
    open.pop_back();
    if (folder == start) return true;
    if (!seen.insert(folder).second) continue;
    auto next = allowedEdges().find(folder);
    if (next != allowedEdges().end()) open.insert(open.end(), next->second.begin(), next->second.end());
  }
  return false;
}

TEST(Layers, EveryWayOfNamingAFileUnderSrcIsSeen) {
  const fs::path src = fs::path(SORVANTA_SOURCE_DIR) / "src";
  const struct {
    const char* line;
    const char* file;
  } rows[] = {
      {"#include \"app/app.h\"", "app/app.h"},
      {"#include <app/app.h>", "app/app.h"},
      {"#include \"../app/app.h\"", "app/app.h"},
      {"  #  include \"./../app/app.h\"  // why", "app/app.h"},
      {"#include \"core/globals.h\"", "core/globals.h"},
      {"#include <SDL2/SDL.h>", ""},
      {"#include \"states.h\"", "core/states.h"},
      {"#include \"../../tests/support/shot.h\"", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(includedFile(src, "core/frame.cpp", row.line), row.file) << row.line;
}

TEST(Layers, TheTableAllowsNoCycle) {
  ASSERT_GT(allowedEdges().size(), 15u) << "the tables of docs/architecture.md are not read";

  for (const auto& [folder, allowed] : allowedEdges()) {
    EXPECT_FALSE(reachesItself(folder)) << folder;
    for (const auto& below : allowed) EXPECT_TRUE(allowedEdges().count(below)) << folder << " -> " << below;
  }
}

TEST(Layers, NoIncludeCrossesTheLayersTheWrongWay) {
  const fs::path src = fs::path(SORVANTA_SOURCE_DIR) / "src";
  const auto includes = includesUnder(src);
  ASSERT_GT(includes.size(), 100u) << "no sources found under " << src;
  for (const auto& inc : includes) {
    if (inc.from == inc.to) continue;
    auto layer = allowedEdges().find(inc.from);
    ASSERT_NE(layer, allowedEdges().end()) << "src/" << inc.from << " is no layer: add it to the table";
    EXPECT_TRUE(layer->second.count(inc.to))
        << inc.file << ":" << inc.line << " includes " << inc.to << "/, which " << inc.from
        << "/ may not include";
  }
  // Every folder of src/ and of src/puzzle/ is in the table.
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (entry.is_directory()) {
      EXPECT_TRUE(allowedEdges().count(layerOf(fs::relative(entry.path(), src) / "x"))) << entry.path();
    }
  }
}

}  // namespace
