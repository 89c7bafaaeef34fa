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
  cls->id = "CLS";
  cls->action = 2;
  cls->txt = "class caption";
  cls->alpha = CreateAlpha(0.5f);
  cls->scale = CreateScale(2, 2);
  cls->dimAlign = 3;
  cls->dim = CreateDim(50, 60);
  cls->pinToString = "OTHER";
  cls->cutHalf = 1;
  cls->onClick = "c";
  cls->stepP = 0.2f;

  EXPECT_EQ(copyProperties(nullptr), nullptr);
  auto copy = copyProperties(cls);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->action, 2);
  EXPECT_EQ(copy->txt, "class caption");
  // A class never supplies position, offsets, pins, cut-half, scripts or id.
  EXPECT_EQ(copy->dim->x, 0);
  EXPECT_EQ(copy->pinToString, "");
  EXPECT_EQ(copy->cutHalf, 0);
  EXPECT_EQ(copy->onClick, "");
  EXPECT_EQ(copy->id, "");
  // Records are new; the copy's changes stay its own.
  ASSERT_NE(copy->alpha, cls->alpha);
  copy->alpha->a = 0.9f;
  EXPECT_EQ(cls->alpha->a, 0.5f);

  // What a set already has wins; ints 0 and empty captions count as missing.
  TProperties own;
  own.txt = "mine";
  own.dimAlign = 1;
  own.alpha = CreateAlpha(0.7f);
  own.stepP = 0.4f;
  own.copyFromProperties(*cls);
  EXPECT_EQ(own.txt, "mine");
  EXPECT_EQ(own.dimAlign, 1);
  EXPECT_EQ(own.alpha->a, 0.7f);
  EXPECT_EQ(own.scale->sx, 2);
  EXPECT_EQ(own.stepP, 0.2f);  // always the class's
}

}  // namespace
}  // namespace sorvanta
