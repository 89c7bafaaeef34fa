#include "screens/pop_up.h"

#include <gtest/gtest.h>

#include "core/shell_test_support.h"
#include "gui/gui.h"
#include "gui/wrapped_text.h"
#include "platform/font.h"
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

// Every message stays inside its box on the panel (310 to 730, and above the
// buttons at 469): a name of fifteen wide letters is one word no line break
// can split, so it takes the smaller size, as a long notice does, and a
// folder's path too wide even then is broken where it must be.
TEST_F(PopUpTest, EveryMessageFitsItsBoxAndAShortOneKeepsTheDialogsSize) {
  const struct {
    std::string text;
    bool ownSize;
  } rows[] = {
      {"Leave the game?", true},
      {"Delete the player BRAM and all of their progress?", true},
      {"Delete the player MAXIMILIANMOORE and all of their progress?", false},
      {"Delete the player WWWWWWWWWWWWWWW and all of their progress?", false},
      {"Your progress cannot be saved: the disk is full. Folder: /home/someone/Library/Preferences/"
       ".Sorvanta/Profiles. You can play on; every save tries again.",
       false},
      {"Your settings could not be read, so the game starts with its own. The damaged file was kept as "
       "settings.dat.damaged in ~/Library/Preferences/.Sorvanta/Data.",
       false},
      {"Your progress cannot be saved: its folder was moved or renamed while the game ran. Folder: "
       "~/Library/Preferences/.Sorvanta. You can play on; every save tries again.",
       false},
  };
  auto fitsItsBox = [](const std::string& text) {
    const TPopUp::TMessage shown = popUp->message(text);
    SetImageFont(shown.font);
    const TSpecTextLayout layout = layoutSpecText(shown.text, 310, 270, 420, "CENTER", 1);
    EXPECT_LE(layout.height, 469 - 270) << text;
    for (const TSpecTextPiece& line : layout.pieces) {
      EXPECT_GE(line.x, 310) << line.text;
      EXPECT_LE(line.x + TextWidth(line.text), 730) << line.text;
    }
    return shown;
  };
  for (const auto& row : rows) EXPECT_EQ(fitsItsBox(row.text).font == popUp->_font, row.ownSize) << row.text;
  // Every length, a word at a time, from one line to many: each height
  // the largest size would reach (just over the room, too) takes a size
  // that fits.
  std::string text = "Saved";
  for (int words = 1; words < 60; ++words) {
    fitsItsBox(text);
    text += words % 3 ? " word" : " again";
  }
  const std::string cut = fitsItsBox(text + text).text;
  EXPECT_EQ(cut.substr(cut.size() - 3), "...") << "a message cut short says so";
}

}  // namespace
}  // namespace sorvanta
