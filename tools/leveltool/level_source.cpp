// Reading level sources and writing their levels.
#include "leveltool/level_source.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "formats/rcm_file.h"
#include "gui/img.h"
#include "leveltool/level_tables.h"
#include "platform/strings.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/color.h"
#include "puzzle/board/level.h"
#include "puzzle/board/level_file.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/board/tile.h"
#include "puzzle/board/tile_data.h"
#include "puzzle/fill/fill_rules.h"

namespace sorvanta {

namespace {

[[noreturn]] void fail(const std::string& where, const std::string& what) {
  throw std::runtime_error(where + ": " + what);
}

std::vector<std::string> tokensOf(const std::string& line) {
  std::vector<std::string> tokens;
  std::istringstream in(line);
  for (std::string t; in >> t;) tokens.push_back(t);
  return tokens;
}

int toInt(const std::string& where, const std::string& text) {
  try {
    size_t used = 0;
    const int v = std::stoi(text, &used);
    if (used == text.size()) return v;
  } catch (const std::exception&) {
  }
  fail(where, "\"" + text + "\" is no whole number");
}

// A Fill grid token: the solution colour key ("" empty), the clue colour key
// ("" none, "0" a zero clue).
struct FillToken {
  std::string colour, clue;
};

FillToken fillToken(const std::string& where, const std::string& t) {
  auto lower = [](std::string s) {
    for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return s;
  };
  if (t == ".") return {};
  if (t == "0") return {"", "0"};
  if (t.size() >= 2 && t[0] == '.') {
    if (!std::isupper(static_cast<unsigned char>(t[1])))
      fail(where, "\"" + t + "\": a clue on an empty cell is '.' and an upper-case key");
    return {"", lower(t.substr(1))};
  }
  if (std::isupper(static_cast<unsigned char>(t[0]))) return {lower(t), lower(t)};
  return {t, ""};
}

}  // namespace

LevelSource ParseLevelSource(const std::string& text, const std::string& name) {
  LevelSource src;
  src.name = name;
  std::istringstream in(text);
  bool inGrid = false, rulesetSeen = false;
  int lineNo = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNo;
    const std::string where = name + ":" + std::to_string(lineNo);
    if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::vector<std::string> t = tokensOf(line);
    if (t.empty()) continue;
    if (inGrid) {
      if (t.size() == 1 && t[0].size() > 1 && src.tryb == kRulesetPicross) {
        std::vector<std::string> chars;
        for (char ch : t[0]) chars.emplace_back(1, ch);
        t = chars;
      }
      if (!src.grid.empty() && t.size() != src.grid[0].size())
        fail(where,
             "row of " + std::to_string(t.size()) + " cells, the first row has " + std::to_string(src.grid[0].size()));
      src.grid.push_back(t);
      continue;
    }
    auto want = [&](size_t n) {
      if (t.size() != n + 1) fail(where, "\"" + t[0] + "\" takes " + std::to_string(n) + " value(s)");
    };
    const std::string& w = t[0];
    if (w == "ruleset") {
      want(1);
      if (t[1] != "picross" && t[1] != "fill") fail(where, "ruleset is picross or fill");
      src.tryb = t[1] == "picross" ? kRulesetPicross : kRulesetFill;
      rulesetSeen = true;
    } else if (w == "size") {
      want(1);
      src.size = toInt(where, t[1]);
      if (src.size < 0 || src.size > 4) fail(where, "size lies in 0..4");
    } else if (w == "scale") {
      want(1);
      src.scale = static_cast<float>(TextToFloat(t[1]));
      if (!(src.scale >= 0.5f && src.scale <= 2.0f)) fail(where, "scale lies in 0.5..2");
    } else if (w == "background") {
      want(1);
      src.background = t[1];
    } else if (w == "maxMistakes") {
      want(1);
      src.maxMistakes = toInt(where, t[1]);
    } else if (w == "hints") {
      want(2);
      src.hintsCharged = toInt(where, t[1]);
      src.hintIcons = toInt(where, t[2]);
      if (src.hintIcons < 0 || src.hintIcons > 9 || src.hintsCharged < 0 || src.hintsCharged > src.hintIcons)
        fail(where, "hints: 0 <= charged <= icons <= 9");
    } else if (w == "modXY") {
      want(2);
      src.modAX = static_cast<float>(toInt(where, t[1]));
      src.modAY = static_cast<float>(toInt(where, t[2]));
    } else if (w == "place") {
      want(3);
      src.place = true;
      src.placeRow = toInt(where, t[1]);
      src.placeX = toInt(where, t[2]);
      src.placeY = toInt(where, t[3]);
    } else if (w == "key") {
      want(2);
      if (t[1] == "." || t[1] == "0") fail(where, "'.' and '0' are no keys");
      src.keys[t[1]] = toInt(where, t[2]);
    } else if (w == "grid") {
      want(0);
      inGrid = true;
    } else {
      fail(where, "unknown word \"" + w + "\"");
    }
  }
  if (!rulesetSeen) fail(name, "no ruleset");
  if (src.grid.empty()) fail(name, "no grid");
  if (src.place &&
      (src.tryb != kRulesetPicross || src.placeRow < 0 || src.placeRow >= static_cast<int>(src.grid.size())))
    fail(name, "place needs a Picross row of the grid");
  return src;
}

LevelSource ReadLevelSource(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return ParseLevelSource(text.str(), path);
}

std::shared_ptr<TLevel> BuildLevel(const LevelSource& src) {
  auto level = std::make_shared<TLevel>();
  const int rows = static_cast<int>(src.grid.size()), cols = static_cast<int>(src.grid[0].size());
  level->tryb = src.tryb;
  level->rows = rows;
  level->cols = cols;
  level->scale = src.scale;
  level->size = src.size;
  level->maxMistakes = src.maxMistakes;
  level->backgroundUrl = "gfx/backgrounds/background_" + src.background + ".jpg";
  level->actMusicN = 0;
  level->maxHintsCount = src.hintIcons;
  level->hints = level->initHints(src.hintsCharged > 0, src.hintsCharged > 1, src.hintsCharged > 2,
                                  src.hintsCharged > 3, src.hintsCharged > 4, src.hintsCharged > 5,
                                  src.hintsCharged > 6, src.hintsCharged > 7, src.hintsCharged > 8);
  level->modAX = src.modAX;
  level->modAY = src.modAY;
  auto keyId = [&](const std::string& key, int r, int c) {
    auto it = src.keys.find(key);
    if (it == src.keys.end())
      fail(src.name, "row " + std::to_string(r) + ", column " + std::to_string(c) + ": key \"" + key + "\" has no id");
    return it->second;
  };
  if (src.tryb == kRulesetPicross) {
    level->atiles.reset(rows, cols);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        auto cell = std::make_shared<TATile>();
        cell->_level = level;
        cell->r = r;
        cell->c = c;
        if (src.grid[r][c] != ".") {
          const int id = keyId(src.grid[r][c], r, c);
          cell->td = getTileDataById(id);
          if (!cell->td)
            fail(src.name, "key \"" + src.grid[r][c] + "\": no picture piece has id " + std::to_string(id));
        }
        level->atiles.set(r, c, cell);
      }
    return level;
  }
  // Fill: the board extent the layout centres on, in cells of this size.
  level->myX = static_cast<int>(cols * ImgWidth(TTile::empty[src.size]));
  level->myY = static_cast<int>(rows * ImgHeight(TTile::empty[src.size]));
  std::vector<FillToken> tokens;
  std::vector<int> solution;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const std::string where = src.name + ": row " + std::to_string(r) + ", column " + std::to_string(c);
      tokens.push_back(fillToken(where, src.grid[r][c]));
      solution.push_back(tokens.back().colour.empty() ? 0 : keyId(tokens.back().colour, r, c));
    }
  auto colour = [&](int id) {
    auto found = getColorById(id);
    if (!found) fail(src.name, "no colour has id " + std::to_string(id));
    return found;
  };
  level->tile.reset(rows, cols);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      auto cell = std::make_shared<TTile>();
      cell->_level = level;
      cell->r = r;
      cell->c = c;
      const FillToken& t = tokens[r * cols + c];
      if (solution[r * cols + c] != 0) cell->color = colour(solution[r * cols + c]);
      if (!t.clue.empty()) {
        const int id = t.clue == "0" ? kCrossColorId : keyId(t.clue, r, c);
        cell->number = colour(id);
        cell->showCount = 1;
        cell->count = id == kCrossColorId ? 0 : FillBlockCount(solution, rows, cols, r, c, id);
      }
      level->tile.set(r, c, cell);
    }
  return level;
}

namespace {

// The game's writer reports a failed write and carries on; the tool fails.
void saveChecked(const std::shared_ptr<TLevel>& level, const std::string& path) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  SaveLevel(level, path);
  auto expected = createRCMFile();
  level->_SAVE_Standard(*expected);
  level->_SAVE_Tiles(*expected);
  std::ifstream in(path, std::ios::binary);
  std::ostringstream written;
  written << in.rdbuf();
  if (written.str() != expected->toText()) throw std::runtime_error(path + ": the level could not be written");
}

}  // namespace

void WriteLevel(const LevelSource& src, const std::string& path) {
  auto level = BuildLevel(src);
  saveChecked(level, path);
  if (!src.place) return;
  // The layout truncates, so whole-pixel moves of the centre move the cells
  // by exactly as much: one correction, then a check.
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::shared_ptr<TLevel> laid;
    CapturePrinted([&] { laid = LoadLevel(path); });
    auto cell = laid->atiles.get(src.placeRow, 0);
    if (!cell) fail(src.name, "the written level cannot be read back");
    if (cell->x == src.placeX && cell->y == src.placeY) return;
    level->modAY += static_cast<float>(src.placeX - cell->x);
    level->modAX += static_cast<float>(src.placeY - cell->y);
    saveChecked(level, path);
  }
  fail(src.name, "the board cannot be placed as asked");
}

}  // namespace sorvanta
