// The end of a campaign through the state machine: the last win of a
// one-stage catalogue plays the outro's five scenes with captions, then the
// credits over it, then the main menu.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "campaign/campaign_states.h"
#include "campaign/campaign_test_support.h"
#include "campaign/profile_manager.h"
#include "core/shell_test_support.h"
#include "story/outro.h"
#include "story/story_states.h"

namespace sorvanta {
namespace {

// Skips 500 ms of the clock after each frame: the whole ending in about 170
// drawn frames.
struct SeenOutro : TOutro {
  Harness* h = nullptr;
  std::set<int> parts;
  int captions = 0;
  std::shared_ptr<TStoryText> last;
  void update() override {
    TOutro::update();
    parts.insert(part);
    if (actText && actText != last && actText->alpha > 0) ++captions, last = actText;
    h->AdvanceClock(500);
  }
};

TEST(OutroCampaign, TheLastWinPlaysTheOutroThenTheCreditsThenTheMenu) {
  shell_test::ShellWorld world(shell_test::NoCapture());
  const std::string assets = bDir;
  campaign_test::CampaignWorld campaign({{1, 1}}, {{1, 1}}, 1);
  // The story's own pictures and captions beside the test catalogue.
  std::filesystem::create_directory_symlink(assets + "gfx", campaign.path("gfx"));
  for (const char* file : {"data/outroTexts.dat", "txt/en/outro.txt"})
    std::filesystem::create_symlink(assets + file, campaign.path(file));
  auto intro = std::make_shared<TIntro>();
  intro->setup();  // the caption font
  auto out = std::make_shared<SeenOutro>();
  outro = out;
  out->h = &world.h();
  out->setup();
  profileManager->CreateNewProfile("P");
  TProfile& p = *profileManager->profile;
  p.tryb = 0;
  registerCampaignStates();
  registerStoryStates();
  p.QUEST_SetLevelAndStage(1, 1);

  ASSERT_EQ(runRegisteredState(kStateNextLevel), kStateOutro);
  world.h().SetFrameCap(300);
  EXPECT_EQ(runRegisteredState(kStateOutro), kStateMainMenu);
  EXPECT_EQ(out->parts, (std::set<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(out->captions, 10);
  EXPECT_EQ(world.recCredits->runs, 1);
  EXPECT_EQ(world.recCredits->over, out);
}

}  // namespace
}  // namespace sorvanta
