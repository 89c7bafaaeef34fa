#pragma once
// A headless world for the application shell's tests: a harness window, the
// globals the frame cycle reads, recording stand-ins for the singletons the
// shell calls, a scratch per-user folder, and End turned into an exception.
// The globals it sets are put back after each test (support/global_state.h).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "campaign/level_manager.h"
#include "campaign/profile_manager.h"
#include "core/delta_time.h"
#include "core/display.h"
#include "core/globals.h"
#include "gui/gui.h"
#include "gui/mouse.h"
#include "map/map_screen.h"
#include "map/stage_screen.h"
#include "platform/harness.h"
#include "platform/system.h"
#include "puzzle/puzzle_play.h"
#include "screens/credits.h"
#include "screens/main_menu.h"
#include "screens/more_games.h"
#include "screens/options.h"
#include "screens/pick_tryb.h"
#include "screens/pop_up.h"
#include "screens/quest_continue.h"
#include "sound/global_snd.h"
#include "story/intro.h"
#include "story/outro.h"
#include "support/stdout_lines.h"
#include "support/temp_folder.h"

namespace sorvanta::shell_test {

using test::StdoutLines;

struct RecordingProfileManager : TProfileManager {
  int loads = 0, saves = 0, screens = 0;
  int loadProfiles() override { return ++loads, 0; }
  int saveProfiles() override { return ++saves, 0; }
  int mainLoop() override { return ++screens, 0; }
};

struct RecordingProfile : TProfile {
  int saves = 0;
  int Save() override { return ++saves, 0; }
};

template <class Story>
struct Pausing : Story {
  int pauses = 0, unpauses = 0;
  void pause() override { ++pauses; }
  void unpause() override { ++unpauses; }
};
using RecordingIntro = Pausing<TIntro>;
using RecordingOutro = Pausing<TOutro>;

struct RecordingCredits : TCredits {
  int runs = 0;
  std::shared_ptr<TEkran> over;
  int mainLoop(std::shared_ptr<TEkran> screen) override {
    over = std::move(screen);
    return ++runs, 0;
  }
};

// Sets $HOME (unsets it when value is null) for the rest of the test.
inline void SetHome(const char* value) { value ? ::setenv("HOME", value, 1) : ::unsetenv("HOME"); }

// Harness settings for tests that read no pixels: frames are not kept.
inline HarnessOptions NoCapture() {
  HarnessOptions o;
  o.captureFrames = false;
  return o;
}

// For tests of thousands of frames that read no pixels and click only at
// widgets' centres: a window of a quarter of the design's width and height,
// whose frames cost a sixteenth, drawn on the test's own thread, too little
// to share; the pointer lands within 4 design units.
inline HarnessOptions SmallWindow() {
  HarnessOptions o = NoCapture();
  o.width = 256;
  o.height = 192;
  o.drawThreads = 1;
  return o;
}

// The headless world. Assets come from the repository's asset tree.
class ShellWorld {
 public:
  explicit ShellWorld(const HarnessOptions& harnessOptions = {}) : harness_(harnessOptions) {
    myDocsFolder = prefs_.path();
    std::filesystem::create_directories(myDocsFolder + "/Data");
    std::filesystem::create_directories(myDocsFolder + "/Profiles");
    bDir = std::string(SORVANTA_SOURCE_DIR) + "/assets/";
    START_DESKTOP_WIDTH_ = 1920;
    START_DESKTOP_HEIGHT_ = 1080;
    SetAspectResolution(1024, 768, 3);
    mouse = std::make_shared<TMouse>();
    deltaTime = TDeltaTime::Create(60.0f);
    delta = 1.0f;
    options = std::make_shared<TOptions>();
    options->fullScreen = 0;
    popUp = std::make_shared<TPopUp>();
    profileManager = recProfiles = std::make_shared<RecordingProfileManager>();
    intro = recIntro = std::make_shared<RecordingIntro>();
    outro = recOutro = std::make_shared<RecordingOutro>();
    credits = recCredits = std::make_shared<RecordingCredits>();
    mainMenu = std::make_shared<TMainMenu>();
    globalSnd.reset();
    SetEndHandler([this](int status) { endStatus = status; });
  }

  Harness& h() { return harness_; }
  // The widget's centre in design coordinates.
  static std::pair<float, float> Centre(const std::shared_ptr<TGui>& gui, const std::string& name) {
    auto object = gui ? gui->GetObject(name) : nullptr;
    if (object) return {static_cast<float>(object->dim->cx), static_cast<float>(object->dim->cy)};
    ADD_FAILURE() << "no widget " << name;
    return {-1000, -1000};
  }
  // Scripts a left click at (x, y), starting frames from now.
  void ClickAt(float x, float y, int waitFirst = 1) {
    harness_.Wait(waitFirst).MoveMouse(x, y).Wait(2).PressMouse(1).Wait(2).ReleaseMouse(1);
  }

  std::shared_ptr<RecordingProfileManager> recProfiles;
  std::shared_ptr<RecordingIntro> recIntro;
  std::shared_ptr<RecordingOutro> recOutro;
  std::shared_ptr<RecordingCredits> recCredits;
  int endStatus = -100;

 private:
  test::TempFolder prefs_;
  Harness harness_;
};

}  // namespace sorvanta::shell_test
