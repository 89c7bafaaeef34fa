#include "gui/mouse.h"

#include <gtest/gtest.h>

#include "core/display.h"
#include "core/settings.h"
#include "platform/harness.h"
#include "platform/image.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

TEST(Mouse, RectanglesIncludeTheirEdgesAndClearKeepsThePosition) {
  TMouse m;
  m.x = 110;
  m.y = 70;
  EXPECT_EQ(m.inRect(10, 20, 100, 50), 1);  // exactly on the far corner
  EXPECT_EQ(m.inRect(110, 70, 5, 5), 1);    // exactly on the near corner
  EXPECT_EQ(m.inRect(10, 20, 99.5f, 50), 0);
  EXPECT_EQ(m.inRect(10, 20, 100, 49.5f), 0);
  // Width 0 holds its left edge line only; negative sizes hold nothing.
  EXPECT_EQ(m.inRect(110, 0, 0, 100), 1);
  EXPECT_EQ(m.inRect(120, 0, -20, 100), 0);
  EXPECT_EQ(m.inDim(*CreateFullDim(100, 60, 10, 10)), 1);
  EXPECT_EQ(m.inDim(*CreateFullDim(110.5f, 70, 0, 0)), 0);

  m.leftPressed = 2;
  m.rightHolded = m.midPressed = 1;
  m.clear();
  EXPECT_EQ(m.leftPressed + m.midPressed + m.rightHolded, 0);
  EXPECT_FLOAT_EQ(m.x, 110);
}

TEST(Mouse, CursorDrawsOnlyWithPictureAndSettingWhileThePointerIsInTheWindow) {
  Harness h;
  TMouse m;
  struct Row {
    const char* name;
    bool picture;
    int setting;
    bool inside;
    bool draws;
  };
  const Row rows[] = {
      {"the game's pointer", true, 1, true, true},
      {"the system pointer", true, 0, true, false},
      {"the picture not loaded yet", false, 1, true, false},
      {"the pointer outside the window", true, 1, false, false},
  };
  for (const Row& r : rows) {
    TMouse::img = r.picture ? LoadImage(CreatePixmap(4, 4)) : nullptr;
    settings().customCursor = r.setting;
    r.inside ? h.PointerEnters() : h.PointerLeaves();
    h.Frame();
    SetAlpha(0.25f);  // drawing sets alpha 1
    m.draw();
    EXPECT_FLOAT_EQ(GetAlpha(), r.draws ? 1 : 0.25f) << r.name;
  }
  TMouse::img.reset();
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

  h.PressMouse(2);
  h.Frame();
  m.update();
  EXPECT_EQ(m.leftPressed, 0);
  EXPECT_NE(m.rightPressed, 0);
  h.Frame();
  m.update();  // still down, no new press
  EXPECT_EQ(m.rightPressed, 0);
  EXPECT_EQ(m.rightHolded, 1);
}

}  // namespace
}  // namespace sorvanta
