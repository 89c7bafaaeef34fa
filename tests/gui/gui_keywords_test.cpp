// Layout keywords, property sets, the standard set's defaults, and the
// geometry and pin passes.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "core/globals.h"
#include "gui/gui.h"
#include "gui/img.h"
#include "gui/my_font.h"
#include "gui_test_support.h"
#include "platform/font.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

// Layouts read from a scratch folder that is also the resource folder, with
// the test images copied into it.
class GuiKeywords : public ::testing::Test {
 protected:
  void SetUp() override {
    bDir = dir_.path() + "/";
    for (const char* f : {"btn.png", "over.png", "panel.png"})
      std::filesystem::copy_file(testing_gui::DataDir() + f, dir_ / f);
    test::WriteFile(dir_ / "txt/en/test.txt", "first line\nsecond line\n");
  }

  GuiPtr Load(const std::string& text, std::vector<std::string>* out = nullptr) {
    test::WriteFile(dir_ / "layout.gui", text);
    GuiPtr gui;
    auto lines = testing_gui::StdoutLines([&] { gui = LoadGui(dir_ / "layout.gui"); });
    if (out) *out = lines;
    return gui;
  }

  test::TempFolder dir_;
};

TEST_F(GuiKeywords, EveryKeywordFillsItsField) {
  std::vector<std::string> out;
  GuiPtr gui = Load(R"GUI(
PROPCLASS base {
  RGB = "10 20 30"; ALPHA = 0.5; ALIGN = down; STEPDELTA = 0.5
  POSITION = "1 1"; ADDDIM = "9 9"; PINTO = x; CUTHALF = 1
  OVER { ALPHA = 1 }
}
PROPCLASS Hov { GFX = over.png; SCALE = "1.2 1.2" }
OBJECT btn {
  GFX = btn.png
  POSITION = "100 50 999 999"
  PROPCLASS = base
  SCALE = "2"
  SHADOW = "1 2 3"
  TXT = "[txt/#LANG#/test.txt|2]"
  FONT = "gfx/fonts/font2.ttf|20"
  TEXTALPHA = 0.7
  TEXTSCALE = "1.5 1.25"
  TEXTRGB = 128
  LUAONCLICK = "doIt()"
  LUAONOVER = hover
  ADDDIM = "4 -8"
  ADDTEXTDIM = "0 10"
  OVER = hov
  CLICK { ALPHA = 0.2; inner { ALPHA = 0.9 } }
  UNACTIVE = missing
  HOVER { ALPHA = 0.1 }
  NOSUCHKEYWORD = 1
}
)GUI", &out);
  EXPECT_EQ(out, std::vector<std::string>{"ERROR: Couldn't find properties class 'missing'!"});
  ASSERT_EQ(gui->propClasses.size(), 2u);
  EXPECT_EQ(gui->propClasses.back()->id, "Hov");  // class names keep their case
  ASSERT_EQ(gui->objects.size(), 1u);
  auto ob = gui->objects.front();
  EXPECT_EQ(ob->id, "BTN");
  const TProperties& s = *ob->standardProps;
  ASSERT_NE(s.img, nullptr);
  EXPECT_EQ(s.img->hx, 20);  // handle at the centre
  EXPECT_EQ(s.rgb->g, 20);
  EXPECT_FLOAT_EQ(s.alpha->a, 0.5f);
  EXPECT_EQ(s.dimAlign, 3);
  EXPECT_EQ(ob->stepDelta, 0.5f);
  EXPECT_EQ(s.scale->sx, 1);  // one piece: left out, then completed
  EXPECT_EQ(s.shadow, nullptr);
  EXPECT_EQ(s.txt, "second line");
  EXPECT_EQ(s.font, myLoadImageFont("font2", 20));
  EXPECT_FLOAT_EQ(s.tScale->sy, 1.25f);
  EXPECT_EQ(s.tRgb->r, 128);
  EXPECT_EQ(s.tRgb->g, 255);
  EXPECT_EQ(s.onOver, "hover");
  EXPECT_EQ(s.pinToString, "");  // not from a class
  // Size from the image, never from POSITION; ALIGN DOWN ignores the point.
  EXPECT_EQ(ob->dim->w, 40);
  EXPECT_EQ(s.dim->w, 999);
  EXPECT_EQ(ob->dim->x, 512 - 20 + 4);
  EXPECT_EQ(ob->dim->y, 768 - 20 - 8);
  EXPECT_EQ(ob->dim->cy, 750);

  // State sets in body order; the class's OVER block never reaches a widget.
  ASSERT_EQ(ob->properties.size(), 3u);
  auto over = ob->GetPropertiesByAction(1);
  ASSERT_NE(over, nullptr);
  EXPECT_EQ(over->img, gui->propClasses.back()->img);
  EXPECT_FLOAT_EQ(over->scale->sx, 1.2f);
  EXPECT_EQ(over->alpha, nullptr);  // state sets are not completed
  EXPECT_FLOAT_EQ(ob->GetPropertiesByAction(2)->alpha->a, 0.2f);  // nested blocks ignored
  EXPECT_EQ(ob->GetPropertiesByAction(3), nullptr);
  EXPECT_EQ(ob->properties.back()->action, 0);  // HOVER is no state
}

TEST_F(GuiKeywords, ValueShapesAndDefaults) {
  GuiPtr gui = Load(R"GUI(
PROPCLASS plain { }
OBJECT a { POSITION = "10  20"; RGB = "12.7 0 0"; ALIGN = CENTER; TXT = "[ab|1]" }
OBJECT b { POSITION = 7; POSITION = "3 4 5 6 7"; RGB = 128; ALIGN = left; TXT = "[a|1]" }
OBJECT c { STEPDELTA = 0.2; PROPCLASS = plain }
OBJECT d { PROPCLASS = plain; STEPDELTA = 0.2; FONT = nosize; TXT = "[nobar]" }
OBJECT e { PROPCLASS = later; GFX = btn.png }
PROPCLASS later { ALPHA = 0.3 }
PROPCLASS caption { TEXTRGB = "255 243 214" }
OBJECT f { PROPCLASS = caption; TXT = "Go" }
)GUI");
  ASSERT_EQ(gui->objects.size(), 6u);
  auto a = gui->GetObject("a")->standardProps;
  EXPECT_EQ(a->dim->w, 20);  // an empty piece between two spaces
  EXPECT_EQ(a->rgb->r, 12);
  EXPECT_EQ(a->txt, "(BEYOND TEXT ARRAY LENGTH!)");  // a reference to a missing file
  // A caption gets text defaults; a widget without one keeps them missing.
  ASSERT_NE(a->tRgb, nullptr);
  EXPECT_EQ(a->tRgb->b, 255);
  EXPECT_EQ(gui->GetObject("c")->standardProps->tRgb, nullptr);

  auto b = gui->GetObject("B")->standardProps;
  EXPECT_EQ(b->dim->h, 6);  // the later POSITION wins
  EXPECT_EQ(b->rgb->b, 255);
  EXPECT_EQ(b->txt, "[a|1]");  // too short to be a reference

  EXPECT_EQ(gui->GetObject("c")->stepDelta, 1.0f);  // the class's default overwrites it
  auto d = gui->GetObject("d");
  EXPECT_FLOAT_EQ(d->stepDelta, 0.2f);
  EXPECT_EQ(d->standardProps->font, nullptr);
  EXPECT_EQ(d->standardProps->txt, "[nobar]");
  // A class named before it is declared gives nothing.
  EXPECT_FLOAT_EQ(gui->GetObject("e")->standardProps->alpha->a, 1);
  // A caption's colour from its class, as every shipped button has it.
  ASSERT_NE(gui->GetObject("f")->standardProps->tRgb, nullptr);
  const TRGB cream = *gui->GetObject("f")->standardProps->tRgb;
  EXPECT_EQ((std::array<float, 3>{cream.r, cream.g, cream.b}), (std::array<float, 3>{255, 243, 214}));
}

TEST_F(GuiKeywords, PinsAlignmentAndCutHalf) {
  std::vector<std::string> out;
  GuiPtr gui = Load(R"GUI(
OBJECT fwd { GFX = btn.png; POSITION = "1 1"; PINTO = later }
OBJECT anchor { GFX = panel.png; POSITION = "200 100"; ADDDIM = "10 5" }
OBJECT rel { GFX = btn.png; POSITION = "3 4"; PINTO = anchor }
OBJECT side { GFX = btn.png; ALIGN = RIGHT; ADDDIM = "-1 0"; PINTO = Anchor }
OBJECT top { GFX = btn.png; ALIGN = UP; PINTO = anchor }
OBJECT later { GFX = btn.png; POSITION = "500 500" }
OBJECT lost { GFX = btn.png; POSITION = "7 8"; PINTO = nobody }
OBJECT aligned { GFX = btn.png; POSITION = "300 300"; ALIGN = LEFT; ADDDIM = "2 2" }
OBJECT onAligned { GFX = btn.png; POSITION = "1 2"; PINTO = aligned }
OBJECT cap { TXT = "ABCDEF"; FONT = "font.ttf|20"; POSITION = "100 50"; CUTHALF = 1 }
OBJECT capImg { GFX = btn.png; POSITION = "100 50"; CUTHALF = 1 }
)GUI", &out);
  EXPECT_TRUE(out.empty());  // an unknown PINTO name is ignored silently
  auto at = [&](const char* name) { return *gui->GetObject(name)->dim; };
  EXPECT_EQ(at("fwd").x, 501);
  EXPECT_EQ(at("rel").x, 3 + 200 + 10);
  EXPECT_EQ(at("rel").y, 4 + 100 + 5);
  // Aligned inside the anchor's computed rectangle (210, 105, 100, 60).
  EXPECT_EQ(at("side").x, 210 + 100 - 40 - 1);
  EXPECT_EQ(at("side").y, 105 + 30 - 10);
  EXPECT_EQ(at("top").y, 105);
  EXPECT_EQ(at("lost").x, 7);
  EXPECT_EQ(at("aligned").y, 384 - 10 + 2);
  // Pinned to an aligned widget: its declared point plus offset counts.
  EXPECT_EQ(at("onAligned").x, 1 + 300 + 2);
  auto anchor = gui->GetObject("anchor");
  EXPECT_EQ(anchor->objects.size(), 3u);
  EXPECT_EQ(gui->GetObject("rel")->pinTo.lock(), anchor);

  // A caption measured by its font, centred on the declared point; an image
  // widget is not moved by CUTHALF.
  auto cap = gui->GetObject("cap");
  SetImageFont(cap->standardProps->font);
  EXPECT_EQ(cap->dim->w, TextWidth("ABCDEF"));
  EXPECT_NEAR(cap->dim->cx, 100, 1);
  EXPECT_NEAR(cap->dim->cy, 50, 1);
  EXPECT_EQ(at("capImg").x, 100);
}

TEST_F(GuiKeywords, SelfAndMutualPinsDoNotLeak) {
  GuiPtr gui = Load(R"GUI(
OBJECT a { GFX = btn.png; POSITION = "10 10"; PINTO = b }
OBJECT b { GFX = btn.png; POSITION = "20 20"; PINTO = a }
OBJECT c { GFX = btn.png; POSITION = "5 5"; PINTO = c }
)GUI");
  std::weak_ptr<TGuiObject> a = gui->GetObject("a");
  EXPECT_EQ(gui->GetObject("c")->dim->x, 10);
  gui.reset();
  EXPECT_TRUE(a.expired());
}

}  // namespace
}  // namespace sorvanta
