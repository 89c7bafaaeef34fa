// Property sets: copying from a class, and state names.
#include <gtest/gtest.h>

#include "gui/properties.h"

namespace sorvanta {
namespace {

TEST(Properties, ActionNamesAndCopiesFromAClass) {
  EXPECT_EQ(GetActionByString("UNACTIVE"), 3);
  EXPECT_EQ(GetActionByString("over"), 0);  // exact upper case only
  EXPECT_EQ(GetActionByString("HOVER"), 0);

  auto cls = std::make_shared<TProperties>();
  cls->action = 2;
  cls->alpha = CreateAlpha(0.5f);
  cls->scale = CreateScale(2, 2);
  cls->dim = CreateDim(50, 60);
  cls->onClick.assign(1, 'c');
  cls->stepP = 0.2f;
  EXPECT_EQ(copyProperties(nullptr), nullptr);
  auto copy = copyProperties(cls);
  EXPECT_EQ(copy->action, 2);
  EXPECT_EQ(copy->dim->x, 0);  // a class never supplies position or scripts
  EXPECT_EQ(copy->onClick, "");
  ASSERT_NE(copy->alpha, cls->alpha);  // records are new
  copy->alpha->a = 0.9f;
  EXPECT_EQ(cls->alpha->a, 0.5f);

  // What a set already has wins; the step is always the class's.
  TProperties own;
  own.alpha = CreateAlpha(0.7f);
  own.stepP = 0.4f;
  own.copyFromProperties(*cls);
  EXPECT_EQ(own.alpha->a, 0.7f);
  EXPECT_EQ(own.scale->sx, 2);
  EXPECT_EQ(own.stepP, 0.2f);
}

}  // namespace
}  // namespace sorvanta
