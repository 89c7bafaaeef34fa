// The mode picker and the continue dialog over the main menu: the pips of
// the stages passed, which clicks and keys count, and the answer returned.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "core/shell_test_support.h"
#include "platform/input.h"
#include "platform/video.h"
#include "screens/pick_tryb.h"
#include "screens/quest_continue.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

struct PassedProfile : TProfile {
  int picross = 0, fill = 0;
  int QUEST_GetPicrossStagesPassed() const override { return picross; }
  int QUEST_GetFillStagesPassed() const override { return fill; }
};

bool Lit(std::uint32_t argb) { return ((argb >> 16) & 0xff) + ((argb >> 8) & 0xff) + (argb & 0xff) > 300; }

TEST(PickTryb, LightsOnePipPerStagePassedAndBlinksTheNext) {
  ShellWorld world;
  pickTryb = std::make_shared<TPickTryb>();
  test::StdoutLines([] { pickTryb->setup(); });
  auto player = std::make_shared<PassedProfile>();
  profileManager->profile = player;
  struct Row {
    int picross, fill;
  } rows[] = {{0, 3}, {3, 0}, {12, 10}, {9, 1}};
  for (const Row& row : rows) {
    player->picross = row.picross;
    player->fill = row.fill;
    pickTryb->prepare();
    pickTryb->alpha = 1;
    for (float blink : {0.0f, 1.0f}) {
      pickTryb->stagePer = pickTryb->dStagePer = blink;  // standing at a turn: drawn as it stands
      Cls();
      pickTryb->draw();
      world.h().Frame();
      for (int i = 1; i <= kPickTrybPips; ++i)
        for (auto [x0, passed] : {std::pair{294, row.picross}, std::pair{540, row.fill}}) {
          const bool lit = i <= passed || (blink == 1 && i == passed + 1);
          EXPECT_EQ(Lit(world.h().Pixel(x0 + 18 * i, 490)), lit)
              << "pip " << i << " of the row at " << x0 << ", " << passed << " passed, blink " << blink;
        }
    }
  }
}

TEST(PickTryb, OnlyItsButtonsCloseItAndTheLastClickChooses) {
  struct Row {
    const char* name;
    std::vector<const char*> clicks;
    int mode;
  } rows[] = {
      {"Picross", {"mesalor"}, 1},
      {"Fill", {"normal"}, 0},
      {"Fill, then Picross while it closes", {"normal", "mesalor"}, 1},
      {"Picross, then Fill while it closes", {"mesalor", "normal"}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ShellWorld world(shell_test::NoCapture());
    pickTryb = std::make_shared<TPickTryb>();
    test::StdoutLines([] { pickTryb->setup(); });
    profileManager->profile = std::make_shared<TProfile>();
    world.h().SetFrameCap(400);
    world.h().Wait(2).HitKey(KEY_ESCAPE).Wait(2).HitKey(KEY_ENTER).Wait(2).HitKey(KEY_SPACE);
    int wait = 14;  // the first click once the panel is shown, the next while it closes
    for (const char* name : row.clicks) {
      auto at = ShellWorld::Centre(pickTryb->gui, name);
      world.ClickAt(at.first, at.second, wait);
      wait = 2;
    }
    EXPECT_EQ(pickTryb->mainloop(), row.mode);
    EXPECT_GT(world.h().frames(), 20);
    EXPECT_EQ(pickTryb->alpha, 0);
  }
}

TEST(QuestContinue, AnswersOnlyWhileFullyShown) {
  struct Row {
    const char* name;
    std::function<void(ShellWorld&)> script;
    const char* answer;
  };
  auto click = [](ShellWorld& w, const char* name, int wait) {
    auto at = ShellWorld::Centre(continueQuest->gui, name);
    w.ClickAt(at.first, at.second, wait);
  };
  const Row rows[] = {
      {"resume", [&](ShellWorld& w) { click(w, "resume", 20); }, "CONTINUE"},
      {"exit", [&](ShellWorld& w) { click(w, "exit", 20); }, ""},
      {"a click while it opens is lost", [&](ShellWorld& w) { click(w, "resume", 2), click(w, "exit", 20); }, ""},
      {"a second click while it closes changes nothing",
       [&](ShellWorld& w) { click(w, "resume", 20), click(w, "exit", 2); }, "CONTINUE"},
      {"new, refused, then new, confirmed",
       [&](ShellWorld& w) {
         click(w, "new", 20), w.h().Wait(30).HitKey(KEY_ESCAPE);
         click(w, "new", 40), w.h().Wait(30).HitKey(KEY_ENTER);
       },
       "NEW"},
      {"new, refused, then exit",
       [&](ShellWorld& w) { click(w, "new", 20), w.h().Wait(30).HitKey(KEY_ESCAPE), click(w, "exit", 40); }, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ShellWorld world(shell_test::NoCapture());
    continueQuest = std::make_shared<TQuestContinue>();
    test::StdoutLines([] { continueQuest->setup(), popUp->setup(); });
    world.h().SetFrameCap(600);
    row.script(world);
    EXPECT_EQ(continueQuest->mainLoop(), row.answer);
  }
}

}  // namespace
}  // namespace sorvanta
