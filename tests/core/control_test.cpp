#include "core/control.h"

#include <gtest/gtest.h>

#include <deque>

#include "campaign/placeholders.h"
#include "puzzle/placeholders.h"

namespace sorvanta {
namespace {

// Every operation logs its name and returns the next scripted state.
struct Script {
  std::vector<std::string> log;
  std::deque<std::string> next;
  std::string step(const std::string& name) {
    log.push_back(name);
    std::string result = next.empty() ? "END" : next.front();
    if (!next.empty()) next.pop_front();
    return result;
  }
};
Script* script = nullptr;

struct FakeMenu : TMainMenu {
  std::string mainLoop() override { return script->step("menu"); }
};
struct FakeMap : TMapScreen {
  std::string mainloop() override { return script->step("map"); }
};
struct FakeStageScreen : TStageScreen {
  std::shared_ptr<TStage> shown;
  std::string mainloop(std::shared_ptr<TStage> stage) override {
    shown = stage;
    return script->step("stage");
  }
};
struct FakeMoreGames : TMoreGames {
  std::string mainLoop() override { return script->step("more"); }
};
struct FakeIntro : TIntro {
  std::string mainloop() override { return script->step("intro"); }
};
struct FakeOutro : TOutro {
  std::string mainloop() override { return script->step("outro"); }
};
struct FakeProfile : TProfile {
  std::shared_ptr<TStage> stage = std::make_shared<TStage>();
  std::string QUEST_StartNewPicross() override { return script->step("new-picross"); }
  std::string QUEST_StartNewFill() override { return script->step("new-fill"); }
  std::string QUEST_NextLevel() override { return script->step("next"); }
  std::string QUEST_RestartLevel() override { return script->step("restart"); }
  std::shared_ptr<TStage> QUEST_GetActStage() override {
    script->log.push_back("act-stage");
    return stage;
  }
};

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    script = &s;
    mainMenu = std::make_shared<FakeMenu>();
    mapScreen = std::make_shared<FakeMap>();
    stageScreen = stages = std::make_shared<FakeStageScreen>();
    moreGames = std::make_shared<FakeMoreGames>();
    intro = std::make_shared<FakeIntro>();
    outro = std::make_shared<FakeOutro>();
    mainGame = std::make_shared<TMainGame>();  // the stand-in returns "MAIN-MENU"
    profileManager = std::make_shared<TProfileManager>();
    profileManager->profile = profile = std::make_shared<FakeProfile>();
  }
  void TearDown() override {
    script = nullptr;
    mainMenu.reset();
    mapScreen.reset();
    stageScreen.reset();
    moreGames.reset();
    intro.reset();
    outro.reset();
    mainGame.reset();
    profileManager.reset();
  }
  Script s;
  std::shared_ptr<FakeStageScreen> stages;
  std::shared_ptr<FakeProfile> profile;
};

TEST_F(ControlTest, RunsEachStateOperationFromMainMenuToEnd) {
  s.next = {"NEW-GAME-PICROSS", "INTRO", "MAIN-GAME",  // the game returns MAIN-MENU
            "NEW-GAME-FILL", "NEXT-LEVEL", "STAGE-SCREEN", "MAP-SCREEN", "MAIN-MENU",
            "RESTART-LEVEL", "OUTRO", "MORE-GAMES", "MAIN-MENU", "END"};
  TControl control;
  EXPECT_EQ(control.mainLoop(), 0);
  EXPECT_EQ(control.where, "END");
  std::vector<std::string> expected = {
      "menu", "new-picross", "intro", /* game */ "menu", "new-fill", "next", "act-stage",
      "stage", "map", "menu", "restart", "outro", "more", "menu"};
  EXPECT_EQ(s.log, expected);
  // The stage screen gets the profile's current stage.
  EXPECT_EQ(stages->shown, profile->stage);
}

TEST_F(ControlTest, UnknownStatesAndMissingPlayerLeadBackToTheMenu) {
  TControl control;
  // Case matters: "main-menu" is no state of the table.
  std::string next;
  testing::internal::CaptureStdout();
  next = control.runState("main-menu");
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(next, "MAIN-MENU");
  EXPECT_NE(out.find("main-menu"), std::string::npos);
  EXPECT_TRUE(s.log.empty());

  // The campaign steps need a current player.
  profileManager->profile.reset();
  testing::internal::CaptureStdout();
  for (const char* state :
       {"NEW-GAME-PICROSS", "NEW-GAME-FILL", "NEXT-LEVEL", "RESTART-LEVEL", "STAGE-SCREEN"})
    EXPECT_EQ(control.runState(state), "MAIN-MENU") << state;
  testing::internal::GetCapturedStdout();
  EXPECT_TRUE(s.log.empty());

  // "END" from the menu ends the machine at once.
  s.next = {"END"};
  EXPECT_EQ(control.mainLoop(), 0);
  EXPECT_EQ(s.log, std::vector<std::string>{"menu"});
}

}  // namespace
}  // namespace sorvanta
