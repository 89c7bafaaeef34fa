// Both tutorials played from a new campaign through the state table, as a
// player following the tips would: wait for each tip, then click where it
// asks. Every tip of the mode starts and is erased in file order, and what
// its arrows point at is there while it shows.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "../puzzle/play_test_support.h"
#include "app/app.h"
#include "app/control.h"
#include "campaign/level_manager.h"
#include "core/states.h"
#include "gui/img.h"
#include "platform/strings.h"
#include "puzzle/board/atile.h"
#include "puzzle/board/color.h"
#include "puzzle/board/hint.h"
#include "puzzle/board/tile.h"
#include "puzzle/tutorial/arrow.h"
#include "puzzle/tutorial/tutorial.h"
#include "story/intro.h"
#include "support/shot.h"

namespace sorvanta {
namespace {

struct StraightToPlay : TIntro {
  std::string mainloop() override { return kStateMainGame; }
};

// A hint icon of the side panel at height y (at any, when none is given),
// charged unless any will do; none if there is none.
std::shared_ptr<THint> HintAt(const TLevel& level, std::optional<float> y, bool charged = true) {
  for (const auto& hint : level.hints)
    if (hint && (!charged || hint->t == 0) && (!y || std::abs(hint->y - *y) <= 25)) return hint;
  return nullptr;
}

// What a tip's arrow right of the board, at height y, points at in the side
// panel that is not there while the tip shows; none if all is there.
const char* MissingTarget(const test::ScriptedGame& g, float y) {
  if (HintAt(*g.level, y, false) && !HintAt(*g.level, y)) return "a charged hint";
  const bool onPaint = g.level->tryb == 0 && y >= 510 && y <= 510 + ImgHeight(g.pomButton[0]);
  if (onPaint && !g.dButA) return "the Stray paint button";
  return nullptr;
}

// With SORVANTA_SHOT_DIR set, each tip once shown, and each step of a row
// demonstration, is written there as a picture.
class TutorialCampaign : public test::PlayTest, public ::testing::WithParamInterface<int> {
 protected:
  // Thousands of frames, read only for the pictures.
  TutorialCampaign() : PlayTest(test::ShotFolder() ? HarnessOptions{} : shell_test::SmallWindow()) {}
  void SetUp() override {
    PlayTest::SetUp();
    UseShippedPlayScreen();
    test::StdoutLines([&] {
      tutorial = std::make_shared<TTutorial>();
      tutorial->setup();
      levelManager = std::make_shared<TLevelManager>();
      levelManager->setup();
    });
    summary = std::make_shared<test::AnsweringSummary>();
    levelSummary = summary;
    intro = std::make_shared<StraightToPlay>();
    registerAllStates();
  }
  Harness& h() { return world.h(); }
  // Picross: the right action on each cell not yet acted on.
  void Act(const std::shared_ptr<TATile>& t) {
    if (t && !t->isDone()) Click(static_cast<float>(t->x), static_cast<float>(t->y), t->td ? 1 : 2);
  }
  // Fill: the solution's cells inside rows 0..rows-1, columns 0..cols-1, colour by colour.
  void Paint(TLevel& level, int rows, int cols) {
    for (const auto& c : level.availableColors) {
      if (c->id < 2) continue;
      bool picked = false;
      for (const auto& t : level.tile.all()) {
        if (t->color != c || t->putColor == c || t->r >= rows || t->c >= cols) continue;
        if (!picked) {
          auto [px, py] = PaletteEntry(c);
          Click(px, py);
          picked = true;
        }
        Click(t->x, t->y);
      }
    }
  }
  // A curious player: a charged hint is the first place a "click to go on"
  // lands, and a hint the tip points at is used at once (in Fill, on the
  // first cell not yet right).
  bool TryHint(TLevel& level, const std::shared_ptr<THint>& hint) {
    if (!hint) return false;
    Click(hint->x, hint->y);
    if (level.tryb == 0)
      for (const auto& t : level.tile.all())
        if (t->color && t->putColor != t->color) {
          Click(t->x, t->y);
          break;
        }
    return true;
  }
  void Finish(TLevel& level) {
    if (level.tryb == 1)
      for (const auto& t : level.atiles.all())
        if (t->td) Act(t);
    if (level.tryb == 0) Paint(level, level.rows, level.cols);
  }
  // What a player does for the running tip's erase conditions.
  void Follow(const TTutorialTip& tip, TLevel& level) {
    for (const auto& line : tip.eraseConds) {
      const std::string word = Upper(TipToken(line, 1));
      const int a = TipNumber(line, 2), b = TipNumber(line, 3);
      if (word == "MOUSE" && !TryHint(level, HintAt(level, std::nullopt))) Click(100, 700);
      if (word == "CLEARED") Act(level.atiles.get(a, b));
      if (word == "ROW-CLEAR")
        for (int c = 0; c < level.cols; ++c) Act(level.atiles.get(a, c));
      if (word == "COL-CLEAR")
        for (int r = 0; r < level.rows; ++r) Act(level.atiles.get(r, a));
      if (word == "6-DONE" || word == "9-DONE") Paint(level, 3, word == "6-DONE" ? 2 : 3);
      if (word == "LEVEL-FINISHED") Finish(level);
    }
  }
  std::shared_ptr<test::AnsweringSummary> summary;
};

TEST_P(TutorialCampaign, EveryTipOfTheModeStartsAndIsErasedInOrder) {
  const int tryb = GetParam();
  std::vector<std::string> expected, started, erased;
  for (const auto& tip : TTutorial::tipsList)
    if (tip->tryb == tryb) expected.push_back(tip->id);
  std::shared_ptr<TTutorialTip> last;
  std::map<const TTutorialTip*, int> askedAt;
  std::set<const TTutorialTip*> seenErased;
  int levels = 0;
  bool shownBefore = false;
  std::map<const TTutorialTip*, std::set<int>> watched;
  std::set<std::string> shots, pointless;
  std::set<const TTutorialTip*> hintTried;
  int lastTip = 0;
  game->script = [&](test::ScriptedGame& g, int f) {
    auto tip = tutorial->actTip;
    if (tip && tip != last) started.push_back(tip->id);
    last = tip;
    if (tip && tip->erase && seenErased.insert(tip.get()).second) erased.push_back(tip->id);
    // A shown tip's words and arrows hold: what an arrow points at is there.
    if (tip && !tip->erase && tip->a == 1)
      for (const auto& arrow : tip->arrows)
        if (const char* missing = arrow->x >= 700 ? MissingTarget(g, arrow->y) : nullptr)
          pointless.insert(tip->id + " points at " + missing + " that is not there");
    // The frame drawn last is this one's predecessor: shot once it showed the tip whole.
    if (tip && shownBefore && test::ShotFolder()) {
      std::string name = tip->id;
      if (tip->actPosibility) name += "-step" + std::to_string(tip->actPosibility->actPos);
      if (shots.insert(name).second) test::Shot(h(), name);
    }
    shownBefore = tip && tip->a == 1;
    if (tip) lastTip = f;
    // A level whose tips are all done is finished on the player's own.
    if (!tip && g.state == kPlayNormal && h().ScriptDone() && f - lastTip > 300) {
      lastTip = f;
      Finish(*g.level);
    }
    if (!tip || tip->erase || tip->a < 1 || g.state != kPlayNormal || !h().ScriptDone()) return;
    if (TipToken(tip->actAction, 1) == "WAIT") return;  // it asks for nothing yet
    if (hintTried.insert(tip.get()).second) {
      bool used = false;
      for (const auto& arrow : tip->arrows)
        if (!used && arrow->x >= 700) used = TryHint(*g.level, HintAt(*g.level, arrow->y));
      if (used) return;
    }
    if (auto demo = tip->actPosibility) {               // watched to its last step
      auto& steps = watched[tip.get()];
      steps.insert(demo->actPos);
      if (steps.size() < demo->pos.size()) return;
    }
    auto asked = askedAt.find(tip.get());
    if (asked != askedAt.end() && f - asked->second < 300) return;
    askedAt[tip.get()] = f;
    Follow(*tip, *g.level);
  };
  h().SetFrameCap(60000);
  std::string state = tryb == 1 ? kStateNewGamePicross : kStateNewGameFill;
  TControl control;
  // A new campaign drops a running tip and makes every level tip pending.
  tutorial->actTip = TTutorial::tipsList.back();
  test::StdoutLines([&] { state = control.runState(state); });
  EXPECT_FALSE(tutorial->actTip);
  EXPECT_EQ(std::vector<std::shared_ptr<TTutorialTip>>(player->lekcjeTutoriala.begin(), player->lekcjeTutoriala.end()),
            std::vector<std::shared_ptr<TTutorialTip>>(TTutorial::tipsList.begin(), TTutorial::tipsList.end()));
  test::StdoutLines([&] {
    for (int step = 0; step < 40; ++step) {
      if (state == kStateMainGame) ++levels;
      if (state != kStateNewGamePicross && state != kStateNewGameFill && state != kStateIntro &&
          state != kStateMainGame && state != kStateNextLevel)
        break;
      state = control.runState(state);
    }
  });
  EXPECT_EQ(levels, tryb == 1 ? 3 : 7);
  EXPECT_TRUE(state == kStateMapScreen || state == kStateStageScreen) << state;
  EXPECT_EQ(started, expected);
  EXPECT_EQ(erased, expected);
  EXPECT_EQ(pointless, std::set<std::string>());
  for (const auto& tip : player->lekcjeTutoriala) EXPECT_FALSE(tip && tip->tryb == tryb) << tip->id << " still pending";
}

INSTANTIATE_TEST_SUITE_P(BothModes, TutorialCampaign, ::testing::Values(1, 0),
                         [](const auto& info) { return info.param == 1 ? "Picross" : "Fill"; });

}  // namespace
}  // namespace sorvanta
