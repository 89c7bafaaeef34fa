#pragma once
// The main menu under test: the shell's headless world with the real menu
// (its layout and pictures from the repository), and stand-ins for the
// screens it opens that answer as a row of a test table says.
#include <memory>
#include <string>
#include <vector>

#include "core/shell_test_support.h"
#include "platform/clock.h"
#include "puzzle/play/main_game.h"
#include "screens/main_menu.h"
#include "screens/pick_tryb.h"
#include "screens/quest_continue.h"

namespace sorvanta::menu_test {

struct ScriptedPicker : TPickTryb {
  int mode = 1, runs = 0;
  int mainloop() override { return ++runs, mode; }
};

struct ScriptedContinue : TQuestContinue {
  std::string answer;
  int runs = 0;
  std::string mainLoop() override { return ++runs, answer; }
};

struct HandedGame : TMainGame {
  std::vector<std::shared_ptr<TLevel>> handed;
  int setLevel(const std::shared_ptr<TLevel>& level) override { return handed.push_back(level), 0; }
};

struct TimedCredits : shell_test::RecordingCredits {
  std::vector<int> at;  // clock readings of each roll
  int mainLoop(std::shared_ptr<TEkran> screen) override {
    at.push_back(MilliSecs());
    return RecordingCredits::mainLoop(std::move(screen));
  }
};

// The world with a real, set-up menu and scripted picker and dialog.
class MenuWorld : public shell_test::ShellWorld {
 public:
  explicit MenuWorld(const HarnessOptions& harness = shell_test::NoCapture()) : ShellWorld(harness) {
    shell_test::StdoutLines([] { mainMenu->setup(); });
    pickTryb = picker = std::make_shared<ScriptedPicker>();
    continueQuest = dialog = std::make_shared<ScriptedContinue>();
    mainGame = game = std::make_shared<HandedGame>();
    credits = timed = std::make_shared<TimedCredits>();
    h().SetFrameCap(6000);
  }
  // Clicks a button of the menu's layout.
  void Click(const char* name, int waitFirst) {
    auto at = Centre(mainMenu->gui, name);
    ClickAt(at.first, at.second, waitFirst);
  }

  std::shared_ptr<ScriptedPicker> picker;
  std::shared_ptr<ScriptedContinue> dialog;
  std::shared_ptr<HandedGame> game;
  std::shared_ptr<TimedCredits> timed;
};

}  // namespace sorvanta::menu_test
