// The tutorial file read into tips: lists, ids, texts, fonts, positions and
// script lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "puzzle/tutorial/tutorial.h"
#include "support/stdout_lines.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

constexpr const char* kTexts =
    "Title\n"
    "one#ENTER##ENTER#two\n"
    "ends#ENTER#\n"
    "\n";

// Five tips; tip 2 belongs to no level.
constexpr const char* kFile = R"(tutorial {
  i = 5
  txtFile = "txt/#LANG#/tips.txt"
  tut1 {
    id = "first"
    title = 1
    txt = 2
    tryb = 1
    screen = "main-game"
    level = 1
    font = "big"
    pos = "position 100 250"
    conds = 2
    condition1 = "FADE 0"
    actions = 2
    action1 = "SHOW-ME"
    action2 = "ARROW  300 200"
    eraseConds = 1
    eraseCondition1 = "MOUSE LEFT"
  }
  tut2 {
    id = "Special"
    txt = 3
    level = 0
    font = "HUGE"
  }
  tut3 {
    id = "third"
    txt = 4
    level = 2
    font = "Medium"
    pos = "somewhere else"
  }
  tut4 {
    id = "fourth"
    level = 3
    pos = "POSITION 7"
  }
  tut5 {
    id = "FIRST"
    level = 1
  }
}
)";

using Tokens = std::vector<std::string>;

TEST(TutorialFile, LoadsTipsWithTheirTextsFontsPositionsAndLines) {
  test::TempFolder folder;
  test::WriteFile(folder / "data/tutorial.dat", kFile);
  test::WriteFile(folder / "txt/en/tips.txt", kTexts);
  bDir = folder.path() + "/";
  lang = "en";
  tutorial = std::make_shared<TTutorial>();
  const auto out = test::StdoutLines([] { tutorial->setup(); });

  ASSERT_EQ(TTutorial::tipsList.size(), 4u);
  ASSERT_EQ(TTutorial::specialTipsList.size(), 1u);
  EXPECT_EQ(TTutorial::specialTipsList.front()->id, "SPECIAL");
  std::vector<std::string> ids;
  for (const auto& t : TTutorial::tipsList) ids.push_back(t->id);
  EXPECT_EQ(ids, (std::vector<std::string>{"FIRST", "THIRD", "FOURTH", "FIRST"}));

  auto first = tutorial->getTipById("First");
  ASSERT_TRUE(first);
  EXPECT_EQ(first, TTutorial::tipsList.front()) << "the first of two equal ids";
  EXPECT_EQ(tutorial->getTipById("special"), TTutorial::specialTipsList.front());
  EXPECT_FALSE(tutorial->getTipById("none"));
  EXPECT_EQ(first->title, "Title");
  EXPECT_EQ(first->screen, "MAIN-GAME");
  EXPECT_EQ(first->tryb, 1);

  // Display lines, fonts and panel positions, tip by tip.
  struct Row {
    const char* id;
    std::vector<std::string> lines;
    int font;
    float x, y;
  } rows[] = {
      {"FIRST", {"one", "", "two"}, 2, 100, 250},
      {"SPECIAL", {"ends"}, 0, 400, 300},
      {"THIRD", {}, 1, 400, 300},                                // an empty text; a position of no known form
      {"FOURTH", {"(BEYOND TEXT ARRAY LENGTH!)"}, 0, 400, 300},  // no text line; one number only
  };
  for (const auto& row : rows) {
    auto tip = tutorial->getTipById(row.id);
    ASSERT_TRUE(tip) << row.id;
    EXPECT_EQ(tip->txts, row.lines) << row.id;
    EXPECT_EQ(tip->font, tutorial->font[row.font]) << row.id;
    ASSERT_TRUE(tip->dim) << row.id;
    EXPECT_EQ(tip->dim->x, row.x) << row.id;
    EXPECT_EQ(tip->dim->y, row.y) << row.id;
  }
  int positionWarnings = 0;
  for (const auto& line : out) positionWarnings += line.find("position") != std::string::npos;
  EXPECT_EQ(positionWarnings, 2) << "both unplaced tips are reported";

  // Script lines: the missing second condition is an empty line; two spaces
  // give an empty token.
  EXPECT_EQ(first->conditions, (std::vector<Tokens>{{"FADE", "0"}, {}}));
  EXPECT_EQ(first->allActions, (std::vector<Tokens>{{"SHOW-ME"}, {"ARROW", "", "300", "200"}}));
  EXPECT_TRUE(first->actions.empty());
  EXPECT_EQ(first->eraseConds, (std::vector<Tokens>{{"MOUSE", "LEFT"}}));
}

}  // namespace
}  // namespace sorvanta
