#include "core/frame.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/display.h"
#include "core/ekran.h"
#include "core/screen_loop.h"
#include "core/shell_test_support.h"
#include "formats/rcm_file.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/input.h"
#include "platform/read_back.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;

constexpr int kKeyF = 70;
constexpr int kKeyQ = 81;

// Runs one system step and says whether it ended the game.
bool StepEnds(ShellWorld& world) {
  try {
    _updateSystem();
  } catch (const EndRequested& end) {
    EXPECT_EQ(end.status, 0);
    EXPECT_EQ(world.endStatus, 0);
    return true;
  }
  return false;
}

TEST(Frame, QuitKeysAndTerminateRequestEndThroughEnde) {
  ShellWorld world;
  Harness& h = world.h();
  // F4 alone does nothing and stays queued for whoever reads it; Q or F without Command neither.
  h.HitKey(KEY_F4).HitKey(kKeyQ).HitKey(kKeyF);
  EXPECT_FALSE(StepEnds(world));
  EXPECT_EQ(KeyHit(KEY_F4), 1);

  // Left Alt + F4 saves the profiles and the settings, and ends with status 0.
  options->musicVol = 0.25f;
  h.PressKey(KEY_LALT).HitKey(KEY_F4);
  EXPECT_TRUE(StepEnds(world));
  EXPECT_EQ(world.recProfiles->saves, 1);
  EXPECT_NE(LoadText(myDocsFolder + "/Data/settings.dat").find("musicVolume = 0.250000000"), std::string::npos);
  h.ReleaseKey(KEY_LALT);

  h.PressKey(KEY_COMMAND).HitKey(kKeyQ);
  EXPECT_TRUE(StepEnds(world));
  h.ReleaseKey(KEY_COMMAND);
  h.RequestQuit();  // a window close, SIGTERM
  EXPECT_TRUE(StepEnds(world));
  EXPECT_EQ(world.recProfiles->saves, 3);
}

TEST(Frame, FullScreenKeysSwitchModeAndWriteSettingsAtOnce) {
  ShellWorld world;
  pierwszeuruchomienie = 0;
  std::string path = myDocsFolder + "/Data/settings.dat";
  options->wideScreen = 0;
  options->fullScreen = 2;  // any value but 0 means full screen
  options->openScreen();
  EXPECT_TRUE(GraphicsFullScreen());
  struct Row {
    const char* name;
    std::function<void(Harness&)> keys;
    bool full;  // the mode after the step
  };
  const Row rows[] = {
      {"F11", [](Harness& h) { h.HitKey(KEY_F11); }, false},
      {"super+F", [](Harness& h) { h.PressKey(KEY_COMMAND).HitKey(kKeyF).ReleaseKey(KEY_COMMAND); }, true},
      {"F alone", [](Harness& h) { h.HitKey(kKeyF); }, true},
      {"super+F again", [](Harness& h) { h.PressKey(KEY_COMMAND).HitKey(kKeyF).ReleaseKey(KEY_COMMAND); }, false},
  };
  for (const Row& r : rows) {
    r.keys(world.h());
    _updateSystem();
    EXPECT_EQ(options->fullScreen != 0, r.full) << r.name;
    EXPECT_EQ(GraphicsFullScreen(), r.full) << r.name;
    EXPECT_EQ(loadRCMFile(path)->getFloat("settings::fullScreen"), r.full ? 1.0f : 0.0f) << r.name;
    EXPECT_EQ(KeyHit(kKeyF), &r == &rows[2] ? 1 : 0) << r.name << ": a lone F stays for the screen that reads it";
  }
}

std::uint32_t Channel(std::uint32_t argb, int shift) { return (argb >> shift) & 0xff; }

// A notice saved up for the frame's end (a failed save in a screen's
// preparation) shows once the screen has faded in, never over a black or
// half-faded frame; a screen whose ramps never settle shows it all the same.
TEST(Frame, AWaitingNoticeShowsOverASettledScreen) {
  struct Ramps : TEkran {
    bool rampsAlpha = true;
    void update() override {
      _updateFade();
      if (rampsAlpha) _updateAlpha();
    }
  };
  for (const bool settles : {true, false}) {
    ShellWorld world;
    Ramps screen;
    screen.rampsAlpha = settles;
    screen.fade = 1, screen.dFade = 0, screen.dAlpha = 1;
    int frames = 0, shownAt = 0;
    float fadeShown = -1, alphaShown = -1;
    std::vector<std::string> shown;
    bindDialogs({[&](const std::string& text, std::shared_ptr<TEkran>, int) {
                   if (shown.empty()) shownAt = frames + 1, fadeShown = screen.fade, alphaShown = screen.alpha;
                   shown.push_back(text);
                   return 1;
                 },
                 nullptr});
    // Two at once: each in a pop-up of its own, in the order told.
    tellPlayerAtFrameEnd("not saved");
    tellPlayerAtFrameEnd("not locked");
    runScreenLoop(screen, [&] { ++frames; }, [&] { return frames >= kNoticeHeldFrames + 5; });
    EXPECT_FALSE(messageWaiting()) << settles;
    EXPECT_EQ(shown, (std::vector<std::string>{"not saved", "not locked"})) << settles;
    EXPECT_EQ(fadeShown, 0) << settles;
    if (settles) {
      EXPECT_EQ(alphaShown, 1);
      EXPECT_LT(shownAt, 40) << "shown as soon as the screen stands";
    } else {
      EXPECT_EQ(shownAt, kNoticeHeldFrames);
    }
  }
}

TEST(Frame, PauseScreenFreezesTheLetterboxedDesignArea) {
  HarnessOptions wide;
  wide.width = 1280;
  wide.height = 800;
  ShellWorld world(wide);
  SetAspectResolution(1024, 768, 3);
  ASSERT_NEAR(aspectOriginX, 102.4f, 0.01f);
  pauseFont = LoadImageFont("incbin::font.ttf", 72);
  txtPause = "PAUSED";
  Harness& h = world.h();

  // A frame drawn while the window has lost the focus: red left half, blue right.
  h.LoseFocus();
  PollSystem();
  ASSERT_TRUE(AppSuspended());
  SetAlpha(1);
  SetColor(255, 0, 0);
  DrawRect(0, 0, 512, 768);
  SetColor(0, 0, 255);
  DrawRect(512, 0, 512, 768);
  h.Wait(5).GainFocus().PressMouse(1).ReleaseMouse(1);  // a click brings the window back
  int framesBefore = h.frames();
  int millisBefore = h.millis();
  pauseGame();
  int pauseFrames = h.frames() - framesBefore;
  EXPECT_GE(pauseFrames, 5);
  // The pause loop sleeps between its frames.
  EXPECT_GE(h.millis() - millisBefore, pauseFrames * 50);

  // The last pause frame: the frozen design area, darkened to 40 %, in place.
  auto at = [&](float x, float y) { return h.Pixel(aspectOriginX + x, y); };
  EXPECT_NEAR(Channel(at(20, 20), 16), 102, 3);
  EXPECT_EQ(Channel(at(20, 20), 0), 0u);
  EXPECT_NEAR(Channel(at(1004, 20), 0), 102, 3);
  EXPECT_EQ(Channel(at(1004, 20), 16), 0u);
  EXPECT_EQ(h.Pixel(20, 20) & 0xffffffu, 0u);  // the bar stays black

  EXPECT_EQ(MouseHit(1), 0) << "the click that ended the pause acts";

  // The story's timers were paused and resumed once.
  EXPECT_EQ(world.recIntro->unpauses, 1);
  EXPECT_EQ(world.recOutro->pauses, 1);

  // The loading screen's frames (myFlip(1)) never pause.
  h.LoseFocus();
  PollSystem();
  framesBefore = h.frames();
  myFlip(1);
  EXPECT_EQ(h.frames() - framesBefore, 1);
  EXPECT_EQ(world.recIntro->pauses, 1);

  // A window close or SIGTERM while paused ends the game at once, saving.
  h.Wait(3).RequestQuit();
  int saves = world.recProfiles->saves;
  EXPECT_THROW(pauseGame(), EndRequested);
  EXPECT_EQ(world.endStatus, 0);
  EXPECT_EQ(world.recProfiles->saves, saves + 1);
  h.GainFocus();
  PollSystem();

  // The focus back as the first pause frame shows: that click was the game's.
  h.LoseFocus();
  PollSystem();
  h.GainFocus().PressMouse(1).ReleaseMouse(1);
  pauseGame();
  EXPECT_EQ(MouseHit(1), 1) << "a click as the focus flickered was lost";
}

}  // namespace
}  // namespace sorvanta
