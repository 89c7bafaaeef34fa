// Every screen a player meets, drawn headless through its own loop with the
// shipped assets, compared pixel for pixel with its reference picture under
// tests/data/pictures/ (support/reference_picture.h says how to remake them).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "../map/map_test_support.h"
#include "../map/stage_test_support.h"
#include "../screens/menu_test_support.h"
#include "campaign/level_manager.h"
#include "effects/particle.h"
#include "platform/harness.h"
#include "platform/input.h"
#include "platform/random.h"
#include "puzzle/play_test_support.h"
#include "screens/profile_name.h"
#include "screens/profiles_screen.h"
#include "support/global_state.h"
#include "support/reference_picture.h"

namespace sorvanta {
namespace {

using shell_test::ShellWorld;
using test::StdoutLines;

// Pictures at half the design's width and height: a quarter of the bytes.
HarnessOptions Window() {
  HarnessOptions o;
  o.width = 512;
  o.height = 384;
  return o;
}

// Runs a screen's loop until the frame cap stops it after frames more
// frames; the last of them.
std::shared_ptr<TPixmap> FrameAfter(Harness& h, int frames, const std::function<void()>& loop) {
  h.SetFrameCap(frames);
  EXPECT_THROW(loop(), HarnessFrameCapExceeded) << "the screen ended before its picture";
  return h.LastFrame();
}

// The title screen with a player, its five picture pairs part-way through
// their cross-fades (which entering again keeps), and the screens that open
// from it: the settings at the given volumes, the players' list and the
// name entry, each reached by clicks.
enum class FromMenu { kMenu, kOptions, kProfiles, kNameEntry };
std::shared_ptr<TPixmap> Menu(FromMenu depth, float music = 0, float sound = 0) {
  menu_test::MenuWorld world(Window());
  auto players = std::make_shared<TProfilesScreen>();
  profileManager = players;
  profileName = std::make_shared<TProfileName>();
  players->askName = [](std::shared_ptr<TEkran> under, const std::string& entry, int first, int edit, auto) {
    return profileName->mainloop(std::move(under), entry, "", first, edit);
  };
  StdoutLines([&] {
    options->setup();
    popUp->setup();
    players->setup();
    profileName->setup();
    players->loadProfiles();
    for (const char* name : {"MARTA", "OLEK", "ZOJA"}) players->CreateNewProfile(name);
  });
  options->musicVol = music;
  options->soundVol = sound;
  for (int k = 0; k < kTitlePairs; ++k) mainMenu->obrA[k] = 0.15f * static_cast<float>(k), mainMenu->dObrA[k] = 1;
  int frames = 40;
  if (depth >= FromMenu::kOptions) world.Click("settings", 30), frames += 30;
  if (depth >= FromMenu::kProfiles) {
    const auto [x, y] = ShellWorld::Centre(options->gui, "PROFILE");
    world.ClickAt(x, y, 25), frames += 30;
  }
  if (depth >= FromMenu::kNameEntry) {
    const auto [x, y] = ShellWorld::Centre(players->gui, "NEW");
    world.ClickAt(x, y, 25);
    world.h().Wait(10);
    for (int i = 0; i < 6; ++i) world.h().HitKey(KEY_BACKSPACE);  // the name it offers
    world.h().TypeText("ANNA"), frames += 45;
  }
  return FrameAfter(world.h(), frames, [] { StdoutLines([] { mainMenu->mainLoop(); }); });
}

// The play screen's test world, made for one picture: the shipped board art,
// panels and levels, a player of the level's mode on stage 2, level 3.
struct PlayScreen : test::PlayTest {
  PlayScreen() : PlayTest(Window()) {
    SetUp();
    test::LoadBoardArt();
    levelSummary = std::make_shared<TLevelSummary>();
    loseScreen = std::make_shared<TLoseScreen>();
    StdoutLines([this] {
      game->setup();
      levelSummary->setup();
      loseScreen->setup();
    });
  }
  void TestBody() override {}
  // The level's loop after frames frames; once runs in the first frame of
  // play, when the board has come in.
  std::shared_ptr<TPixmap> After(const std::string& path, int frames, std::function<void(test::ScriptedGame&)> once) {
    std::shared_ptr<TLevel> level;
    StdoutLines([&] { level = LoadLevel(bDir + path); });
    player->tryb = level->tryb;
    player->actStageId_Picross = player->actStageId_Fill = 2;
    player->actLevelId_Picross = player->actLevelId_Fill = 3;
    game->setLevel(level);
    game->script = [once = std::move(once), started = false](test::ScriptedGame& g, int) mutable {
      if (g.state != kPlayNormal || started) return;
      started = true;
      once(g);
    };
    return FrameAfter(world.h(), frames, [this] { game->mainloop(); });
  }
  // Clicks on the cell at row r, column c.
  void ClickCell(int r, int c) {
    const auto cell = game->level->atiles.get(r, c);
    Click(static_cast<float>(cell->x), static_cast<float>(cell->y));
  }
  void ClickTile(int r, int c) {
    const auto cell = game->level->tile.get(r, c);
    Click(static_cast<float>(cell->x), static_cast<float>(cell->y));
  }

  // Two cells uncovered with the hand, the hook chosen and an empty cell
  // broken with it, the pointer resting on the board.
  std::shared_ptr<TPixmap> Picross() {
    return After("data/levelSM/s02-03.lvl", 150, [this](test::ScriptedGame& g) {
      ClickCell(0, 0);
      ClickCell(1, 0);
      Click(static_cast<float>(g.toolsX + g.toolsW * 3 / 2), static_cast<float>(g.toolsY + g.toolsW / 2));
      ClickCell(0, 1);
      const auto rest = g.level->atiles.get(3, 3);
      world.h().Wait(4).MoveMouse(static_cast<float>(rest->x), static_cast<float>(rest->y));
    });
  }
  // The violet picked from the palette and three cells painted with it.
  std::shared_ptr<TPixmap> Fill() {
    return After("data/levels/s04-01.lvl", 130, [this](test::ScriptedGame&) {
      const auto [x, y] = PaletteEntry(getColorById(10));
      Click(x, y);
      ClickTile(2, 0);
      ClickTile(2, 1);
      ClickTile(0, 0);
    });
  }
  std::shared_ptr<TPixmap> Summary() {
    return After("data/levelSM/s02-03.lvl", 170, [](test::ScriptedGame& g) { g.WIN_CHEAT(); });
  }
  // Lost at the fifth mistake; the panel comes 3 s later, here at 20
  // frames a second.
  std::shared_ptr<TPixmap> Lose() {
    return After("data/levelSM/s02-03.lvl", 140, [this](test::ScriptedGame& g) {
      g.level->mistakes = g.level->maxMistakes;
      g.LOSE();
      world.h().SetFrameMillis(50);
    });
  }
};

// The third Picross stage with its first three levels won and the fourth to
// play next; the pointer on the second. Its first visit shows its story page.
std::shared_ptr<TPixmap> Stage(bool storyRead) {
  ShellWorld world(Window());
  auto player = std::make_shared<shell_test::RecordingProfile>();
  world.recProfiles->profile = player;
  levelManager = std::make_shared<TLevelManager>();
  stageScreen = std::make_shared<TStageScreen>();
  StdoutLines([] {
    levelManager->setup();
    stageScreen->setup();
  });
  stage_test::Progress(*player, 3, 4);
  player->QUEST_GetStageData(3)->storyRead = storyRead;
  stageScreen->prepare(nullptr);  // lays out the grid the pointer goes to
  const auto [x, y] = stageScreen->levelCentre(1);
  world.h().MoveMouse(static_cast<float>(x), static_cast<float>(y));
  return FrameAfter(world.h(), 50, [] { stageScreen->mainloop(nullptr); });
}

// The map of a player on the fourth Picross stage, the pointer on the second.
std::shared_ptr<TPixmap> Map() {
  ShellWorld world(Window());
  auto player = std::make_shared<shell_test::RecordingProfile>();
  world.recProfiles->profile = player;
  levelManager = std::make_shared<TLevelManager>();
  mapScreen = std::make_shared<TMapScreen>();
  stageScreen = std::make_shared<map_test::RecordingStageScreen>();
  StdoutLines([] {
    levelManager->setup();
    mapScreen->setup();
  });
  stage_test::Progress(*player, 4, 1);
  for (int id = 1; id <= 4; ++id) player->QUEST_GetStageData(id)->unlockShowed = 1;
  const auto second = levelManager->getStageById(2, player->tryb);
  world.h().MoveMouse(static_cast<float>(second->x), static_cast<float>(second->y));
  return FrameAfter(world.h(), 60, [] { mapScreen->mainloop(); });
}

// The intro, or the outro, after frames frames; the captions' font is the
// intro's.
std::shared_ptr<TPixmap> Scene(bool ending, int frames) {
  ShellWorld world(Window());
  intro = std::make_shared<TIntro>();
  outro = std::make_shared<TOutro>();
  StdoutLines([&] {
    TParticle::setup();
    intro->setup();
    if (ending) outro->setup();
  });
  return FrameAfter(world.h(), frames, [&] { ending ? outro->mainloop() : intro->mainloop(); });
}

TEST(ScreenPictures, EveryScreenAPlayerMeetsIsDrawnAsItsReference) {
  const struct {
    const char* name;
    std::function<std::shared_ptr<TPixmap>()> draw;
  } screens[] = {
      {"menu", [] { return Menu(FromMenu::kMenu); }},
      {"options-quiet-music", [] { return Menu(FromMenu::kOptions, 0.2f, 0.7f); }},
      {"options-quiet-sound", [] { return Menu(FromMenu::kOptions, 0.9f, 0.45f); }},
      {"players", [] { return Menu(FromMenu::kProfiles); }},
      {"name-entry", [] { return Menu(FromMenu::kNameEntry); }},
      {"story-page", [] { return Stage(false); }},
      {"stage", [] { return Stage(true); }},
      {"picross", [] { return PlayScreen().Picross(); }},
      {"fill", [] { return PlayScreen().Fill(); }},
      {"summary", [] { return PlayScreen().Summary(); }},
      {"lose", [] { return PlayScreen().Lose(); }},
      {"map", Map},
      {"intro", [] { return Scene(false, 150); }},
      {"outro", [] { return Scene(true, 150); }},
  };
  for (const auto& screen : screens) {
    SCOPED_TRACE(screen.name);
    const test::Restore back = test::TakeGlobals();
    ResetRandomForTests();
    test::ExpectPicture(screen.draw(), screen.name);
    back();
  }
}

}  // namespace
}  // namespace sorvanta
