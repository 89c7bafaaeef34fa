// The drawing state every screen starts its drawing from.
#include "core/draw_state.h"

#include <gtest/gtest.h>

#include "platform/read_back.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

// Whatever the last drawing left (turned, tinted, scaled, added light), the
// next panel or text starts from white, upright, at scale 1.
TEST(DrawState, ResetLeavesNothingOfTheLastDrawing) {
  SetColor(10, 20, 30);
  SetAlpha(0.25f);
  SetBlend(LIGHTBLEND);
  SetScale(2, 3);
  SetRotation(135);
  ResetDrawState(0.5f);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255);
  EXPECT_EQ(GetAlpha(), 0.5f);
  EXPECT_EQ(GetBlend(), ALPHABLEND);
  float sx, sy;
  GetScale(sx, sy);
  EXPECT_EQ(sx, 1.0f);
  EXPECT_EQ(sy, 1.0f);
  EXPECT_EQ(GetRotation(), 0.0f);
}

}  // namespace
}  // namespace sorvanta
