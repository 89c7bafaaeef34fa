#include "app/app.h"
#include "app/control.h"

#include <gtest/gtest.h>

#include <deque>

#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "core/states.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"
#include "puzzle/puzzle_play.h"
#include "screens/credits.h"
#include "screens/main_menu.h"
#include "screens/more_games.h"
#include "screens/pick_tryb.h"
#include "screens/quest_continue.h"
#include "story/intro.h"
#include "story/outro.h"
#include "support/stdout_lines.h"

namespace sorvanta {
namespace {

// Every operation logs its name and returns the next scripted state ("END" when none is left).
std::vector<std::string> steps;
std::deque<std::string> next;
std::string Step(const std::string& name) {
  steps.push_back(name);
  std::string result = next.empty() ? "END" : next.front();
  if (!next.empty()) next.pop_front();
  return result;
}

struct FakeMenu : TMainMenu {
  std::string mainLoop() override { return Step("menu"); }
};
struct FakeMap : TMapScreen {
  std::string mainloop() override { return Step("map"); }
};
struct FakeStageScreen : TStageScreen {
  std::shared_ptr<TStage> shown;
  std::string mainloop(std::shared_ptr<TStage> stage) override { return shown = stage, Step("stage"); }
};
struct FakeMoreGames : TMoreGames {
  std::string mainLoop() override { return Step("more"); }
};
struct FakeIntro : TIntro {
  std::string mainloop() override { return Step("intro"); }
};
struct FakeOutro : TOutro {
  std::string mainloop() override { return Step("outro"); }
};
struct FakeProfile : TProfile {
  std::shared_ptr<TStage> stage = std::make_shared<TStage>();
  std::string QUEST_StartNewPicross() override { return Step("new-picross"); }
  std::string QUEST_StartNewFill() override { return Step("new-fill"); }
  std::string QUEST_NextLevel() override { return Step("next"); }
  std::string QUEST_RestartLevel() override { return Step("restart"); }
  std::shared_ptr<TStage> QUEST_GetActStage() override { return steps.push_back("act-stage"), stage; }
};

TEST(Control, RunsTheTableOfStatesFromMainMenuToEnd) {
  auto stages = std::make_shared<FakeStageScreen>();
  auto profile = std::make_shared<FakeProfile>();
  mainMenu = std::make_shared<FakeMenu>();
  mapScreen = std::make_shared<FakeMap>();
  stageScreen = stages;
  moreGames = std::make_shared<FakeMoreGames>();
  intro = std::make_shared<FakeIntro>();
  outro = std::make_shared<FakeOutro>();
  mainGame = std::make_shared<TMainGame>();  // the stand-in returns "MAIN-MENU"
  profileManager = std::make_shared<TProfileManager>();
  profileManager->profile = profile;
  steps.clear();
  registerAllStates();

  next = {"NEW-GAME-PICROSS", "INTRO", "MAIN-GAME", "NEW-GAME-FILL", "NEXT-LEVEL", "STAGE-SCREEN",
          "MAP-SCREEN", "MAIN-MENU", "RESTART-LEVEL", "OUTRO", "MORE-GAMES", "MAIN-MENU", "END"};
  TControl control;
  EXPECT_EQ(control.mainLoop(), 0);
  EXPECT_EQ(control.where, "END");
  EXPECT_EQ(steps, (std::vector<std::string>{"menu", "new-picross", "intro", /* game */ "menu",
                                             "new-fill", "next", "act-stage", "stage", "map", "menu",
                                             "restart", "outro", "more", "menu"}));
  EXPECT_EQ(stages->shown, profile->stage);  // the profile's current stage

  // Unknown states (case matters) and campaign steps without a player lead back to the menu.
  steps.clear();
  auto lines = test::StdoutLines([&] {
    EXPECT_EQ(control.runState("main-menu"), "MAIN-MENU");
    profileManager->profile.reset();
    for (const char* state : {"NEW-GAME-PICROSS", "NEXT-LEVEL", "STAGE-SCREEN"})
      EXPECT_EQ(control.runState(state), "MAIN-MENU") << state;
  });
  EXPECT_TRUE(steps.empty());
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("main-menu"), std::string::npos);
}

}  // namespace
}  // namespace sorvanta
