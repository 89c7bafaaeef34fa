// The shipped tutorial: it loads cleanly, and every tip fits the tutorial
// level it belongs to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include "campaign/profile.h"
#include "core/globals.h"
#include "platform/font.h"
#include "platform/strings.h"
#include "puzzle/board/level_file.h"
#include "puzzle/puzzle_test_support.h"
#include "puzzle/tutorial/tutorial.h"
#include "support/stdout_lines.h"

namespace sorvanta {
namespace {

const std::set<std::string> kConditions = {"FADE", "TIP-EXECUTED", "LEVEL"};
const std::set<std::string> kActions = {"GUI-OFF",
                                        "WAIT",
                                        "SHOW-ME",
                                        "HIDE-ME",
                                        "ARROW",
                                        "DOUBLE-ARROW",
                                        "LIGHT-UP",
                                        "SET-ZADANIE",
                                        "TURN-OFF",
                                        "TURN-ON",
                                        "TURN-ON-WITH-LIGHT",
                                        "SHOW-ROW-POSIBILITY"};
const std::set<std::string> kEraseConditions = {"MOUSE",          "ROW-CLEAR", "COL-CLEAR", "CLEARED",
                                                "LEVEL-FINISHED", "6-DONE",    "9-DONE"};
// Words that name cells of a Picross board, with the token of their row.
const std::map<std::string, int> kCellWords = {{"LIGHT-UP", 2}, {"SET-ZADANIE", 2},        {"TURN-OFF", 2},
                                               {"TURN-ON", 2},  {"TURN-ON-WITH-LIGHT", 2}, {"CLEARED", 2}};

class TutorialContent : public test::PuzzleTest {};

// The Picross tools as the side panel draws them: 64 px pictures centred
// at y 288, the hand at x 898, the hook at x 978.
std::string ToolAimedAt(int x, int y, int rot) {
  const double dx = std::cos((rot + 90) * M_PI / 180), dy = std::sin((rot + 90) * M_PI / 180);
  for (int step = 0; step < 600; ++step) {
    const double px = x + dx * step, py = y + dy * step;
    if (std::abs(py - 288) > 32) continue;
    if (std::abs(px - 898) <= 32) return "hand";
    if (std::abs(px - 978) <= 32) return "hook";
  }
  return "";
}

std::string FirstToolNamed(const std::string& text) {
  const auto hand = text.find("hand"), hook = text.find("hook");
  if (hand == std::string::npos && hook == std::string::npos) return "";
  return hook < hand ? "hook" : "hand";
}

TEST_F(TutorialContent, EveryTipFitsItsLevelAndEveryTutorialLevelHasATip) {
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  lang = "en";
  tutorial = std::make_shared<TTutorial>();
  const auto out = test::StdoutLines([] { tutorial->setup(); });
  EXPECT_TRUE(out.empty()) << out.front();
  ASSERT_FALSE(TTutorial::tipsList.empty());
  EXPECT_TRUE(TTutorial::specialTipsList.empty());

  std::set<std::pair<int, int>> taught;
  std::set<std::string> ids;
  for (const auto& tip : TTutorial::tipsList) {
    const std::string& id = tip->id;
    EXPECT_TRUE(ids.insert(id).second) << id << " twice";
    ASSERT_TRUE(tip->tryb == 0 || tip->tryb == 1) << id;
    EXPECT_EQ(tip->screen, "MAIN-GAME") << id;
    EXPECT_NE(tip->txt, "(BEYOND TEXT ARRAY LENGTH!)") << id;
    std::shared_ptr<TLevel> level;
    test::StdoutLines([&] { level = LoadLevel(TutorialLevelPath(tip->tryb, tip->numerLevelu)); });
    ASSERT_TRUE(level && level->hasCells()) << id << ": no level " << tip->numerLevelu;
    taught.insert({tip->tryb, tip->numerLevelu});
    const bool picross = level->tryb == 1;

    for (const auto& line : tip->conditions) {
      EXPECT_TRUE(kConditions.count(Upper(TipToken(line, 1)))) << id;
      EXPECT_TRUE(Upper(TipToken(line, 1)) != "TIP-EXECUTED" || tutorial->getTipById(TipToken(line, 2)))
          << id << " waits for a tip that does not exist";
    }
    auto onBoard = [&](const TTipTokens& line, int first) {
      return picross && level->atiles.get(TipNumber(line, first), TipNumber(line, first + 1)) != nullptr;
    };
    for (const auto& line : tip->allActions) {
      const std::string word = Upper(TipToken(line, 1));
      EXPECT_TRUE(kActions.count(word)) << id << ": " << word;
      EXPECT_TRUE(!kCellWords.count(word) || Upper(TipToken(line, 2)) == "ALL" || onBoard(line, 2))
          << id << ": " << word;
      EXPECT_TRUE(!word.starts_with("TURN-") || picross) << id << ": " << word;
      if (word == "ARROW" || word == "DOUBLE-ARROW") {
        EXPECT_TRUE(TipNumber(line, 2) >= 0 && TipNumber(line, 2) < 840)
            << id << ": arrows stay left of the side panel";
        EXPECT_TRUE(TipNumber(line, 3) >= 0 && TipNumber(line, 3) < 768) << id;
        // Followed along its direction, an arrow that meets the tools meets
        // first the one its tip names.
        const std::string named = FirstToolNamed(tip->txt);
        if (picross && !named.empty()) {
          const std::string aimed = ToolAimedAt(TipNumber(line, 2), TipNumber(line, 3), TipNumber(line, 4));
          EXPECT_TRUE(aimed.empty() || aimed == named) << id << ": the arrow points at the " << aimed;
        }
      }
      if (word == "SHOW-ROW-POSIBILITY") {
        ASSERT_TRUE(picross && TipNumber(line, 2) < level->rows) << id;
        ASSERT_GT(line.size(), 5u) << id << ": no pattern";
        for (size_t k = 5; k < line.size(); ++k) EXPECT_EQ(static_cast<int>(line[k].size()), level->cols) << id;
      }
    }
    for (const auto& line : tip->eraseConds) {
      const std::string word = Upper(TipToken(line, 1));
      EXPECT_TRUE(kEraseConditions.count(word)) << id << ": " << word;
      EXPECT_TRUE(word != "CLEARED" || onBoard(line, 2)) << id;
      EXPECT_TRUE(word != "ROW-CLEAR" || (picross && TipNumber(line, 2) < level->rows)) << id;
      EXPECT_TRUE(word != "COL-CLEAR" || (picross && TipNumber(line, 2) < level->cols)) << id;
      EXPECT_TRUE((word != "6-DONE" && word != "9-DONE") ||
                  (!picross && level->rows >= 3 && level->cols >= (word == "6-DONE" ? 2 : 3)))
          << id;
    }
    // The panel stays on the screen, its lines left of the side panel.
    EXPECT_LT(tip->panelY() + 20 + 40.0f * tip->txts.size(), 768) << id;
    SetImageFont(tip->font);
    for (const auto& line : tip->txts) EXPECT_LE(TextWidth(line), 800) << id << ": " << line;
  }
  for (int level = 1; level <= 3; ++level) EXPECT_TRUE(taught.count({1, level})) << "Picross level " << level;
  for (int level = 1; level <= 7; ++level) EXPECT_TRUE(taught.count({0, level})) << "Fill level " << level;
}

}  // namespace
}  // namespace sorvanta
