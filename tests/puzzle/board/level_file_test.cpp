#include <gtest/gtest.h>

#include "formats/rcm_file.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level_file.h"
#include "puzzle/puzzle_test_support.h"
#include "sound/global_snd.h"
#include "support/stdout_lines.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

using test::ReadFile;
using test::StdoutLines;
using test::TempFolder;
using test::WriteFile;

// A level file from data lines and tile lines ("key = value" each).
std::string LevelText(const std::vector<std::string>& data, const std::vector<std::string>& tiles = {}) {
  std::string text = "level {\n\tdata {\n";
  for (const auto& line : data) text += "\t\t" + line + "\n";
  text += "\t}\n\ttiles {\n";
  for (const auto& line : tiles) text += "\t\t" + line + "\n";
  return text + "\t}\n}\n";
}

// A Fill level of rows x cols plain cells.
std::string FillText(int rows, int cols) {
  std::vector<std::string> tiles;
  for (int r = 0; r < rows; ++r) {
    std::string line = "row" + std::to_string(r) + " = ";
    for (int c = 0; c < cols; ++c) line += std::string(c ? ", " : "") + "\"0 0 0||||\"";
    tiles.push_back(line);
  }
  return LevelText({"scale = 1", "dims = " + std::to_string(rows) + ", " + std::to_string(cols)}, tiles);
}

std::vector<int> Charged(const TLevel& level) {
  std::vector<int> icons;
  int n = 1;
  for (const auto& hint : level.hints) {
    if (hint->loaded()) icons.push_back(n);
    ++n;
  }
  return icons;
}

const std::string kLevels = std::string(SORVANTA_SOURCE_DIR) + "/tests/data/levels/";

class LevelFile : public test::PuzzleTest {
 protected:
  std::shared_ptr<TLevel> Load(const std::string& path, std::vector<std::string>* lines = nullptr) {
    std::shared_ptr<TLevel> level;
    auto printed = StdoutLines([&] { level = LoadLevel(path); });
    if (lines) *lines = printed;
    return level;
  }
  std::shared_ptr<TLevel> LoadText(const std::string& text, std::vector<std::string>* lines = nullptr) {
    WriteFile(dir_ / "l.lvl", text);
    return Load(dir_ / "l.lvl", lines);
  }
  TempFolder dir_;
};

TEST_F(LevelFile, GoldenFilesSaveBackByteForByte) {
  for (const char* name : {"fill.lvl", "picross.lvl", "picross10.lvl"}) {
    auto level = Load(kLevels + name);
    ASSERT_EQ(level->hasCells(), 1) << name;
    SaveLevel(level, dir_ / name);
    EXPECT_EQ(ReadFile(dir_ / name), ReadFile(kLevels + name)) << name;
    SaveLevel(Load(dir_ / name), dir_ / "again.lvl");
    EXPECT_EQ(ReadFile(dir_ / "again.lvl"), ReadFile(kLevels + name)) << name;
  }
}

// 40 px cells with one-clue margins of 100 and 80: the layout tests hold its
// numbers; here, that a loaded file is laid out and its clues rebuilt.
TEST_F(LevelFile, TenByTenPicrossFileIsLaidOut) {
  test::SetCellImages(40, 40, 85, 93);
  auto level = Load(kLevels + "picross10.lvl");
  EXPECT_EQ(level->x, 500);
  EXPECT_EQ(level->atiles.get(9, 9)->x, 632);
  EXPECT_EQ(level->atiles.get(9, 9)->y, 586);
  EXPECT_EQ(level->additionalFrames.size(), 26u);
  EXPECT_EQ(level->numberRows.front()->w, 40);  // rebuilt with the final cell size
  EXPECT_EQ(Charged(*level), (std::vector<int>{1, 2}));
}

TEST_F(LevelFile, ValuesReadWithTheirDefaultsCapsAndCorrections) {
  // A 1 x 1 Picross level with one more data line.
  const auto one = [&](const std::string& line) {
    return LoadText(LevelText({"scale = 1", "dims = 1, 1", "tryb = 1", line}, {"row0 = \"7\""}));
  };
  EXPECT_EQ(one("maxMistakes = 0")->maxMistakes, 5);
  EXPECT_EQ(one("maxMistakes = 3")->maxMistakes, 3);
  // Without a track of its own the level takes one for its background.
  struct FakeSnd : TGlobalSnd {
    int GetMusicNumberForBackground(int bg) override { return 100 + bg; }
  };
  auto savedSnd = globalSnd;
  globalSnd = std::make_shared<FakeSnd>();
  const int own = one("actMusicN = 3")->actMusicN;
  const int chosen = one("background = \"b/background_7.jpg\"")->actMusicN;
  globalSnd = savedSnd;
  EXPECT_EQ(own, 3);
  EXPECT_EQ(chosen, 107);
  auto capped = one("hints = 12, 15");
  EXPECT_EQ(Charged(*capped), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(std::make_pair(capped->hints.back()->x, capped->hints.back()->y), std::make_pair(996.0f, 570.0f));
  EXPECT_EQ(capped->backgroundUrl, "gfx/backgrounds/background_1.jpg");
  // The second correction moves the centre across, the first down.
  auto moved = one("modXY = 10, 30");
  EXPECT_EQ(std::make_pair(moved->centerX, moved->centerY), std::make_pair(450.0f, 394.0f));

  auto cells = LoadText(LevelText({"scale = 1", "dims = 1, 3", "tryb = 1"}, {"row0 = \"7|1|0\", \"0|1|1\", \"7\""}));
  std::vector<int> read;
  for (const auto& cell : cells->atiles.all()) read.insert(read.end(), {cell->td != nullptr, cell->odkryte, cell->zepsute});
  EXPECT_EQ(read, (std::vector<int>{1, 1, 0, 0, 1, 1, 1, 0, 0}));
}

TEST_F(LevelFile, ChargedHintsSurviveAsACountAndThreeFlags) {
  struct Case {
    std::vector<int> charged;
    const char* flags;  // h1 h2 h3 as written
    std::vector<int> back;
  } cases[] = {{{2, 5}, "010", {1, 2}}, {{1, 3}, "101", {1, 3}}};
  for (const Case& k : cases) {
    auto level = Load(kLevels + "picross.lvl");
    int n = 1;
    for (const auto& hint : level->hints) hint->t = std::count(k.charged.begin(), k.charged.end(), n++) ? 0 : 1;
    SaveLevel(level, dir_ / "h.lvl");
    auto file = loadRCMFile(dir_ / "h.lvl");
    std::string flags;
    for (int i = 1; i <= 3; ++i) flags += file->getString("level::data::h" + std::to_string(i), 0).back();
    EXPECT_EQ(flags, k.flags);
    EXPECT_EQ(file->getFloat("level::data::hints", 0), 2);
    EXPECT_EQ(file->getFloat("level::data::hints", 1), 6);
    EXPECT_EQ(Charged(*Load(dir_ / "h.lvl")), k.back);
  }
}

TEST_F(LevelFile, FillBoardIsCentredForBothColumnParities) {
  for (int cols : {4, 5}) {
    std::string tiles = "row0 = ";
    for (int c = 0; c < cols; ++c) tiles += std::string(c ? ", " : "") + "\"0 0 0||||\"";
    const std::string position = "position = " + std::to_string(cols * 40) + ", 40";
    auto level = LoadText(LevelText({"scale = 1", "dims = 1, " + std::to_string(cols), position}, {tiles}));
    EXPECT_EQ(level->centerX, cols == 5 ? 440 : 420) << cols;
    EXPECT_EQ(level->tile.get(0, 0)->x, 420 - cols * 40 / 2 + 20) << cols;
    EXPECT_EQ(level->x, level->width);
  }
}

TEST_F(LevelFile, MalformedFilesAreReportedAndNeverPlayed) {
  struct Case {
    const char* what;
    std::string text;  // "" for a missing file
    int hasCells;
    std::vector<std::string> reported;
  } cases[] = {
      {"missing file", "", 0, {"cannot be read"}},
      {"not a level", "other {\n\tx = 1\n}\n", 0, {"cannot be read"}},
      {"ruleset 2", LevelText({"scale = 1", "dims = 1, 1", "tryb = 2"}), 0, {"tryb) 2"}},
      {"no dims", LevelText({"scale = 1"}), 0, {"dims 0 x 0"}},
      {"too wide", LevelText({"scale = 1", "dims = 1, 101"}), 0, {"dims 1 x 101"}},
      {"too tall", LevelText({"scale = 1", "dims = 101, 1"}), 0, {"dims 101 x 1"}},
      {"rows without columns", LevelText({"scale = 1", "dims = 3, 0"}), 0, {"dims 3 x 0"}},
      {"columns without rows", LevelText({"scale = 1", "dims = 0, 3"}), 0, {"dims 0 x 3"}},
      {"the widest board", FillText(1, 100), 1, {}},
      {"the tallest board", FillText(100, 1), 1, {}},
      {"cell size -1", LevelText({"scale = 1", "dims = 1, 1", "size = -1"}), 0, {"cell size -1"}},
      {"cell size 4", LevelText({"scale = 1", "dims = 1, 1", "size = 4"}, {"row0 = \"0 0 0||||\""}), 1, {}},
      {"cell size 5", LevelText({"scale = 1", "dims = 1, 1", "size = 5"}), 0, {"cell size 5"}},
      {"no scale", LevelText({"dims = 1, 1"}, {"row0 = \"0 0 0||||\""}), 1, {"scale"}},
      {"negative scale", LevelText({"scale = -2", "dims = 1, 1"}, {"row0 = \"0 0 0||||\""}), 1, {"scale"}},
      {"short row and empty cell",
       LevelText({"scale = 1", "dims = 1, 3", "tryb = 1"}, {"row0 = \"\", \"7\""}),
       1,
       {"row 0, column 0", "row 0, column 2"}},
      {"short first field", LevelText({"scale = 1", "dims = 1, 1"}, {"row0 = \"2 1|4\""}), 1, {"row 0, column 0"}},
  };
  for (const Case& k : cases) {
    std::vector<std::string> lines;
    auto level = k.text.empty() ? Load(dir_ / "absent.lvl", &lines) : LoadText(k.text, &lines);
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->hasCells(), k.hasCells) << k.what;
    EXPECT_GT(level->scale, 0) << k.what;
    std::vector<std::string> warnings;
    for (const auto& line : lines)
      if (line.rfind("Level file", 0) == 0) warnings.push_back(line);
    ASSERT_EQ(warnings.size(), k.reported.size()) << k.what;
    for (size_t i = 0; i < warnings.size(); ++i) {
      EXPECT_NE(warnings[i].find(k.reported[i]), std::string::npos) << k.what << ": " << warnings[i];
      EXPECT_NE(warnings[i].find(".lvl"), std::string::npos) << k.what << ": " << warnings[i];
    }
  }
  // The cells that were not there are untouched and empty.
  auto level = LoadText(LevelText({"scale = 1", "dims = 1, 3", "tryb = 1"}, {"row0 = \"\", \"7\""}));
  EXPECT_EQ(level->atiles.get(0, 0)->getMyString(), "0|0|0");
  EXPECT_EQ(level->atiles.get(0, 2)->getMyString(), "0|0|0");
  auto fill = LoadText(LevelText({"scale = 1", "dims = 1, 1"}, {"row0 = \"2 1|4\""}));
  EXPECT_EQ(fill->tile.get(0, 0)->getMyString(), "2 1 0|4|||");
}

TEST_F(LevelFile, BackgroundNumberComesFromTheSecondPieceOfItsName) {
  const std::pair<const char*, int> cases[] = {{"gfx/backgrounds/background_A.jpg", 10},
                                               {"gfx/backgrounds/background_7.jpg", 7},
                                               {"gfx/backgrounds/background_x.jpg", 0},
                                               {"gfx/backgrounds/plain.jpg", 0}};
  for (const auto& [url, n] : cases) {
    TLevel level;
    level.backgroundUrl = url;
    StdoutLines([&] { EXPECT_EQ(level.GetBackGroundNr(), n) << url; });
  }
}

}  // namespace
}  // namespace sorvanta
