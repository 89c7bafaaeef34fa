// Writing and reading level files.
#include "puzzle/board/level_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "formats/rcm_file.h"
#include "formats/text_utils.h"
#include "platform/strings.h"
#include "platform/system.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "puzzle/board/ruleset.h"
#include "puzzle/board/tile.h"
#include "puzzle/board/tile_data.h"
#include "sound/global_snd.h"

namespace sorvanta {

namespace {

constexpr int kMaxHints = 9;
constexpr int kMaxSide = 100;
const char* const kDefaultBackground = "gfx/backgrounds/background_1.jpg";

int readInt(const TRCMFile& file, const std::string& key, int index = 0) {
  return FloatToInt(file.getFloat(key, index, 0));
}

std::string rowKey(int r) { return "level::tiles::row" + std::to_string(r); }

void warnCell(const TRCMFile& file, int r, int c, const std::string& what) {
  Print("Level file " + file._path + ": row " + std::to_string(r) + ", column " + std::to_string(c) + ": " + what);
}

// The pieces of one cell string; none (with a warning) when it is empty or
// missing, so the cell stays untouched and empty.
std::vector<std::string> cellPieces(const TRCMFile& file, int r, int c) {
  std::vector<std::string> pieces = rozbijTekst(file.getString(rowKey(r), c), "|", "", "");
  if (pieces.empty()) warnCell(file, r, c, "empty or missing cell string, read as an untouched empty cell");
  return pieces;
}

}  // namespace

void SaveLevel(const std::shared_ptr<TLevel>& level, const std::string& path) {
  if (level) level->_Save(path);
}

std::shared_ptr<TLevel> LoadLevel(const std::string& path) {
  Print("Loading level: " + path);
  auto level = std::make_shared<TLevel>();
  level->_Load(path);
  return level;
}

std::shared_ptr<TLevel> LoadLevel(const TRCMFile& file, const std::string& path) {
  Print("Loading level: " + path);
  auto level = std::make_shared<TLevel>();
  level->_Load(file, path);
  return level;
}

int TLevel::_Save(const std::string& path) {
  auto file = createRCMFile();
  _SAVE_Standard(*file);
  _SAVE_Tiles(*file);
  file->save(path);
  return 0;
}

int TLevel::_SAVE_Standard(TRCMFile& file) {
  file.setFloat("level::data::scale", scale, 0);
  file.setFloat("level::data::size", static_cast<float>(size), 0);
  const bool stored = myX != 0 || myY != 0;
  file.setFloat("level::data::position", stored ? static_cast<float>(myX) : x, 0);
  file.setFloat("level::data::position", stored ? static_cast<float>(myY) : y, 1);
  file.setFloat("level::data::score", static_cast<float>(score), 0);
  file.setFloat("level::data::time", static_cast<float>(time), 0);
  file.setFloat("level::data::mistakes", static_cast<float>(mistakes), 0);
  file.setFloat("level::data::maxMistakes", static_cast<float>(maxMistakes), 0);
  file.setString("level::data::background", backgroundUrl, 0);
  file.setFloat("level::data::actMusicN", static_cast<float>(actMusicN), 0);
  file.setFloat("level::data::dims", static_cast<float>(rows), 0);
  file.setFloat("level::data::dims", static_cast<float>(cols), 1);
  int flags[3] = {0, 0, 0};
  hintsCount = 0;
  int number = 1;
  for (const auto& hint : hints) {
    if (hint && hint->t == 0) {
      ++hintsCount;
      if (number <= 3) flags[number - 1] = 1;
    }
    ++number;
  }
  for (int i = 0; i < 3; ++i)
    file.setFloat("level::data::h" + std::to_string(i + 1), static_cast<float>(flags[i]), 0);
  file.setFloat("level::data::hints", static_cast<float>(hintsCount), 0);
  file.setFloat("level::data::hints", static_cast<float>(maxHintsCount), 1);
  file.setFloat("level::data::tryb", static_cast<float>(tryb), 0);
  file.setFloat("level::data::modXY", modAX, 0);
  file.setFloat("level::data::modXY", modAY, 1);
  return 0;
}

int TLevel::_SAVE_Tiles(TRCMFile& file) const {
  if (tryb == kRulesetFill) {
    for (int r = 0; r < tile.rows(); ++r)
      for (int c = 0; c < tile.cols(); ++c)
        if (auto cell = tile.get(r, c)) file.setString(rowKey(r), cell->getMyString(), c);
  } else if (tryb == kRulesetPicross) {
    for (int r = 0; r < atiles.rows(); ++r)
      for (int c = 0; c < atiles.cols(); ++c)
        if (auto cell = atiles.get(r, c)) file.setString(rowKey(r), cell->getMyString(), c);
  }
  return 0;
}

int TLevel::_LOAD_Standard(const TRCMFile& file) {
  scale = file.getFloat("level::data::scale", 0, 0);
  x = file.getFloat("level::data::position", 0, 0);
  y = file.getFloat("level::data::position", 1, 0);
  actMusicN = readInt(file, "level::data::actMusicN");
  myX = FloatToInt(x);
  myY = FloatToInt(y);
  score = readInt(file, "level::data::score");
  time = readInt(file, "level::data::time");
  backgroundUrl = file.getString("level::data::background", 0);
  if (backgroundUrl.empty()) backgroundUrl = kDefaultBackground;
  rows = readInt(file, "level::data::dims", 0);
  cols = readInt(file, "level::data::dims", 1);
  mistakes = readInt(file, "level::data::mistakes");
  if (const int allowed = readInt(file, "level::data::maxMistakes"); allowed != 0) maxMistakes = allowed;
  maxHintsCount = std::min(readInt(file, "level::data::hints", 1), kMaxHints);
  hintsCount = std::min(readInt(file, "level::data::hints", 0), kMaxHints);
  size = readInt(file, "level::data::size");
  tryb = readInt(file, "level::data::tryb");
  int h[kMaxHints];
  for (int i = 0; i < kMaxHints; ++i) h[i] = readInt(file, "level::data::h" + std::to_string(i + 1));
  if (std::int64_t{h[0]} + h[1] + h[2] < hintsCount) {
    for (int i = 0; i < kMaxHints; ++i) h[i] = i < hintsCount ? 1 : 0;
  }
  modAX = file.getFloat("level::data::modXY", 0, 0);
  modAY = file.getFloat("level::data::modXY", 1, 0);
  centerX += modAY;
  centerY += modAX;
  hints = initHints(h[0], h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8]);
  return 0;
}

int TLevel::_LOAD_Tiles(const TRCMFile& file) {
  tile.reset(rows, cols);
  tryb = kRulesetFill;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      auto cell = std::make_shared<TTile>();
      cell->_level = weak_from_this();
      cell->r = r;
      cell->c = c;
      tile.set(r, c, cell);
      const std::vector<std::string> p = cellPieces(file, r, c);
      if (p.empty()) continue;
      if (rozbijTekst(p[0], " ", "", "").size() < 3)
        warnCell(file, r, c, "fewer than three numbers in the first field, the missing ones read as 0");
      const auto piece = [&](size_t i) { return i < p.size() ? p[i] : std::string(); };
      cell->putDataFromString(piece(0), piece(1), piece(2), piece(3), piece(4));
    }
  }
  return 0;
}

int TLevel::_LOAD_Tiles2(const TRCMFile& file) {
  atiles.reset(rows, cols);
  tryb = kRulesetPicross;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      auto cell = std::make_shared<TATile>();
      cell->r = r;
      cell->c = c;
      cell->_level = weak_from_this();
      atiles.set(r, c, cell);
      const std::vector<std::string> p = cellPieces(file, r, c);
      if (p.empty()) continue;
      cell->td = getTileDataById(TextToInt(p[0]));
      if (p.size() >= 2) cell->odkryte = TextToInt(p[1]);
      if (p.size() >= 3) cell->zepsute = TextToInt(p[2]);
    }
  }
  return 0;
}

int TLevel::_Load(const std::string& path) { return _Load(*loadRCMFile(path), path); }

int TLevel::_Load(const TRCMFile& file, const std::string& path) {
  const bool readable = file.getGroup({"level", "data", "scale"}) != nullptr;
  if (!readable) Print("Level file cannot be read or holds no level: " + path + "; the level has no cells");
  _LOAD_Standard(file);

  if (!(scale > 0.0f) || !std::isfinite(scale)) {
    // A board drawn at scale 0 is invisible.
    if (readable) Print("Level file " + path + ": scale missing or not positive, 1 is used");
    scale = 1.0f;
  }
  bool shapeOk = readable;
  if (readable && !IsRuleset(tryb)) {
    Print("Level file " + path + ": ruleset (tryb) " + std::to_string(tryb) + " is neither 0 nor 1; the level has no cells");
    shapeOk = false;
  }
  if (readable && (rows < 1 || rows > kMaxSide || cols < 1 || cols > kMaxSide)) {
    Print("Level file " + path + ": dims " + std::to_string(rows) + " x " + std::to_string(cols) +
          " outside 1.." + std::to_string(kMaxSide) + "; the level has no cells");
    shapeOk = false;
  }
  if (readable && (size < 0 || size > 4)) {
    Print("Level file " + path + ": cell size " + std::to_string(size) + " outside 0..4; the level has no cells");
    shapeOk = false;
  }
  if (!shapeOk) {
    rows = cols = 0;
    if (size < 0 || size > 4) size = 0;
  }

  if (shapeOk && tryb == kRulesetFill) {
    _LOAD_Tiles(file);
    COUNT_0Tiles();
    COUNT_Colors();
    COUNT_Dims();
    if (cols % 2 == 1) centerX += tileW / 2;
    COUNT_Position();
  } else if (shapeOk && tryb == kRulesetPicross) {
    _LOAD_Tiles2(file);
    COUNT_Numbers();
    COUNT_Dims();
    COUNT_Position_Mesalor();
    COUNT_Numbers();
  }
  if (actMusicN == 0 && globalSnd) actMusicN = globalSnd->GetMusicNumberForBackground(GetBackGroundNr());
  x = width;
  y = height;
  return 0;
}

}  // namespace sorvanta
