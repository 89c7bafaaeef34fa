#include "screens/pop_up.h"

#include <gtest/gtest.h>

#include "core/shell_test_support.h"
#include "gui/gui.h"
#include "platform/input.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

struct Backdrop : TEkran {
  int draws = 0;
  void draw() override { ++draws; }
};

class PopUpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    popUp->setup();
    world.h().SetFrameCap(600);
  }
  // Asks a question (or, with showNo 0, shows a notice); frames counts what it took.
  int Ask(int showNo = 1) {
    int before = world.h().frames();
    int answer = showNo ? yesOrNo("Leave the game?", back) : showInfo("Saved.", back);
    frames = world.h().frames() - before;
    return answer;
  }
  ShellWorld world{shell_test::NoCapture()};
  std::shared_ptr<Backdrop> back = std::make_shared<Backdrop>();
  int frames = 0;
};

TEST_F(PopUpTest, KeysAnswerAndTheDialogClosesWhenItsRampsAreBack) {
  // Enter on the first frame: yes at once, closed as soon as the ramps,
  // which had only just begun to rise, are back at 0.
  world.h().HitKey(KEY_ENTER);
  EXPECT_EQ(Ask(), 1);
  EXPECT_LE(frames, 4);
  EXPECT_EQ(popUp->fade, 0.0f);
  EXPECT_EQ(popUp->alpha, 0.0f);
  EXPECT_EQ(popUp->txt, "Leave the game?");
  EXPECT_GT(back->draws, 0);

  world.h().Wait(30).HitKey(KEY_ESCAPE);
  EXPECT_EQ(Ask(), 0);
  EXPECT_GT(frames, 30);
  // Enter, then Escape while the dialog fades out: the last answer counts.
  world.h().Wait(20).HitKey(KEY_ENTER).Wait(2).HitKey(KEY_ESCAPE);
  EXPECT_EQ(Ask(), 0);
}

TEST_F(PopUpTest, ButtonsAnswerByClicksButAButtonHeldOnOpeningIsNoClick) {
  auto [yesX, yesY] = ShellWorld::Centre(popUp->gui, "yes");
  auto [noX, noY] = ShellWorld::Centre(popUp->gui, "no");
  world.ClickAt(yesX, yesY, 20);
  EXPECT_EQ(Ask(), 1);
  world.ClickAt(noX, noY, 20);
  EXPECT_EQ(Ask(), 0);

  // Pressed before the dialog opens, released over "no" inside it: Enter answers.
  world.h().MoveMouse(noX, noY).PressMouse(1);
  PollSystem();
  ASSERT_EQ(MouseDown(1), 1);
  world.h().Wait(20).ReleaseMouse(1).Wait(10).HitKey(KEY_ENTER);
  EXPECT_EQ(Ask(), 1);
}

TEST_F(PopUpTest, ANoticeShowsOneCentredOkAndKeysStillAnswer) {
  auto yes = popUp->gui->GetObject("yes"), no = popUp->gui->GetObject("no"), ok = popUp->gui->GetObject("ok");
  ASSERT_TRUE(yes && no && ok);
  auto [noX, noY] = ShellWorld::Centre(popUp->gui, "no");
  // A click where "no" would be does nothing; Escape answers 0.
  world.ClickAt(noX, noY, 20);
  world.h().Wait(10).HitKey(KEY_ESCAPE);
  EXPECT_EQ(Ask(0), 0);
  EXPECT_GT(frames, 30);
  // One answer, on the panel's middle (the panel spans 265 to 759).
  auto [okX, okY] = ShellWorld::Centre(popUp->gui, "ok");
  EXPECT_NEAR(okX, 512, 1);
  auto shows = [&](int question) {
    const std::pair<std::shared_ptr<TGuiObject>, int> rows[] = {{yes, question}, {no, question}, {ok, 1 - question}};
    for (const auto& [button, shown] : rows) {
      EXPECT_EQ(button->visible, shown) << button->id;
      EXPECT_EQ(button->active, shown) << button->id;
    }
  };
  shows(0);
  world.ClickAt(okX, okY, 20);
  EXPECT_EQ(Ask(0), 1);

  // A question shows "yes" and "no" again, without "ok".
  world.h().Wait(5).HitKey(KEY_ENTER);
  EXPECT_EQ(Ask(1), 1);
  shows(1);
}

// The game's longest notices stay inside the panel, above its button: a
// folder's path no line can break, a reason that takes a seventh line.
TEST_F(PopUpTest, TheLongestNoticesStayInsideThePanel) {
  for (const std::string text :
       {"Your settings could not be read, so the game starts with its own. The damaged file was kept as "
        "settings.dat.damaged in ~/Library/Preferences/.Sorvanta/Data.",
        "Your progress cannot be saved: its folder was moved or renamed while the game ran. Folder: "
        "~/Library/Preferences/.Sorvanta. You can play on; every save tries again."}) {
    popUp->txt = text;
    popUp->draw();  // leaves the font it drew with selected
    EXPECT_TRUE(TPopUp::fitsPanel(text)) << text;
  }
}

}  // namespace
}  // namespace sorvanta
