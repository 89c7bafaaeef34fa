// The shipped Picross campaign grows harder as the validator measures it:
// its effort rules, checked over every stage's level files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "formats/rcm_file.h"
#include "leveltool/level_check.h"
#include "leveltool/line_solver.h"
#include "leveltool_test_support.h"
#include "platform/strings.h"

namespace sorvanta {
namespace {

struct ShippedLevel {
  std::string name;
  int effort = 0;
  double detail = 0;  // share of rows and columns of two runs or more
};
using Stage = std::vector<ShippedLevel>;

ShippedLevel Measure(const std::string& path) {
  const LevelReport report = CheckLevelFile(path);
  EXPECT_FALSE(report.failed()) << path;
  auto file = loadRCMFile(path);
  const int rows = TextToInt(file->getString("level::data::dims", 0));
  const int cols = TextToInt(file->getString("level::data::dims", 1));
  std::vector<std::vector<bool>> picture(rows, std::vector<bool>(cols));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const std::string cell = file->getString("level::tiles::row" + std::to_string(r), c);
      picture[r][c] = TextToInt(cell.substr(0, cell.find('|'))) != 0;
    }
  const PicrossClues clues = CluesOf(picture);
  int several = 0;
  for (const auto* lines : {&clues.rows, &clues.cols})
    for (const auto& runs : *lines) several += runs.size() > 1;
  return {path, report.effort, static_cast<double>(several) / (rows + cols)};
}

double Median(const Stage& stage) {
  std::vector<int> e;
  for (const auto& level : stage) e.push_back(level.effort);
  std::sort(e.begin(), e.end());
  const size_t n = e.size();
  return n % 2 ? e[n / 2] : (e[n / 2 - 1] + e[n / 2]) / 2.0;
}

class CampaignEffort : public test::LevelToolTest {};

TEST_F(CampaignEffort, PicrossStagesGrowHarderAndEndOnADetailedPicture) {
  std::vector<Stage> stages;
  for (int s = 1;; ++s) {
    Stage stage;
    for (int l = 1;; ++l) {
      char name[48];
      std::snprintf(name, sizeof name, "data/levelSM/s%02d-%02d.lvl", s, l);
      if (!std::filesystem::exists(test::kAssets + name)) break;
      stage.push_back(Measure(test::kAssets + name));
    }
    if (stage.empty()) break;
    stages.push_back(stage);
  }
  ASSERT_EQ(stages.size(), 10u);

  using Rule = std::function<std::string(size_t, const Stage&)>;  // what breaks the rule in a stage, or ""
  const std::vector<std::pair<std::string, Rule>> rules = {
      {"the median effort rises",
       [&](size_t s, const Stage& stage) {
         return s == 0 || Median(stage) > Median(stages[s - 1]) ? "" : "median " + std::to_string(Median(stage));
       }},
      {"the last level is at or above the median",
       [](size_t, const Stage& stage) {
         return stage.back().effort >= Median(stage) ? "" : stage.back().name;
       }},
      {"from stage 3 on a level has a line of two runs",
       [](size_t s, const Stage& stage) {
         for (const auto& level : stage)
           if (s >= 2 && level.detail == 0) return level.name;
         return std::string();
       }},
      {"the campaign ends on a detailed picture among the hardest quarter",
       [&](size_t s, const Stage& stage) {
         if (s + 1 != stages.size()) return std::string();
         std::vector<int> e;
         for (const auto& level : stage) e.push_back(level.effort);
         std::sort(e.begin(), e.end());
         const ShippedLevel& last = stage.back();
         const bool hard = last.effort >= e[e.size() * 3 / 4];
         return hard && last.detail >= 0.4 ? "" : last.name;
       }},
  };
  for (const auto& [rule, broken] : rules)
    for (size_t s = 0; s < stages.size(); ++s) {
      const std::string what = broken(s, stages[s]);
      EXPECT_EQ(what, "") << rule << ": stage " << s + 1;
    }
}

}  // namespace
}  // namespace sorvanta
