// A widget's state choice from the mouse and its blend between looks.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/globals.h"
#include "gui/gui_object.h"
#include "gui/img.h"
#include "gui/mouse.h"

namespace sorvanta {
namespace {

class GuiObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mouse = std::make_shared<TMouse>();
    delta = 1.0f;
  }
  // A 40 x 20 widget at (100, 50) with OVER, CLICK and UNACTIVE sets.
  static GuiObjectPtr Button(float stepDelta = 1.0f) {
    auto s = std::make_shared<TProperties>();
    s->img = std::make_shared<TImg>();
    s->img->w = 40;
    s->img->h = 20;
    s->dim = CreateDim(100, 50);
    s->alpha = CreateAlpha(0.5f);
    s->addDim = CreateDim(0, 0);
    s->stepP = stepDelta;
    std::vector<PropertiesPtr> sets;
    for (int action : {1, 2, 3}) {
      sets.push_back(std::make_shared<TProperties>());
      sets.back()->action = action;
      sets.back()->alpha = CreateAlpha(0.1f * action);
    }
    auto ob = TGuiObject::Create(s, sets, "B");
    ob->InitObject();
    return ob;
  }
  // Sets the pointer and left button, then runs one update.
  static void Frame(const GuiObjectPtr& ob, float x, float y, int held, int pressed = 0) {
    mouse->x = x;
    mouse->y = y;
    mouse->leftHolded = held;
    mouse->leftPressed = pressed;
    ob->update();
  }
};

TEST_F(GuiObjectTest, ClickCompletesOnReleaseOrLeaving) {
  auto ob = Button();
  Frame(ob, 140, 70, 0);  // bottom-right corner counts as over
  EXPECT_EQ(ob->docProps, ob->GetPropertiesByAction(1));
  Frame(ob, 141, 70, 0);
  EXPECT_EQ(ob->over, 0);

  Frame(ob, 110, 55, 1, 1);  // press
  EXPECT_EQ(ob->docProps, ob->GetPropertiesByAction(2));
  Frame(ob, 110, 55, 1);
  EXPECT_EQ(ob->clicked, 0);
  Frame(ob, 110, 55, 0);  // released over it
  EXPECT_EQ(ob->clicked, 1);
  Frame(ob, 110, 55, 0);
  EXPECT_EQ(ob->clicked, 0);

  // Dragged off with the button still down: the click completes in the first
  // update off the widget.
  Frame(ob, 110, 55, 1, 1);
  Frame(ob, 300, 300, 1);
  EXPECT_EQ(ob->clicked, 1);
  // A press that began elsewhere and is dragged on holds it too.
  Frame(ob, 110, 55, 1);
  Frame(ob, 110, 55, 0);
  EXPECT_EQ(ob->clicked, 1);
  // Press and release within one frame: the click comes in the next update.
  Frame(ob, 110, 55, 0, 1);
  EXPECT_EQ(ob->clicked, 0);
  Frame(ob, 110, 55, 0);
  EXPECT_EQ(ob->clicked, 1);
}

TEST_F(GuiObjectTest, BlendMovesTowardTheLookOverFrames) {
  auto ob = Button(0.25f);
  Frame(ob, 110, 55, 0);
  EXPECT_FLOAT_EQ(ob->per, 0.25f);
  EXPECT_FLOAT_EQ(ob->stepPer, static_cast<float>(std::sin(std::numbers::pi / 8)));
  for (int i = 0; i < 4; ++i) Frame(ob, 110, 55, 0);
  EXPECT_FLOAT_EQ(ob->per, 1);  // clamped on the target

  // Pressing changes the target set, so the blend restarts from the standard look.
  Frame(ob, 110, 55, 1, 1);
  EXPECT_FLOAT_EQ(ob->per, 0.25f);
  // Leaving: the last look fades out and the target is dropped at 0.
  Frame(ob, 0, 0, 0);
  EXPECT_EQ(ob->docProps, nullptr);

  // A faster frame factor moves further per update; fading out keeps the
  // last look meanwhile, and coming back continues from the current blend.
  delta = 2.0f;
  Frame(ob, 110, 55, 0);
  EXPECT_FLOAT_EQ(ob->per, 0.5f);
  delta = 1.0f;
  Frame(ob, 0, 0, 0);
  EXPECT_FLOAT_EQ(ob->per, 0.25f);
  EXPECT_EQ(ob->docProps, ob->GetPropertiesByAction(1));
  Frame(ob, 110, 55, 0);
  EXPECT_FLOAT_EQ(ob->per, 0.5f);
}

TEST_F(GuiObjectTest, SwitchedOffWidgetsNeverClick) {
  auto ob = Button(0.25f);
  // Held in one update, switched off before the next: no click, ever.
  Frame(ob, 110, 55, 1, 1);
  ob->setState(0, 0);
  Frame(ob, 110, 55, 0);
  EXPECT_EQ(ob->clicked, 0);
  EXPECT_EQ(ob->docProps, ob->GetPropertiesByAction(3));
  float frozen = ob->dPer;
  Frame(ob, 110, 55, 1, 1);
  EXPECT_EQ(ob->holded, 0);
  EXPECT_EQ(ob->dPer, frozen);
  ob->setState(1, 1);
  Frame(ob, 110, 55, 0);
  EXPECT_EQ(ob->clicked, 0);

  // Switched off at rest: the target is lost at once, the standard look shows.
  auto rest = Button();
  rest->setState(1, 0);
  Frame(rest, 110, 55, 0);
  EXPECT_EQ(rest->docProps, nullptr);
}

TEST_F(GuiObjectTest, SetMyAlphaReplacesOrCreatesTheStandardAlphaOnly) {
  auto ob = Button();
  ob->SetMyAlpha(0.25f);
  EXPECT_FLOAT_EQ(ob->standardProps->alpha->a, 0.25f);
  EXPECT_FLOAT_EQ(ob->GetPropertiesByAction(1)->alpha->a, 0.1f);
  ob->standardProps->alpha = nullptr;
  ob->SetMyAlpha(0.75f);
  ASSERT_NE(ob->standardProps->alpha, nullptr);
  EXPECT_FLOAT_EQ(ob->standardProps->alpha->a, 0.75f);
}

}  // namespace
}  // namespace sorvanta
