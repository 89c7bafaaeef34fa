// GUI value records: copies, steps and passing them to the drawing state.
#include <gtest/gtest.h>

#include "gui/gui_types.h"
#include "platform/image.h"
#include "platform/read_back.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

TEST(GuiTypes, CopiesStepsAndDrawingState) {
  auto d = CreateDim(5, 7);
  auto c = CopyDim(d);
  c->x = 99;
  EXPECT_EQ(d->x, 5);  // copies never share
  EXPECT_EQ(CopyShadow(nullptr), nullptr);

  auto mid = GetRGBStep(TRGB{255, 255, 255}, TRGB{0, 128, 255}, 0.5f);
  EXPECT_FLOAT_EQ(mid->g, 191.5f);
  SetColorRgb(*mid);  // truncated
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 127);
  EXPECT_EQ(g, 191);

  // Positions follow a curve that dips below the start before rising; the size stays.
  TDim from, to;
  to.x = 100;
  auto o = CreateFullDim(0, 0, 7, 9);
  EXPECT_FLOAT_EQ(GetDimStep(from, to, 0.25f, o)->x, -12.5f);
  EXPECT_FLOAT_EQ(GetDimStep(from, to, 0.5f, o)->x, 0);
  EXPECT_FLOAT_EQ(GetDimStep(from, to, 1, o)->x, 100);
  EXPECT_EQ(o->w, 7);

  float sx, sy;
  SetScaleByPer(TScale{1, 1}, TScale{1.2f, 2}, 0.5f);
  GetScale(sx, sy);
  EXPECT_FLOAT_EQ(sx, 1.1f);
  EXPECT_FLOAT_EQ(sy, 1.5f);

  // The longer side fits the box; nothing is ever enlarged.
  auto image = [](int w, int h) { return LoadImage(CreatePixmap(w, h)); };
  EXPECT_FLOAT_EQ(setProperScale(image(400, 100), 200, 200), 0.5f);
  EXPECT_FLOAT_EQ(setProperScale(image(100, 400), 200, 200), 0.5f);
  EXPECT_FLOAT_EQ(setProperScale(image(200, 100), 300, 50), 1);
  GetScale(sx, sy);
  EXPECT_EQ(sx, 1);
  EXPECT_FLOAT_EQ(setProperScale(nullptr, 10, 10), 1);
}

}  // namespace
}  // namespace sorvanta
