// The layout runtime: loading, clicked items, widget look-up, alpha, the
// script hook, and the ends of files that cannot be read.
#include <gtest/gtest.h>

#include "core/globals.h"
#include "gui/gui.h"
#include "gui/mouse.h"
#include "gui_test_support.h"
#include "platform/harness.h"
#include "platform/lua_bridge.h"
#include "platform/lua_register.h"
#include "platform/system.h"
#include "platform/video.h"
#include "sound/global_snd.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

using test::WriteFile;
using testing_gui::StdoutLines;

class CountingSnd : public TGlobalSnd {
 public:
  void click() override { ++clicks; }
  int clicks = 0;
};

class GuiRuntime : public ::testing::Test {
 protected:
  void SetUp() override {
    bDir = testing_gui::DataDir();
    mouse = std::make_shared<TMouse>();
    delta = 1.0f;
  }
  std::string Layout(const std::string& text, const std::string& name = "l.gui") {
    WriteFile(dir_ / name, text);
    return dir_ / name;
  }
  // A press and, in the next update, a release at (x, y).
  static void Click(TGui& gui, float x, float y) {
    mouse->x = x;
    mouse->y = y;
    mouse->leftHolded = mouse->leftPressed = 1;
    gui.update();
    mouse->leftHolded = mouse->leftPressed = 0;
    gui.update();
  }

  test::TempFolder dir_;
};

const char* kTwoButtons =
    "OBJECT ok { GFX = btn.png; POSITION = \"100 100\" }\n"
    "OBJECT cancel { GFX = btn.png; POSITION = \"100 100\" }\n"
    "OBJECT Ok { GFX = panel.png; POSITION = \"500 500\" }\n";

TEST_F(GuiRuntime, ClickedItemAndClickSound) {
  auto snd = std::make_shared<CountingSnd>();
  globalSnd = snd;
  GuiPtr gui = LoadGui(Layout(kTwoButtons));
  ASSERT_EQ(gui->objects.size(), 3u);
  EXPECT_EQ(gui->GetObject("OK"), gui->objects.front());  // the first of one name

  Click(*gui, 110, 110);
  // Both overlapping buttons clicked: the last in file order is the click.
  EXPECT_EQ(gui->clickedItem("CANCEL"), 1);
  EXPECT_EQ(gui->clickedItem("ok"), 0);
  EXPECT_EQ(snd->clicks, 2);
  gui->update();
  EXPECT_EQ(gui->clickedItem("CANCEL"), 0);

  // Hidden with setState(0, 1), a widget still reacts; with (0, 0) it does not.
  gui->GetObject("cancel")->setState(0, 1);
  gui->GetObject("ok")->setState(0, 0);
  Click(*gui, 110, 110);
  EXPECT_EQ(gui->clickedItem("cancel"), 1);
  gui->GetObject("cancel")->setState(0, 0);
  Click(*gui, 110, 110);
  EXPECT_EQ(gui->click, nullptr);

  // A hidden layout changes nothing, so the last visible click stands.
  gui->GetObject("cancel")->setState(1, 1);
  Click(*gui, 110, 110);
  gui->hide();
  gui->update();
  EXPECT_EQ(gui->clickedItem("cancel"), 1);
  gui->show();
  gui->update();
  EXPECT_EQ(gui->clickedItem("cancel"), 0);

  // Without a sound registry clicks are silent.
  globalSnd = nullptr;
  Click(*gui, 110, 110);
  EXPECT_EQ(gui->clickedItem("cancel"), 1);
}

TEST_F(GuiRuntime, LookUpsAlphaAndEncoding) {
  std::string path = Layout(kTwoButtons + std::string("PROPCLASS Look { ALPHA = 0.5 }\n"));
  GuiPtr a = LoadGui(path);
  EXPECT_EQ(a->GetPropertiesClass("LOOK"), a->propClasses.front());

  // A missing widget gives none and is reported once per layout.
  std::vector<std::string> out = StdoutLines([&] {
    EXPECT_EQ(a->GetObject("ghost"), nullptr);
    EXPECT_EQ(a->GetObject("GHOST"), nullptr);
  });
  EXPECT_EQ(out, std::vector<std::string>{"ERROR: No object 'ghost' in layout '" + path + "'!"});

  a->setGuiAlpha(0);
  for (const auto& ob : a->objects) EXPECT_EQ(ob->alpha, 0);

  EXPECT_TRUE(LoadGui(Layout("  \n\t\n", "blank.gui"))->objects.empty());
  // Every byte of a layout is one Latin-1 character.
  GuiPtr latin = LoadGui(Layout("OBJECT t { TXT = \"Caf\xE9 \xFF\" }\n", "latin.gui"));
  EXPECT_EQ(latin->GetObject("t")->standardProps->txt, "Café ÿ");
}

TEST_F(GuiRuntime, ScriptStartsOnceAndCallsBack) {
  std::vector<std::string> calls;
  LuaRegister("gameHook", [&](const std::vector<std::string>& args) {
    calls.push_back(args.empty() ? "" : args[0]);
  });
  WriteFile(dir_ / "s.lua",
            "function start() gameHook('start') end\n"
            "function update() gameHook('update') end\n");
  GuiPtr gui = LoadGui(Layout("LUASCRIPT \"" + dir_ / "s.lua" + "\"\n" + kTwoButtons));
  EXPECT_EQ(calls, std::vector<std::string>{"start"});
  gui->update();
  EXPECT_EQ(calls.size(), 1u);  // "update" only when asked for
  gui->setLuaUpdate(1);
  gui->update();
  EXPECT_EQ(calls.back(), "update");

  // An error inside the script is reported and the layout carries on; so is
  // a script that does not compile.
  WriteFile(dir_ / "bad.lua", "function start() error('boom') end\n");
  WriteFile(dir_ / "broken.lua", "function start( gameHook(\n");
  GuiPtr g2;
  auto out = StdoutLines([&] {
    g2 = LoadGui(Layout("LUASCRIPT " + dir_ / "bad.lua" + "\nLUASCRIPT " + dir_ / "broken.lua" +
                            "\n" + kTwoButtons,
                        "bad.gui"));
  });
  EXPECT_GE(out.size(), 2u);
  EXPECT_EQ(g2->objects.size(), 3u);
  g2->setLuaUpdate(1);
  g2->update();
  LuaRegister("gameHook", [](const std::vector<std::string>&) {});
}

// An error's status, -1 (255), as every error the platform reports ends with.
TEST_F(GuiRuntime, UnreadableFilesEndTheGameWithOneLine) {
  const std::string missing = dir_ / "nowhere.gui";
  const struct {
    const char* name;
    std::string layout, line;
  } cases[] = {
      {"no layout file", missing, "Cannot open layout file '" + missing + "'"},
      {"no script", Layout("LUASCRIPT nowhere.lua\n"), "Cannot open layout script 'nowhere.lua'"},
      {"a folder for a layout", dir_.path(), "Cannot open layout file '" + dir_.path() + "'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int status = 0;
    SetEndHandler([&](int s) { status = s; });
    ::testing::internal::CaptureStderr();
    EXPECT_THROW(LoadGui(c.layout), EndRequested);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.line + "\n");
    EXPECT_EQ(status, -1);
  }
}

TEST_F(GuiRuntime, HarnessClickCompletesOnRelease) {
  Harness h;
  SetVirtualResolution(1024, 768);
  GuiPtr gui = LoadGui(Layout(kTwoButtons));
  gui->GetObject("cancel")->setState(0, 0);
  // Press over "ok", hold two frames, release; then press outside and release.
  h.MoveMouse(110, 110).Wait(1).PressMouse(1).Wait(2).ReleaseMouse(1).Wait(2)
      .MoveMouse(600, 300).PressMouse(1).Wait(1).ReleaseMouse(1);
  std::vector<int> clickedAt;
  int pressedAt = -1, releasedAt = -1;
  for (int frame = 0; frame < 10; ++frame) {
    h.Frame();
    mouse->update();
    if (pressedAt < 0 && mouse->leftHolded) pressedAt = frame;
    if (pressedAt >= 0 && releasedAt < 0 && !mouse->leftHolded) releasedAt = frame;
    gui->update();
    if (gui->clickedItem("ok")) clickedAt.push_back(frame);
  }
  // The click is the release frame's alone, and the press outside clicks nothing.
  ASSERT_GE(pressedAt, 0);
  EXPECT_EQ(releasedAt, pressedAt + 2);
  EXPECT_EQ(clickedAt, std::vector<int>{releasedAt});
  EXPECT_TRUE(h.ScriptDone());
}

}  // namespace
}  // namespace sorvanta
