#include "leveltool/level_check.h"

#include <gtest/gtest.h>

#include "leveltool_test_support.h"

namespace sorvanta {
namespace {

const std::string kPicross =
    "ruleset picross\nsize 1\nbackground 2\nhints 0 3\nkey r 3\ngrid\n"
    "..r..\n..r..\nrrrrr\n..r..\n..r..\n";
const std::string kFill =
    "ruleset fill\nsize 0\nbackground 5\nhints 0 3\nkey r 2\nkey b 4\ngrid\n"
    "r r .  b b\nR r .B b B\nr r .  b b\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class LevelCheck : public test::LevelToolTest {
 protected:
  // The rules that failed for a level written from source, then edited.
  std::vector<std::string> FailedRules(const std::string& source, const std::string& from = "",
                                       const std::string& to = "") {
    const std::string path = Write(source);
    if (!from.empty()) test::WriteFile(path, Replace(test::ReadFile(path), from, to));
    std::vector<std::string> rules;
    for (const Finding& f : CheckLevelFile(path).findings)
      if (!f.warning) rules.push_back(f.rule);
    return rules;
  }
};

TEST_F(LevelCheck, GoodLevelsPass) {
  EXPECT_EQ(FailedRules(kPicross), std::vector<std::string>{});
  EXPECT_EQ(FailedRules(kFill), std::vector<std::string>{});
}

// One broken level per rule; each must fail with that rule named.
TEST_F(LevelCheck, EachRuleRejectsItsFixture) {
  const std::string twoByTwo = "ruleset picross\nsize 1\nbackground 2\nkey r 3\ngrid\n";
  struct Case {
    const char* what;
    std::string source, from, to;
    const char* rule;
  } cases[] = {
      {"two Picross solutions", twoByTwo + "r.\n.r\n", "", "", "unique"},
      {"a Fill colour swap", "ruleset fill\nsize 0\nbackground 5\nkey r 2\nkey b 4\ngrid\nr b .\n.R .B .\n. . .\n", "",
       "", "unique"},
      {"unique, not line-solvable", twoByTwo + "..rr\n..rr\nrr..\nr...\n", "", "", "line-solve"},
      {"a wrong count", kFill, "\"6 1 0|2|2||\"", "\"5 1 0|2|2||\"", "clue"},
      {"a short row", kFill, ", \"0 0 0||4||\"\n\t\trow1", "\n\t\trow1", "row-length"},
      {"an extra row", kPicross, "row4 =", "row5 = \"0|0|0\"\n\t\trow4 =", "row-length"},
      {"an unknown piece", kPicross, "\"3|0|0\"", "\"99|0|0\"", "piece-id"},
      {"an unknown colour", kFill, "\"0 0 0||4||\"", "\"0 0 0||17||\"", "colour-id"},
      {"pre-painted", kFill, "\"0 0 0||4||\"", "\"0 0 0||4|4|\"", "player-state"},
      {"an uncovered cell", kPicross, "\"3|0|0\"", "\"3|1|0\"", "player-state"},
      {"a stored time", kPicross, "time = 0", "time = 12", "player-state"},
      {"a Fill position off the board", kFill, "position = 225, 135", "position = 200, 135", "position"},
      {"a board too wide", "ruleset picross\nsize 0\nbackground 2\nkey r 3\ngrid\nrrrrrrrrrrrrrrrrrrrr\n", "", "",
       "layout"},
      {"no picture", twoByTwo + "r.\n..\n", "\"3|0|0\"", "\"0|0|0\"", "picture"},
      {"a ruleset 2", kPicross, "tryb = 1", "tryb = 2", "tryb"},
      {"twelve hints", kPicross, "hints = 0, 3", "hints = 0, 12", "hints"},
      {"a missing background", kPicross, "background_2", "background_0", "background"},
      {"a zero clue over colour", "ruleset fill\nsize 0\nbackground 5\nkey r 2\ngrid\nr R\n. .\n", "\"2 1 0|2|2||\"",
       "\"0 1 0|1|||\"", "clue"},
      {"nine colours",
       "ruleset fill\nsize 0\nbackground 5\nkey a 2\nkey b 3\nkey c 4\nkey d 5\nkey e 6\nkey f 7\n"
       "key g 8\nkey h 9\nkey i 10\ngrid\nA B C D E F G H I\n",
       "", "", "palette"},
      {"unreadable", kPicross, "level {", "", "read"},
  };
  for (const Case& k : cases) {
    const std::vector<std::string> rules = FailedRules(k.source, k.from, k.to);
    EXPECT_NE(std::find(rules.begin(), rules.end(), k.rule), rules.end())
        << k.what << ": wanted " << k.rule << ", got " << ::testing::PrintToString(rules);
  }
}

TEST_F(LevelCheck, WarnsOfAColourNoClueSees) {
  const std::string path = Write("ruleset fill\nsize 0\nbackground 5\nkey r 2\ngrid\nR r . .\nr r . r\n");
  const LevelReport report = CheckLevelFile(path);
  ASSERT_FALSE(report.findings.empty());
  EXPECT_EQ(report.findings.front().rule, "unclued");
  EXPECT_TRUE(report.findings.front().warning);
  EXPECT_NE(report.findings.front().message.find("row 1, column 3"), std::string::npos);
}

TEST_F(LevelCheck, FindsLevelFilesInATree) {
  Write(kPicross, "b/two.lvl");
  Write(kPicross, "a/one.lvl");
  test::WriteFile(dir_ / "a/notes.txt", "");
  EXPECT_EQ(FindLevelFiles(dir_.path()), (std::vector<std::string>{dir_ / "a/one.lvl", dir_ / "b/two.lvl"}));
}

}  // namespace
}  // namespace sorvanta
