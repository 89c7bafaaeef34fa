#include <gtest/gtest.h>

#include "support/stdout_lines.h"
#include "puzzle/puzzle_test_support.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

using test::StdoutLines;
using test::TempFolder;
using test::WriteFile;

std::string Le(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
  return s;
}

// A black 24-bit BMP of w x h (the loader goes by the bytes, not the name).
std::string Bmp(int w, int h) {
  const std::string pixels(static_cast<size_t>((w * 3 + 3) / 4 * 4 * h), '\0');
  return "BM" + Le(54 + pixels.size(), 4) + Le(0, 4) + Le(54, 4) + Le(40, 4) + Le(w, 4) + Le(h, 4) + Le(1, 2) +
         Le(24, 2) + Le(0, 4) + Le(pixels.size(), 4) + Le(2835, 4) + Le(2835, 4) + Le(0, 4) + Le(0, 4) + pixels;
}

class Tables : public test::PuzzleTest {
 protected:
  void SetUp() override {
    PuzzleTest::SetUp();
    bDir = dir_.path() + "/";
  }
  TempFolder dir_;
};

TEST_F(Tables, PiecesAndCellImagesLoadFirstDuplicateWinning) {
  for (int s = 0; s < 5; ++s) {
    WriteFile(dir_ / ("gfx/tiles/empty" + std::to_string(s) + ".png"), Bmp(30 + s, 20 + s));
    WriteFile(dir_ / ("gfx/tiles/x" + std::to_string(s) + ".png"), Bmp(10 + s, 10 + s));
  }
  WriteFile(dir_ / "gfx/p/a.png", Bmp(8, 6));
  WriteFile(dir_ / "data/atiles.dat",
            "tiles {\n\ti = 3\n"
            "\ttile1 {\n\t\tid = 7\n\t\tgfx2 = \"gfx/p/a.png\"\n\t}\n"
            "\ttile2 {\n\t\tid = 12\n\t}\n"
            "\ttile3 {\n\t\tid = 7\n\t}\n}\n");
  setupTiles();
  ASSERT_EQ(tilesData.size(), 3u);
  EXPECT_EQ(getTileDataById(7), tilesData.front());
  EXPECT_EQ(getTileDataById(12)->id, 12);
  EXPECT_EQ(getTileDataById(0), nullptr);
  EXPECT_EQ(ImageWidth(getTileDataById(7)->img[2]), 8);
  EXPECT_EQ(getTileDataById(7)->img[2]->handleX, 4);
  EXPECT_EQ(ImgWidth(TTile::empty[3]), 33);
  EXPECT_EQ(TTile::empty[3]->hx, 16);
  EXPECT_EQ(ImageHeight(TATile::empty[4]), 24);
  EXPECT_EQ(ImageWidth(TATile::xImg[1]), 11);
  EXPECT_EQ(TTile::empty[5], nullptr);
}

TEST_F(Tables, ColoursLoadSkippingIdsOutsideTheTallies) {
  WriteFile(dir_ / "data/colors.dat",
            "colors {\n\ti = 4\n"
            "\tcolor1 {\n\t\tid = 1\n\t}\n"
            "\tcolor2 {\n\t\tid = 20\n\t\trgb = 1, 2, 3\n\t}\n"
            "\tcolor3 {\n\t\tid = 4\n\t\trgb = 200, 100, 50\n\t\tshowRGB = 9, 8, 7\n\t}\n"
            "\tcolor4 {\n\t\tid = 4\n\t\trgb = 1, 1, 1\n\t}\n}\n");
  const auto lines = StdoutLines(setupColors);
  ASSERT_EQ(colorsList.size(), 3u);
  EXPECT_EQ(colorsList.front()->id, 1);
  EXPECT_EQ(getColorById(4)->rr, 200);
  EXPECT_EQ(getColorById(4)->showB, 7);
  EXPECT_EQ(getColorById(20), nullptr);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("id 20"), std::string::npos);

  // Without the cross entry the table is reported once.
  WriteFile(dir_ / "data/colors.dat", "colors {\n\ti = 1\n\tcolor1 {\n\t\tid = 4\n\t}\n}\n");
  const auto noCross = StdoutLines(setupColors);
  ASSERT_EQ(noCross.size(), 1u);
  EXPECT_NE(noCross[0].find("no colour of id 1"), std::string::npos);
}

TEST_F(Tables, MissingTablesAreEmpty) {
  StdoutLines([] {
    setupTiles();
    setupColors();
  });
  EXPECT_TRUE(tilesData.empty());
  EXPECT_TRUE(colorsList.empty());
  EXPECT_EQ(getColorById(1), nullptr);
  EXPECT_EQ(ImgWidth(TTile::empty[0]), 0);
}

// A colour of the level is judged over its cells' paint and clues.
TEST_F(Tables, ColourIsDoneWhenItsCluesAndPaintAgree) {
  struct Case {
    const char* what;
    int id;
    int paintA, paintB;  // paint of cells 0 and 1; solution is colour 4 there
    int clueCount;       // clue of colour 4 on cell 2, whose block holds cell 1 (-1: none)
    int want;
  } cases[] = {
      {"painted short", 4, 4, 0, -1, 0},
      {"clue satisfied", 4, 4, 4, 1, 1},
      {"one unsatisfied clue", 4, 4, 4, 2, 0},
  };
  for (const Case& k : cases) {
    auto level = test::MakeFillLevel(1, 3);
    level->tile.get(0, 0)->color = level->tile.get(0, 1)->color = Color(4);
    if (k.paintA) level->tile.get(0, 0)->putColor = Color(k.paintA);
    if (k.paintB) level->tile.get(0, 1)->putColor = Color(k.paintB);
    if (k.clueCount >= 0) {
      level->tile.get(0, 2)->number = Color(4);
      level->tile.get(0, 2)->count = k.clueCount;
    }
    level->COUNT_UserPutColorNumber();
    EXPECT_EQ(Color(k.id)->IsDone(*level), k.want) << k.what;
  }
  auto black = std::make_shared<TTile>();
  black->number = Color(7);
  EXPECT_EQ(Color(2)->ForceBlack(black), 0);
  black->putColor = Color(7);
  EXPECT_EQ(Color(2)->ForceBlack(black), 1);
  EXPECT_EQ(Color(2)->ForceBlack(nullptr), 0);
}

}  // namespace
}  // namespace sorvanta
