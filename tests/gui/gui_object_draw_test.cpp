// How a widget paints itself: the standard look, cross-fades and
// interpolated values. Pixels are read only where they are the point; the
// rest checks the drawing state each path leaves set.
#include <gtest/gtest.h>

#include "core/globals.h"
#include "gui/gui.h"
#include "gui/my_font.h"
#include "gui_test_support.h"
#include "platform/font.h"
#include "platform/harness.h"
#include "platform/read_back.h"
#include "platform/video.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

class GuiObjectDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    bDir = testing_gui::DataDir();
    SetVirtualResolution(1024, 768);
  }

  GuiObjectPtr Widget(const std::string& body) {
    test::WriteFile(dir_ / "w.gui", "OBJECT w { " + body + " }");
    gui_ = LoadGui(dir_ / "w.gui");
    return gui_->GetObject("w");
  }
  // Puts the widget part-way into its state set `action`.
  static void MidBlend(const GuiObjectPtr& ob, int action, float stepPer) {
    ob->docProps = ob->GetPropertiesByAction(action);
    ob->stepPer = stepPer;
  }
  static int Red(std::uint32_t argb) { return (argb >> 16) & 0xff; }

  Harness harness_;
  test::TempFolder dir_;
  GuiPtr gui_;
};

TEST_F(GuiObjectDraw, ImagesAtRestAndCrossFaded) {
  auto ob = Widget("GFX = btn.png; POSITION = \"100 50\"; OVER { GFX = over.png }");
  Cls();
  ob->draw();
  harness_.Frame();
  EXPECT_EQ(harness_.Pixel(120, 60), 0xffff0000u);
  EXPECT_EQ(harness_.Pixel(98, 60), 0xff000000u);

  // OVER brings its own image: the standard one at full strength, the OVER
  // one on top at half of its alpha.
  MidBlend(ob, 1, 0.5f);
  Cls();
  ob->draw();
  harness_.Frame();
  std::uint32_t p = harness_.Pixel(120, 60);
  EXPECT_NEAR(Red(p), 128, 2);
  EXPECT_EQ((p >> 8) & 0xff, 0u);
  EXPECT_NEAR(p & 0xff, 128, 2);

  // The widget's alpha and the standard alpha both weigh on the image.
  ob->docProps = nullptr;
  ob->SetMyAlpha(0.5f);
  gui_->setGuiAlpha(0.5f);
  Cls();
  gui_->draw();
  harness_.Frame();
  EXPECT_NEAR(Red(harness_.Pixel(120, 60)), 64, 2);

  // Hidden: nothing drawn and the drawing state untouched.
  ob->setState(0, 1);
  SetAlpha(0.3f);
  Cls();
  ob->draw();
  harness_.Frame();
  EXPECT_FLOAT_EQ(GetAlpha(), 0.3f);
  EXPECT_EQ(harness_.Pixel(120, 60), 0xff000000u);
}

TEST_F(GuiObjectDraw, ValueOnlyTargetsAreInterpolated) {
  auto ob = Widget("GFX = btn.png; ALPHA = 0.8; OVER { SCALE = \"1.2 1.2\"; ALPHA = 0.4 }");
  ob->scaleX = 3;  // not applied by an interpolated scale
  ob->alpha = 0.5f;
  MidBlend(ob, 1, 0.5f);
  ob->draw();
  float sx, sy;
  GetScale(sx, sy);
  EXPECT_FLOAT_EQ(sx, 1.1f);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.6f * 0.5f);

  // Without a target value the standard one stands, times the widget's factors.
  auto plain = Widget("GFX = btn.png; SCALE = \"2 2\"; CLICK { RGB = \"0 0 0\" }");
  plain->scaleX = 1.5f;
  MidBlend(plain, 2, 0.5f);
  plain->draw();
  GetScale(sx, sy);
  EXPECT_FLOAT_EQ(sx, 3);
  SetScale(1, 1);
}

TEST_F(GuiObjectDraw, Captions) {
  // Caption only, at rest: its look is set and it is written centred.
  auto ob = Widget(
      "TXT = \"MMMM\"; FONT = \"font.ttf|30\"; POSITION = \"200 200\"; TEXTRGB = \"255 0 0\";"
      "TEXTALPHA = 0.5; ADDTEXTDIM = \"0 10\"");
  ob->alpha = 0.8f;
  SetImageFont(nullptr);
  Cls();
  ob->draw();
  harness_.Frame();
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 0);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.4f);
  EXPECT_EQ(GetImageFont(), myLoadImageFont("font.ttf", 30));
  // Red stands evenly about the centre, down to 10 units below, and nothing far off.
  int redLeft = 0, redRight = 0;
  for (int x = 150; x < 300; ++x)
    for (int y = static_cast<int>(ob->dim->y); y < ob->dim->y + ob->dim->h + 12; ++y)
      if (Red(harness_.Pixel(static_cast<float>(x), static_cast<float>(y))) > 40)
        (x < ob->dim->cx ? redLeft : redRight)++;
  EXPECT_GT(redLeft, 0);
  EXPECT_NEAR(redLeft, redRight, (redLeft + redRight) / 4);
  EXPECT_EQ(harness_.Pixel(ob->dim->x - 5, ob->dim->y - 5), 0xff000000u);

  // A target with only a font: the caption fades into it, and it stays selected.
  auto fontOnly = Widget("TXT = Hi; FONT = \"font.ttf|30\"; TEXTALPHA = 0.5; OVER { FONT = \"font2|18\" }");
  MidBlend(fontOnly, 1, 0.25f);
  fontOnly->draw();
  EXPECT_EQ(GetImageFont(), myLoadImageFont("font2", 18));
  EXPECT_FLOAT_EQ(GetAlpha(), 0.5f * 0.25f);

  // A target with values only: the caption is drawn once, interpolated.
  auto step = Widget("TXT = Hi; TEXTRGB = \"0 0 0\"; CLICK { TEXTRGB = \"200 100 50\"; TEXTALPHA = 0 }");
  MidBlend(step, 2, 0.5f);
  step->draw();
  GetColor(r, g, b);
  EXPECT_EQ(r, 100);
  EXPECT_EQ(b, 25);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.5f);
}

}  // namespace
}  // namespace sorvanta
