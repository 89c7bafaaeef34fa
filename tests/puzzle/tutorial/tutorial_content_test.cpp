// The shipped tutorial: it loads cleanly, and every tip fits the tutorial
// level it belongs to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "campaign/profile.h"
#include "core/globals.h"
#include "formats/text_utils.h"
#include "platform/font.h"
#include "platform/strings.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/level.h"
#include "puzzle/board/level_file.h"
#include "puzzle/board/number.h"
#include "puzzle/board/tile.h"
#include "puzzle/puzzle_test_support.h"
#include "puzzle/tutorial/arrow.h"
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

TEST_F(TutorialContent, EveryTipFitsItsLevelAndEveryTutorialLevelHasATip) {
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  lang = "en";
  test::LoadBoardArt();  // which cells are picture, so that the clues count
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
    std::string words;  // the tip's text in one line
    for (const auto& line : tip->txts) words += line + " ";
    // Only picture cells the player uncovers charge the hints (not breaks,
    // nor a hint's sparks): a sentence that speaks of charging says so.
    for (const std::string& sentence : rozbijTekst(words, ".", "", "")) {
      const bool charging = sentence.find("charge ") != std::string::npos || sentence.find("charges ") != std::string::npos;
      EXPECT_TRUE(!charging || (sentence.find("picture") != std::string::npos &&
                                sentence.find("uncover") != std::string::npos))
          << id << ": " << sentence;
    }
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
      }
      if (word == "SHOW-ROW-POSIBILITY") {
        ASSERT_TRUE(picross && TipNumber(line, 2) < level->rows) << id;
        ASSERT_GT(line.size(), 5u) << id << ": no pattern";
        for (size_t k = 5; k < line.size(); ++k) EXPECT_EQ(static_cast<int>(line[k].size()), level->cols) << id;
        // A row whose clues another row repeats is named by its place.
        std::vector<std::string> clues;
        for (const auto& row : level->numberRows) {
          std::string key;
          for (const auto& n : row->list) key += std::to_string(n->tiles.size()) + " ";
          clues.push_back(key);
        }
        const int shown = TipNumber(line, 2);
        ASSERT_LT(shown, static_cast<int>(clues.size())) << id;
        if (std::count(clues.begin(), clues.end(), clues[shown]) > 1) {
          const char* places[] = {"top", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth"};
          const std::string place = shown == level->rows - 1 ? "bottom row" : std::string(places[shown]) + " row";
          EXPECT_NE(words.find(place), std::string::npos) << id << ": says not which row it shows";
        }
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
    // The panel, as it is drawn, stays on the screen, its lines left of the side panel.
    SetImageFont(tip->font);
    EXPECT_LE(tip->panelY() + 10 + (TextHeight("A") + 2.0f) * tip->txts.size(), 768) << id;
    for (const auto& line : tip->txts) EXPECT_LE(TextWidth(line), 800) << id << ": " << line;
  }
  for (int level = 1; level <= 3; ++level) EXPECT_TRUE(taught.count({1, level})) << "Picross level " << level;
  for (int level = 1; level <= 7; ++level) EXPECT_TRUE(taught.count({0, level})) << "Fill level " << level;
}


// What a player may take an arrow's head for: clues, Picross cells and the
// side panel's parts, as boxes on the design screen.
struct Thing {
  std::string name;
  float x0, y0, x1, y1;
  bool clue;
  float Distance(float x, float y) const {
    return std::hypot(std::max({x0 - x, 0.0f, x - x1}), std::max({y0 - y, 0.0f, y - y1}));
  }
};

std::vector<Thing> ThingsOn(const TLevel& level) {
  std::vector<Thing> things;
  const float half = level.tileW * level.scale / 2;
  auto rc = [](int r, int c) { return std::to_string(r) + "," + std::to_string(c); };
  if (level.tryb == 1) {
    for (const auto& t : level.atiles.all())
      things.push_back({"cell " + rc(t->r, t->c), t->x - half, t->y - half, t->x + half, t->y + half, false});
    int r = 0;
    for (const auto& row : level.numberRows) {
      const auto first = level.atiles.get(r, 0);
      const int n = static_cast<int>(row->list.size());
      things.push_back({"row " + std::to_string(r++), row->clueX(n, first->x) - 12, first->y - 14.0f,
                        row->clueX(1, first->x) + 12, first->y + 14.0f, true});
    }
    int c = 0;
    for (const auto& col : level.numberCols) {
      const auto top = level.atiles.get(0, c);
      const int n = static_cast<int>(col->list.size());
      things.push_back({"col " + std::to_string(c++), top->x - 12.0f, col->clueY(n, top->y) - 14, top->x + 12.0f,
                        col->clueY(1, top->y) + 14, true});
    }
    things.push_back({"hand", 870, 260, 934, 316, false});
    things.push_back({"hook", 948, 260, 1006, 316, false});
    things.push_back({"mistakes", 884, 328, 999, 390, false});
  } else {
    for (const auto& t : level.tile.all())
      things.push_back({(t->number ? "clue " : "cell ") + rc(t->r, t->c), t->x - half, t->y - half, t->x + half,
                        t->y + half, t->number != nullptr});
    // The palette's entries, three to a row: the cross first, then the colours.
    for (int k = 0; k < static_cast<int>(level.availableColors.size()); ++k) {
      const float x = 854 + 46.0f * (k % 3), y = 241 + 46.0f * (k / 3);
      things.push_back({k ? "palette " + std::to_string(k) : "palette cross", x, y, x + 50, y + 50, false});
    }
  }
  things.push_back({"hints", 859, 446, 1021, 494, false});
  return things;
}

// Every arrow of the shipped tips, as its script places it, is drawn whole
// left of the side panel (which is drawn over the tips) at every step of its
// pulse, and its head's point stays nearer the thing its tip names than
// anything else a player could take it for, aimed at it and off the digits.
TEST_F(TutorialContent, EveryArrowsHeadIsSeenAndPointsAtWhatItsTipNames) {
  struct Row {
    const char* id;
    float x, y, rot;
    const char* target;
  } rows[] = {
      {"P1-CLUES", 200, 385, 270, "row 2"},     {"P1-CLUES", 428, 170, 0, "col 2"},
      {"P1-UNCOVER", 200, 385, 270, "row 2"},   {"P1-BREAK", 200, 301, 270, "row 0"},
      {"P1-FINISH", 428, 170, 0, "col 2"},      {"P2-EMPTY", 215, 428, 270, "row 4"},
      {"P2-EMPTY", 744, 288, 270, "hand"},     {"P2-MIDDLE", 443, 433, 180, "cell 3,2"},
      {"P2-MISTAKES", 744, 372, 270, "mistakes"}, {"P3-HINT", 744, 470, 270, "hints"},
      {"F2-EDGE", 263, 361, 270, "clue 1,0"},
      {"F2-CORNER", 487, 227, 0, "clue 0,3"},   {"F3-SQUARE", 352, 227, 0, "clue 0,0"},
      {"F3-CROSS", 397, 496, 180, "cell 2,1"},  {"F4-ZERO", 375, 496, 180, "cell 2,1"},
      {"F5-PALETTE", 744, 266, 270, "palette"}, {"F5-BLUE", 610, 360, 90, "clue 1,4"},
      {"F6-HINT", 744, 470, 270, "hints"},
  };
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  lang = "en";
  test::LoadBoardArt();
  tutorial = std::make_shared<TTutorial>();
  test::StdoutLines([] { tutorial->setup(); });
  size_t k = 0;
  for (const auto& tip : TTutorial::tipsList) {
    for (const auto& line : tip->allActions) {
      const std::string word = Upper(TipToken(line, 1));
      if (word == "ARROW" || word == "DOUBLE-ARROW") tip->runAction(line);
    }
    std::shared_ptr<TLevel> level;
    test::StdoutLines([&] { level = LoadLevel(TutorialLevelPath(tip->tryb, tip->numerLevelu)); });
    const auto things = ThingsOn(*level);
    std::string said;
    for (const auto& line : tip->txts) said += line + " ";
    // A part of the side panel an arrow points at is the part the words name.
    const std::map<std::string, std::string> partWords = {
        {"hand", "hand"}, {"hook", "hook"}, {"mistakes", "mistake"}, {"hints", "hint"}, {"palette", "palette"}};
    for (const auto& arrow : tip->arrows) {
      ASSERT_LT(k, std::size(rows)) << tip->id << ": an arrow the table lacks";
      const Row& row = rows[k++];
      EXPECT_EQ(tip->id, row.id);
      const auto part = partWords.find(row.target);
      EXPECT_TRUE(part == partWords.end() || said.find(part->second) != std::string::npos)
          << row.id << ": points at the " << row.target << " its words do not name";
      EXPECT_EQ(arrow->x, row.x) << row.id;
      EXPECT_EQ(arrow->y, row.y) << row.id;
      EXPECT_EQ(arrow->rot, row.rot) << row.id;
      const double dx = std::cos((arrow->rot + 90) * M_PI / 180), dy = std::sin((arrow->rot + 90) * M_PI / 180);
      for (arrow->p = 0; arrow->p <= 1.0f; arrow->p += 0.125f) {
        const float s = static_cast<float>(std::sin(arrow->p * M_PI / 2)), along = 42 * (0.7f + 0.3f * s),
                    across = 30 * (0.9f + 0.1f * s);
        const float cx = arrow->drawX(), cy = arrow->drawY();
        for (float a : {-along, along})
          for (float b : {-across, across}) {
            const double x = cx + a * dx - b * dy, y = cy + a * dy + b * dx;
            EXPECT_TRUE(x >= 0 && x < 812 && y >= 0 && y < 768) << row.id << ": hidden at " << x << ", " << y;
          }
        const float hx = cx + along * static_cast<float>(dx), hy = cy + along * static_cast<float>(dy);
        const Thing* nearest = nullptr;
        for (const auto& t : things)
          if (!nearest || t.Distance(hx, hy) < nearest->Distance(hx, hy)) nearest = &t;
        ASSERT_TRUE(nearest);
        // "palette" is any of its entries; a colour's entry is named by its number.
        const std::string target = row.target;
        EXPECT_TRUE(nearest->name == target || (target == "palette" && nearest->name.starts_with("palette ")))
            << row.id << ": the head at " << hx << ", " << hy << " is nearest " << nearest->name;
        const float inkX = (nearest->x0 + nearest->x1) / 2, inkY = (nearest->y0 + nearest->y1) / 2;
        EXPECT_TRUE(!nearest->clue || std::max(std::abs(hx - inkX), std::abs(hy - inkY)) > 12)
            << row.id << ": the head at " << hx << ", " << hy << " covers the digits at " << inkX << ", " << inkY;
        float reach = 0;  // followed along its direction, the head meets its thing
        while (reach < 400 && nearest->Distance(hx + reach * dx, hy + reach * dy) > 0) reach += 1;
        EXPECT_LT(reach, 400) << row.id << ": aimed past " << nearest->name;
      }
    }
  }
  EXPECT_EQ(k, std::size(rows));
}

// Every tip's words stand clear of the effects that can fly over them, which
// are drawn over the tips: on a Picross board the orbs from picture cells to
// the hint icons, the mistake rocks from any cell to the counter and the hint
// sparks from the icons to any cell, each on its curve through a corner of
// the screen; on a Fill board the sparkle over the cells and a clue's flash.
TEST_F(TutorialContent, EveryTipsWordsStandClearOfTheEffectsOverItsBoard) {
  const float kTrail = 32;  // an orb or a rock, with its sparks, around its path
  bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
  lang = "en";
  test::LoadBoardArt();
  tutorial = std::make_shared<TTutorial>();
  test::StdoutLines([] { tutorial->setup(); });
  for (const auto& tip : TTutorial::tipsList) {
    std::shared_ptr<TLevel> level;
    test::StdoutLines([&] { level = LoadLevel(TutorialLevelPath(tip->tryb, tip->numerLevelu)); });
    SetImageFont(tip->font);
    std::vector<Thing> words;
    float y = tip->panelY();
    for (const auto& line : tip->txts) {
      const float w = static_cast<float>(TextWidth(line)), h = static_cast<float>(TextHeight(line));
      words.push_back({line, 420 - std::floor(w / 2), y, 420 - std::floor(w / 2) + w, y + h, false});
      y += h + 2;
    }
    std::string hidden;  // the first line an effect covers, and by what
    auto cover = [&](float x, float y, float room, const std::string& what) {
      for (const auto& w : words)
        if (hidden.empty() && w.Distance(x, y) < room) hidden = "\"" + w.name + "\" under " + what;
    };
    const float half = level->tileW * level->scale / 2;
    if (level->tryb == 1) {
      const float corners[4][2] = {{0, 0}, {0, 768}, {1024, 0}, {1024, 768}};
      auto fly = [&](float x1, float y1, float x2, float y2, const std::string& what) {
        for (const auto& m : corners)
          for (int i = 0; i <= 100; ++i) {
            const float t = i / 100.0f;
            cover((x2 - 2 * m[0] + x1) * t * t + 2 * (m[0] - x1) * t + x1,
                  (y2 - 2 * m[1] + y1) * t * t + 2 * (m[1] - y1) * t + y1, kTrail, what);
          }
      };
      for (const auto& c : level->atiles.all()) {
        fly(c->x, c->y, 940, 380, "a rock");
        for (const auto& h : level->hints) {
          if (c->td) fly(c->x, c->y, h->x, h->y, "an orb");
          fly(h->x, h->y, c->x, c->y, "a hint's spark");
        }
      }
    } else {
      for (const auto& c : level->tile.all()) {
        cover(c->x, c->y, half + 16, "a hint's sparkle");  // a spark in the cell, 32 px at most
        if (c->number) cover(c->x, c->y, 1.3f * level->tileW + 16, "a clue's flash");
      }
    }
    EXPECT_EQ(hidden, "") << tip->id;
  }
}

}  // namespace
}  // namespace sorvanta
