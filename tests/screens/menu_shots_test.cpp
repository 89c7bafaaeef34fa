// Headless pictures of the title screen, the mode picker, the continue
// dialog and the credits, for looking at: written as PPM files into
// $SORVANTA_SHOT_DIR (skipped without it). Always checked: the pictures show
// through the openings and the panels stand where the dialogs draw them.
#include <gtest/gtest.h>

#include "core/shell_test_support.h"
#include "gui/gui.h"
#include "platform/video.h"
#include "screens/credits.h"
#include "screens/main_menu.h"
#include "screens/pick_tryb.h"
#include "screens/quest_continue.h"
#include "support/shot.h"

namespace sorvanta {
namespace {

int Brightness(std::uint32_t argb) { return ((argb >> 16) & 255) + ((argb >> 8) & 255) + (argb & 255); }

struct PassedProfile : TProfile {
  int QUEST_GetPicrossStagesPassed() const override { return 4; }
  int QUEST_GetFillStagesPassed() const override { return 1; }
};

TEST(MenuShots, TitlePickerContinueAndCredits) {
  shell_test::ShellWorld world;
  profileManager->profile = std::make_shared<PassedProfile>();
  pickTryb = std::make_shared<TPickTryb>();
  continueQuest = std::make_shared<TQuestContinue>();
  auto roll = std::make_shared<TCredits>();
  test::StdoutLines([&] { mainMenu->setup(), pickTryb->setup(), continueQuest->setup(), roll->setup(); });
  auto frames = [&](TEkran& screen, int n) {
    for (int i = 0; i < n; ++i) {
      Cls();
      screen.update();
      screen.draw();
      world.h().Frame();
    }
  };
  world.h().SetFrameCap(2000);
  mainMenu->prepare();
  frames(*mainMenu, 400);
  // The middle opening shows its picture, not the background's rim.
  EXPECT_GT(Brightness(world.h().Pixel(497, 374)), 150);
  test::Shot(world.h(), "title");

  pickTryb->prepare();
  frames(*pickTryb, 30);
  EXPECT_GT(Brightness(world.h().Pixel(312 + 18 * 2, 490)), 300) << "a lit pip";
  test::Shot(world.h(), "picker");

  continueQuest->prepare();
  frames(*continueQuest, 30);
  auto resume = shell_test::ShellWorld::Centre(continueQuest->gui, "resume");
  EXPECT_GT(resume.second, 358 - 150);
  EXPECT_LT(resume.second, 358);
  test::Shot(world.h(), "continue");

  roll->prepare(mainMenu);
  frames(*roll, 240);
  test::Shot(world.h(), "credits");
}

}  // namespace
}  // namespace sorvanta
