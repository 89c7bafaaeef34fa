#include <gtest/gtest.h>

#include <algorithm>

#include "core/shell_test_support.h"
#include "formats/rcm_file.h"
#include "gui/gui.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "screens/options.h"
#include "screens/profiles_screen.h"

namespace sorvanta {
namespace {

using shell_test::RecordingProfile;
using shell_test::ShellWorld;

class OverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    options->setup();
    popUp->setup();
    mainGame = std::make_shared<TMainGame>();
    world.h().SetFrameCap(3000);
  }
  // Scripts a click on the centre of a widget of the overlay, waitFirst frames from now.
  void Click(const std::string& name, int waitFirst = 20) {
    auto [x, y] = ShellWorld::Centre(options->gui, name);
    world.ClickAt(x, y, waitFirst);
  }
  void Escape(int waitFirst = 20) { world.h().Wait(waitFirst).HitKey(KEY_ESCAPE); }
  // Shown (or, with on false, hidden): visible and active together.
  bool Shown(const std::string& name, bool on = true) {
    auto object = options->gui->GetObject(name);
    return object && object->visible == on && object->active == on;
  }
  // The shown buttons of the column stand one under another, in this order,
  // OK last, centred in the column: no hole where a hidden one would be.
  void ExpectColumn(std::vector<std::string> shown) {
    shown.push_back("OK");
    float y = TOptions::kColumnTop + (4 - static_cast<float>(shown.size())) * TOptions::kColumnStep / 2;
    for (const auto& name : shown) {
      auto object = options->gui->GetObject(name);
      ASSERT_TRUE(object && object->visible) << name;
      EXPECT_EQ(object->dim->y, y) << name;
      y += TOptions::kColumnStep;
    }
  }
  ShellWorld world{shell_test::NoCapture()};
};

TEST_F(OverlayTest, ButtonsDependOnTheCallerAndThePlayersStage) {
  options->prepare(mainMenu);
  for (const char* name : {"CREDITS", "PROFILE"}) EXPECT_TRUE(Shown(name)) << name;
  for (const char* name : {"RESTART", "MAINMENU", "BACKTOMAP", "ONW", "OFFW"})
    EXPECT_TRUE(Shown(name, false)) << name;
  ExpectColumn({"PROFILE", "CREDITS"});

  // Without a current player nothing is saved and the map stays closed.
  options->prepare(mainGame);
  for (const char* name : {"RESTART", "MAINMENU"}) EXPECT_TRUE(Shown(name)) << name;
  for (const char* name : {"CREDITS", "PROFILE", "BACKTOMAP"}) EXPECT_TRUE(Shown(name, false)) << name;

  auto player = std::make_shared<RecordingProfile>();
  profileManager->profile = player;
  options->prepare(mainGame);  // Picross, tutorial stage
  EXPECT_TRUE(Shown("BACKTOMAP", false));
  ExpectColumn({"RESTART", "MAINMENU"});
  player->actStageId_Picross = 2;
  options->prepare(mainGame);
  EXPECT_TRUE(Shown("BACKTOMAP"));
  ExpectColumn({"RESTART", "MAINMENU", "BACKTOMAP"});
  player->tryb = 0;  // Fill, still on its tutorial stage
  options->prepare(mainGame);
  EXPECT_TRUE(Shown("BACKTOMAP", false));
  EXPECT_EQ(player->saves, 3);  // every opening saves the player
}

TEST_F(OverlayTest, MainMenuOpeningRunsCreditsAndProfilesAndIgnoresEarlyClicks) {
  options->musicVol = 0.5f;
  Click("plus1", 1);  // lands while the overlay fades in
  Click("credits");
  Click("profile");
  Escape();
  EXPECT_EQ(options->mainLoop(mainMenu), "");
  EXPECT_EQ(options->musicVol, 0.5f);
  EXPECT_EQ(world.recCredits->runs, 1);
  EXPECT_EQ(world.recCredits->over, options);
  EXPECT_EQ(world.recProfiles->screens, 1);
  EXPECT_EQ(options->fade, 0.0f);  // the backdrop is bright again
  EXPECT_EQ(FileType(myDocsFolder + "/Data/settings.dat"), 1);  // closing wrote the settings
}

TEST_F(OverlayTest, PauseMenuResults) {
  auto player = std::make_shared<RecordingProfile>();
  player->actStageId_Picross = 3;
  profileManager->profile = player;

  Click("MAINMENU");
  EXPECT_EQ(options->mainLoop(mainGame), "MAIN-MENU");

  // Restart asks first; no keeps the overlay open.
  Click("restart");
  world.h().Wait(30).HitKey(KEY_ESCAPE);  // the pop-up's no
  Click("ok", 40);
  EXPECT_EQ(options->mainLoop(mainGame), "");
  EXPECT_EQ(popUp->txt, options->txtAreYouSure);
  Click("restart");
  world.h().Wait(30).HitKey(KEY_ENTER);  // the pop-up's yes
  EXPECT_EQ(options->mainLoop(mainGame), "RESTART");

  Click("backToMap");
  std::string result;
  auto lines = shell_test::StdoutLines([&] { result = options->mainLoop(mainGame); });
  EXPECT_EQ(result, "MAP-SCREEN");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "CLICKED BACK TO MAP"), lines.end());
  EXPECT_EQ(options->dFade, 0.5f);  // the backdrop stays dimmed
  EXPECT_EQ(player->saves, 4);
}

TEST_F(OverlayTest, KeysPressedInTheScreenItOpensNeverActHere) {
  // An Escape pressed on the players' list, opened from the overlay and left
  // with its OK: back on the overlay, only its own Escape closes it.
  auto players = std::make_shared<TProfilesScreen>();
  profileManager = players;
  players->setup();
  players->loadProfiles();
  players->CreateNewProfile("A");
  options->musicVol = 0.5f;
  Click("profile");
  world.h().Wait(30).HitKey(KEY_ESCAPE);
  auto [okX, okY] = ShellWorld::Centre(players->gui, "OK");
  world.ClickAt(okX, okY, 10);
  Click("plus1", 40);
  Escape();
  EXPECT_EQ(options->mainLoop(mainMenu), "");
  EXPECT_FLOAT_EQ(options->musicVol, 0.55f);
}

TEST_F(OverlayTest, VolumeButtonsClampAndBarsFollowDrags) {
  options->musicVol = 1.0f;
  options->soundVol = 0.05f;
  Click("plus1");
  Click("minus2");
  Escape();
  options->mainLoop(mainMenu);
  EXPECT_EQ(options->musicVol, 1.0f);
  EXPECT_EQ(options->soundVol, 0.0f);
  Click("minus1");
  Click("plus2");
  Escape();
  options->mainLoop(mainMenu);
  EXPECT_FLOAT_EQ(options->musicVol, 0.95f);
  EXPECT_FLOAT_EQ(options->soundVol, 0.05f);

  // The knob (its picture centred on its place) stays clear of "-" at 0
  // and of "+" at 1.
  const float knob = static_cast<float>(ImageWidth(options->kosc)), vx = static_cast<float>(options->vx);
  for (const char* row : {"1", "2"}) {
    auto minus = options->gui->GetObject(std::string("minus") + row);
    auto plus = options->gui->GetObject(std::string("plus") + row);
    EXPECT_LE(minus->dim->x + minus->dim->w, vx + TOptions::kKnobLeft - knob / 2) << row;
    EXPECT_GE(plus->dim->x, vx + TOptions::kKnobLeft + TOptions::kBarWidth + knob / 2) << row;
  }

  Harness& h = world.h();
  const float left = options->vx + TOptions::kBarLeft, right = left + TOptions::kBarWidth;
  // Pressing at the bar's left edge gives 0.
  h.Wait(20).MoveMouse(left, 196).Wait(1).PressMouse(1).Wait(2).ReleaseMouse(1);
  // Dragged past the right end within the row: 1; leaving the row keeps it.
  h.Wait(20).MoveMouse(left + 100, 265).Wait(1).PressMouse(1).Wait(2);
  h.MoveMouse(right + 150, 265).Wait(2).MoveMouse(right + 150, 400).Wait(2);
  h.MoveMouse(left - 50, 400).Wait(2).ReleaseMouse(1);
  Escape();
  options->mainLoop(mainMenu);
  EXPECT_EQ(options->musicVol, 0.0f);
  EXPECT_EQ(options->soundVol, 1.0f);

  // A drag begun off both bars does nothing on an end zone.
  options->soundVol = 0.5f;
  h.Wait(20).MoveMouse(100, 600).Wait(1).PressMouse(1).Wait(2);
  h.MoveMouse(left - 40, 265).Wait(2).MoveMouse(right + 40, 265).Wait(2).ReleaseMouse(1);
  // A press 100 px into the bar: 100 of its 337.
  h.Wait(2).MoveMouse(left + 100, 196).Wait(1).PressMouse(1).Wait(2).ReleaseMouse(1);
  Escape();
  options->mainLoop(mainMenu);
  EXPECT_EQ(options->soundVol, 0.5f);
  EXPECT_FLOAT_EQ(options->musicVol, 100.0f / 337);
}

TEST_F(OverlayTest, CursorAndFullScreenSwitchesApplyAtOnce) {
  pierwszeuruchomienie = 0;
  options->customCursor = 1;
  options->fullScreen = 0;
  options->wideScreen = 0;
  options->musicVol = options->soundVol = 0.5f;
  Click("onC");
  Click("offC", 25);
  Click("onC", 25);
  Click("off", 25);
  Escape(30);
  options->mainLoop(mainMenu);
  EXPECT_EQ(options->customCursor, 0);
  EXPECT_EQ(mouse->_v, 0);
  EXPECT_EQ(options->fullScreen, 1);
  EXPECT_TRUE(GraphicsFullScreen());
  EXPECT_EQ(loadRCMFile(myDocsFolder + "/Data/settings.dat")->getFloat("settings::fullScreen"), 1.0f);
  EXPECT_EQ(options->wideScreen, 0);  // its switches stay hidden
  // No switch's click area lies on a volume bar's drag row.
  EXPECT_EQ(options->musicVol, 0.5f);
  EXPECT_EQ(options->soundVol, 0.5f);
}

}  // namespace
}  // namespace sorvanta
