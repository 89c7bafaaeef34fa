#pragma once
// A headless world for the application shell's tests: a harness window, the
// globals the frame cycle reads, recording stand-ins for the singletons the
// shell calls, a scratch per-user folder, and End turned into an exception.
// Everything is put back when the world goes.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "campaign/placeholders.h"
#include "core/delta_time.h"
#include "core/display.h"
#include "core/globals.h"
#include "gui/gui.h"
#include "gui/mouse.h"
#include "platform/harness.h"
#include "platform/system.h"
#include "puzzle/placeholders.h"
#include "screens/options.h"
#include "screens/pop_up.h"
#include "sound/global_snd.h"
#include "support/stdout_lines.h"
#include "support/temp_folder.h"

namespace sorvanta::shell_test {

using test::StdoutLines;

struct RecordingProfileManager : TProfileManager {
  int loads = 0, saves = 0, screens = 0;
  void loadProfiles() override { ++loads; }
  void saveProfiles() override { ++saves; }
  int mainLoop() override {
    ++screens;
    return 0;
  }
};

struct RecordingProfile : TProfile {
  int saves = 0;
  int Save() override {
    ++saves;
    return 0;
  }
};

struct RecordingIntro : TIntro {
  int pauses = 0, unpauses = 0;
  void pause() override { ++pauses; }
  void unpause() override { ++unpauses; }
};

struct RecordingOutro : TOutro {
  int pauses = 0, unpauses = 0;
  void pause() override { ++pauses; }
  void unpause() override { ++unpauses; }
};

struct RecordingCredits : TCredits {
  int runs = 0;
  std::shared_ptr<TEkran> over;
  int mainLoop(std::shared_ptr<TEkran> screen) override {
    ++runs;
    over = std::move(screen);
    return 0;
  }
};

// Harness settings for tests that read no pixels: frames are not kept.
inline HarnessOptions NoCapture() {
  HarnessOptions o;
  o.captureFrames = false;
  return o;
}

// The headless world. Assets come from the repository's asset tree.
class ShellWorld {
 public:
  explicit ShellWorld(const HarnessOptions& harnessOptions = {})
      : saved_(Saved::Take()), harness_(harnessOptions) {
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

  ~ShellWorld() {
    SetEndHandler(nullptr);
    if (deltaTime) deltaTime->Destroy();
    saved_.Restore();
  }

  Harness& h() { return harness_; }
  // The widget's centre in design coordinates.
  static std::pair<float, float> Centre(const std::shared_ptr<TGui>& gui, const std::string& name);
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
  struct Saved {
    std::shared_ptr<TMouse> mouse;
    std::shared_ptr<TDeltaTime> deltaTime;
    float delta;
    std::shared_ptr<TOptions> options;
    std::shared_ptr<TPopUp> popUp;
    std::shared_ptr<TProfileManager> profileManager;
    std::shared_ptr<TIntro> intro;
    std::shared_ptr<TOutro> outro;
    std::shared_ptr<TCredits> credits;
    std::shared_ptr<TMainMenu> mainMenu;
    std::shared_ptr<TMainGame> mainGame;
    std::shared_ptr<TGlobalSnd> globalSnd;
    std::string bDir, myDocsFolder, txtPause;
    std::shared_ptr<TImageFont> pauseFont;
    std::shared_ptr<TImage> cursor;
    int desktopW, desktopH;

    static Saved Take() {
      return Saved{sorvanta::mouse, sorvanta::deltaTime, sorvanta::delta, sorvanta::options,
                   sorvanta::popUp, sorvanta::profileManager, sorvanta::intro, sorvanta::outro,
                   sorvanta::credits, sorvanta::mainMenu, sorvanta::mainGame,
                   sorvanta::globalSnd, sorvanta::bDir, sorvanta::myDocsFolder,
                   sorvanta::txtPause, sorvanta::pauseFont, TMouse::img,
                   START_DESKTOP_WIDTH_, START_DESKTOP_HEIGHT_};
    }
    void Restore() const {
      sorvanta::mouse = mouse;
      sorvanta::deltaTime = deltaTime;
      sorvanta::delta = delta;
      sorvanta::options = options;
      sorvanta::popUp = popUp;
      sorvanta::profileManager = profileManager;
      sorvanta::intro = intro;
      sorvanta::outro = outro;
      sorvanta::credits = credits;
      sorvanta::mainMenu = mainMenu;
      sorvanta::mainGame = mainGame;
      sorvanta::globalSnd = globalSnd;
      sorvanta::bDir = bDir;
      sorvanta::myDocsFolder = myDocsFolder;
      sorvanta::txtPause = txtPause;
      sorvanta::pauseFont = pauseFont;
      TMouse::img = cursor;
      START_DESKTOP_WIDTH_ = desktopW;
      START_DESKTOP_HEIGHT_ = desktopH;
    }
  };

  Saved saved_;
  test::TempFolder prefs_;
  Harness harness_;
};

inline std::pair<float, float> ShellWorld::Centre(const std::shared_ptr<TGui>& gui,
                                                  const std::string& name) {
  auto object = gui ? gui->GetObject(name) : nullptr;
  if (!object) {
    ADD_FAILURE() << "no widget " << name;
    return {-1000, -1000};
  }
  return {static_cast<float>(object->dim->cx), static_cast<float>(object->dim->cy)};
}

}  // namespace sorvanta::shell_test
