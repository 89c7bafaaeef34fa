// GUI value records: creation, copies, steps and passing them to the drawing state.
#include <gtest/gtest.h>

#include "gui/gui_types.h"
#include "gui_test_support.h"
#include "platform/image.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

TEST(GuiTypes, CreateAndCopy) {
  auto d = CreateDim(5, 7);
  EXPECT_EQ(d->x, 5);
  EXPECT_EQ(d->y, 7);
  EXPECT_EQ(d->w, 0);
  EXPECT_EQ(d->cx, 0);
  d->cx = 3;
  d->cy = 4;
  auto c = CopyDim(d);
  ASSERT_NE(c, d);
  EXPECT_EQ(c->cx, 3);
  EXPECT_EQ(c->cy, 4);
  c->x = 99;
  EXPECT_EQ(d->x, 5);  // copies never share

  auto full = CreateFullDim(1, 2, 3, 4);
  EXPECT_EQ(full->h, 4);
  auto rgb = CreateRGB(300, -1, 0.5f);  // unclamped
  EXPECT_EQ(CopyRGB(rgb)->r, 300);
  EXPECT_EQ(CopyRGB(rgb)->g, -1);
  EXPECT_EQ(CopyAlpha(CreateAlpha(0.25f))->a, 0.25f);
  EXPECT_EQ(CopyScale(CreateScale(2, 3))->sy, 3);
  auto sh = std::make_shared<TShadow>(TShadow{1, 2, 0.5f});
  EXPECT_EQ(CopyShadow(sh)->a, 0.5f);

  EXPECT_EQ(CopyDim(nullptr), nullptr);
  EXPECT_EQ(CopyRGB(nullptr), nullptr);
  EXPECT_EQ(CopyAlpha(nullptr), nullptr);
  EXPECT_EQ(CopyScale(nullptr), nullptr);
  EXPECT_EQ(CopyShadow(nullptr), nullptr);
}

TEST(GuiTypes, LinearAndCurvedSteps) {
  EXPECT_FLOAT_EQ(GetFloatStep(0.2f, 1.0f, 0.5f), 0.6f);
  EXPECT_FLOAT_EQ(GetFloatStep(0.2f, 1.0f, 0), 0.2f);
  EXPECT_FLOAT_EQ(GetFloatStep(0.2f, 1.0f, 1), 1.0f);

  auto mid = GetRGBStep(TRGB{255, 255, 255}, TRGB{0, 128, 255}, 0.5f);
  EXPECT_FLOAT_EQ(mid->r, 127.5f);
  EXPECT_FLOAT_EQ(mid->g, 191.5f);
  EXPECT_FLOAT_EQ(mid->b, 255);
  auto out = CreateRGB(0, 0, 0);
  EXPECT_EQ(GetRGBStep(TRGB{0, 0, 0}, TRGB{10, 10, 10}, 1, out), out);

  TDim from, to;
  to.x = 100;
  auto o = CreateFullDim(0, 0, 7, 9);
  EXPECT_FLOAT_EQ(GetDimStep(from, to, 0.25f, o)->x, -12.5f);
  EXPECT_FLOAT_EQ(GetDimStep(from, to, 0.5f, o)->x, 0);
  EXPECT_FLOAT_EQ(GetDimStep(from, to, 0.75f, o)->x, 37.5f);
  EXPECT_FLOAT_EQ(GetDimStep(from, to, 1, o)->x, 100);
  EXPECT_EQ(o->w, 7);
  EXPECT_EQ(o->h, 9);
  EXPECT_NE(GetDimStep(from, to, 1), nullptr);
}

TEST(GuiTypes, DrawingStateAndFittingScale) {
  SetColorRgb(*GetRGBStep(TRGB{255, 255, 255}, TRGB{0, 128, 255}, 0.5f));
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 127);
  EXPECT_EQ(g, 191);
  EXPECT_EQ(b, 255);
  SetColorRgb(TRGB{254.9f, 0.5f, 0});
  GetColor(r, g, b);
  EXPECT_EQ(r, 254);
  EXPECT_EQ(g, 0);

  SetScaleByPer(TScale{1, 1}, TScale{1.2f, 2}, 0.5f);
  float sx, sy;
  GetScale(sx, sy);
  EXPECT_FLOAT_EQ(sx, 1.1f);
  EXPECT_FLOAT_EQ(sy, 1.5f);

  auto image = [&](int w, int h) {
    return LoadImage(CreatePixmap(w, h));
  };
  EXPECT_FLOAT_EQ(setProperScale(image(400, 100), 200, 200), 0.5f);
  EXPECT_FLOAT_EQ(setProperScale(image(100, 400), 200, 200), 0.5f);
  EXPECT_FLOAT_EQ(setProperScale(image(100, 100), 200, 200), 1);
  EXPECT_FLOAT_EQ(setProperScale(image(200, 100), 300, 50), 1);  // the longer side fits
  GetScale(sx, sy);
  EXPECT_EQ(sx, 1);
  EXPECT_EQ(sy, 1);
  EXPECT_FLOAT_EQ(setProperScale(nullptr, 10, 10), 1);
}

}  // namespace
}  // namespace sorvanta
