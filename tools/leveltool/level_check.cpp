// The validator's rules for both rulesets, and the walk over an asset tree.
#include "leveltool/level_check.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>

#include "formats/rcm_file.h"
#include "formats/text_utils.h"
#include "leveltool/level_check_parts.h"
#include "leveltool/level_tables.h"
#include "platform/strings.h"
#include "puzzle/board/level.h"
#include "puzzle/board/level_file.h"
#include "puzzle/board/ruleset.h"

namespace sorvanta {

namespace {

// The part of the screen left of the side panel.
constexpr float kBoardRight = 840, kBoardBottom = 768;

bool isProgressLine(const std::string& line) {
  return line.rfind("Loading level: ", 0) == 0 || line.rfind("MUSIC background = ", 0) == 0;
}

void checkValues(const StoredLevel& s, Findings& f) {
  const TRCMFile& file = *s.file;
  auto number = [&](const std::string& key, int index = 0) { return file.getFloat("level::data::" + key, index, 0); };
  const float charged = number("hints", 0), icons = number("hints", 1);
  if (charged < 0 || charged > 9 || icons < 0 || icons > 9 || charged > icons || charged != std::floor(charged) ||
      icons != std::floor(icons))
    f.fail("hints", "hints " + file.getString("level::data::hints", 0) + ", " +
                        file.getString("level::data::hints", 1) +
                        ": charged and icons are whole numbers with 0 <= charged <= icons <= 9");
  for (int i = 1; i <= 9; ++i) {
    const std::string flag = std::string("h").append(std::to_string(i));
    const float h = number(flag);
    if (h != 0 && h != 1) f.fail("hints", flag + " is " + file.getString("level::data::" + flag) + ", not 0 or 1");
  }
  for (const char* key : {"score", "time", "mistakes"})
    if (number(key) != 0)
      f.fail("player-state",
             std::string(key) + " is " + file.getString(std::string("level::data::") + key) + ", not 0");
}

void checkRows(const StoredLevel& s, Findings& f) {
  auto tiles = s.file->getGroup({"level", "tiles", "x"});
  for (int r = 0; r < s.rows; ++r) {
    auto entry = tiles ? tiles->getEntry("row" + std::to_string(r)) : nullptr;
    const size_t n = entry ? entry->_value.size() : 0;
    if (n != static_cast<size_t>(s.cols))
      f.fail("row-length", "row" + std::to_string(r) + " holds " + std::to_string(n) + " cell strings, not " +
                               std::to_string(s.cols));
  }
  if (!tiles) return;
  for (const auto& entry : tiles->_listaWpisow) {
    const std::string key = entry->_id;
    const bool rowKey = key.size() > 3 && key.compare(0, 3, "row") == 0 &&
                        std::all_of(key.begin() + 3, key.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    if (!rowKey || std::to_string(TextToInt(key.substr(3))) != key.substr(3) || TextToInt(key.substr(3)) >= s.rows)
      f.fail("row-length", "key " + key + " is no row of the " + std::to_string(s.rows) + " rows");
  }
}

void checkBackground(const StoredLevel& s, Findings& f) {
  const std::string url = s.file->getString("level::data::background", 0);
  if (url.empty()) {
    f.fail("background", "no background");
    return;
  }
  if (!std::filesystem::is_regular_file(LevelAssetsDir() + url)) f.fail("background", url + " is not in the assets");
  int number = 0;
  CapturePrinted([&] { number = s.level->GetBackGroundNr(); });
  if (number < 1) f.fail("background", url + " names no background number (background_<n>)");
}

void checkLayout(const StoredLevel& s, Findings& f) {
  const BoardExtent e = ExtentOf(*s.level);
  if (e.left < 0 || e.top < 0 || e.right > kBoardRight || e.bottom > kBoardBottom)
    f.fail("layout", "the board with its clues and frame covers x " + std::to_string(static_cast<int>(e.left)) + ".." +
                         std::to_string(static_cast<int>(e.right)) + ", y " + std::to_string(static_cast<int>(e.top)) +
                         ".." + std::to_string(static_cast<int>(e.bottom)) + "; it must lie in x 0..840, y 0..768");
}

}  // namespace

std::string CellName(int r, int c) { return "row " + std::to_string(r) + ", column " + std::to_string(c); }

bool LevelReport::failed() const {
  return std::any_of(findings.begin(), findings.end(), [](const Finding& f) { return !f.warning; });
}

LevelReport CheckLevelFile(const std::string& path) {
  const auto start = std::chrono::steady_clock::now();
  LevelReport report;
  report.path = path;
  Findings f(report.findings);
  StoredLevel s;
  std::vector<std::string> printed = CapturePrinted([&] {
    s.file = loadRCMFile(path);
    s.level = LoadLevel(path);
  });
  for (const std::string& line : printed)
    if (!isProgressLine(line)) f.fail("read", line);
  const bool readable = s.file->getGroup({"level", "data", "x"}) != nullptr;
  const int tryb = FloatToInt(s.file->getFloat("level::data::tryb", 0, 0));
  if (!readable) {
    f.fail("read", "no level in the file");
  } else if (!IsRuleset(tryb)) {
    f.fail("tryb", "tryb is " + std::to_string(tryb) + ", not 0 (Fill) or 1 (Picross)");
  } else if (s.level->hasCells()) {
    s.rows = s.level->rows;
    s.cols = s.level->cols;
    for (int r = 0; r < s.rows; ++r)
      for (int c = 0; c < s.cols; ++c)
        s.cells.push_back(rozbijTekst(s.file->getString("level::tiles::row" + std::to_string(r), c), "|", "", ""));
    checkValues(s, f);
    checkRows(s, f);
    checkBackground(s, f);
    checkLayout(s, f);
    if (tryb == kRulesetPicross)
      report.effort = CheckPicross(s, f);
    else
      CheckFill(s, f);
  }
  report.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  return report;
}

std::vector<std::string> FindLevelFiles(const std::string& root) {
  std::vector<std::string> files;
  if (std::filesystem::is_regular_file(root)) return {root};
  std::error_code error;
  for (auto it = std::filesystem::recursive_directory_iterator(root, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
    if (it->is_regular_file() && it->path().extension() == ".lvl") files.push_back(it->path().string());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace sorvanta
