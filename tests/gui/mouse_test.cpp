#include "gui/mouse.h"

#include <gtest/gtest.h>

#include "core/display.h"
#include "platform/harness.h"
#include "platform/image.h"
#include "platform/video.h"
#include "screens/options.h"

namespace sorvanta {
namespace {

TEST(Mouse, RectanglesIncludeTheirEdges) {
  TMouse m;
  m.x = 110;
  m.y = 70;
  EXPECT_EQ(m.inRect(10, 20, 100, 50), 1);  // exactly on the far corner
  EXPECT_EQ(m.inRect(110, 70, 5, 5), 1);    // exactly on the near corner
  EXPECT_EQ(m.inRect(10, 20, 99.5f, 50), 0);
  EXPECT_EQ(m.inRect(10, 20, 100, 49.5f), 0);
  // A rectangle of width 0 holds its left edge line only; negative sizes hold nothing.
  EXPECT_EQ(m.inRect(110, 0, 0, 100), 1);
  EXPECT_EQ(m.inRect(109, 0, 0, 100), 0);
  EXPECT_EQ(m.inRect(120, 0, -20, 100), 0);
  EXPECT_EQ(m.inRect(0, 80, 200, -20), 0);

  // A widget of size 0 is under the pointer only on its corner.
  TDim d;
  d.x = 110;
  d.y = 70;
  EXPECT_EQ(m.inDim(d), 1);
  d.x = 110.5f;
  EXPECT_EQ(m.inDim(d), 0);
  EXPECT_EQ(m.inDim(CreateFullDim(100, 60, 10, 10)), 1);
  EXPECT_EQ(m.inDim(DimPtr()), 0);
}

TEST(Mouse, ClearDropsButtonsAndKeepsThePosition) {
  TMouse m;
  m.x = 3;
  m.y = 4;
  m._v = 1;
  m.leftPressed = 2;
  m.rightPressed = m.midPressed = 1;
  m.leftHolded = m.rightHolded = m.midHolded = 1;
  m.clear();
  EXPECT_EQ(m.leftPressed + m.rightPressed + m.midPressed, 0);
  EXPECT_EQ(m.leftHolded + m.rightHolded + m.midHolded, 0);
  EXPECT_FLOAT_EQ(m.x, 3);
  EXPECT_FLOAT_EQ(m.y, 4);
  EXPECT_EQ(m._v, 1);
}

TEST(Mouse, DrawWithoutPictureOrSettingLeavesTheDrawingStateAlone) {
  auto savedOptions = options;
  auto savedImg = TMouse::img;
  SetColor(10, 20, 30);
  SetAlpha(0.25f);
  SetScale(2, 3);
  TMouse m;

  options.reset();
  TMouse::img = LoadImage(CreatePixmap(4, 4));
  m.draw();  // no settings yet
  options = std::make_shared<TOptions>();
  options->customCursor = 0;
  m.draw();  // the system pointer is in use
  options->customCursor = 1;
  TMouse::img.reset();
  m.draw();  // the picture is not loaded yet

  int r = 0, g = 0, b = 0;
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 60);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.25f);
  float sx = 0, sy = 0;
  GetScale(sx, sy);
  EXPECT_FLOAT_EQ(sx, 2);

  // With both, drawing sets the state it needs and leaves it set.
  TMouse::img = LoadImage(CreatePixmap(4, 4));
  m.draw();
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 765);
  EXPECT_FLOAT_EQ(GetAlpha(), 1);
  EXPECT_EQ(GetBlend(), ALPHABLEND);

  TMouse::img = savedImg;
  options = savedOptions;
  SetScale(1, 1);
}

TEST(Mouse, UpdateReadsOneFrameOfPointerAndButtons) {
  Harness h;
  SetAspectResolution(1024, 768, 3);
  TMouse m;
  // A press and release between two frames: pressed, but not held.
  h.MoveMouse(100, 200).PressMouse(1).ReleaseMouse(1);
  h.Frame();
  m.update();
  EXPECT_NEAR(m.x, 100, 0.5);
  EXPECT_NEAR(m.y, 200, 0.5);
  EXPECT_NE(m.leftPressed, 0);
  EXPECT_EQ(m.leftHolded, 0);
  EXPECT_EQ(m.rightPressed + m.midPressed, 0);

  h.PressMouse(2);
  h.Frame();
  m.update();
  EXPECT_EQ(m.leftPressed, 0);
  EXPECT_NE(m.rightPressed, 0);
  EXPECT_EQ(m.rightHolded, 1);
  h.Frame();
  m.update();  // still down, no new press
  EXPECT_EQ(m.rightPressed, 0);
  EXPECT_EQ(m.rightHolded, 1);
  aspectMode = 0;
  aspectOriginX = aspectOriginY = aspectWidth = aspectHeight = 0;
}

}  // namespace
}  // namespace sorvanta
