#include "platform/image.h"

#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "platform/harness.h"
#include "platform/image_read_back.h"
#include "platform/pixel_access.h"
#include "platform/video.h"
#include "support/test_data.h"

namespace sorvanta {
namespace {

constexpr std::uint32_t R = 0xff0000, G = 0x00ff00, B = 0x0000ff, K = 0;

TEST(ImageDraw, HandleScaleMirrorAndRotation) {
  Harness h;
  Cls();
  auto image = testing::SplitImage(20, 10);  // left half red, right half green
  ASSERT_NE(image, nullptr);
  DrawImage(image, 100, 100);  // handle (0, 0): top-left at the point
  MidHandleImage(image);
  DrawImage(image, 200, 100);  // centred on the point
  SetScale(2, 2);
  DrawImage(image, 300, 100);  // grows about its centre: 280..320 x 90..110
  SetScale(-1, 1);
  DrawImage(image, 400, 100);  // mirrored about the centre
  SetScale(1, 1);
  SetRotation(90);
  DrawImage(image, 500, 100);  // clockwise: red (left) goes up
  SetImageHandle(image, 0, 0);
  DrawImage(image, 600, 100);  // about its top-left corner: 590..600 x 100..120
  SetRotation(0);
  SetScale(-1, 1);
  DrawImage(image, 700, 100);  // mirrored about its corner: 680..700
  SetScale(1, 1);
  h.Frame();
  testing::ExpectPixels(h, {{105, 105, R}, {115, 105, G}, {99, 105, K},                   // top-left
                            {195, 100, R}, {205, 100, G}, {189, 100, K},                  // centred
                            {282, 92, R},  {318, 108, G}, {278, 100, K}, {300, 88, K},    // scaled
                            {395, 100, G}, {405, 100, R},                                 // mirrored
                            {500, 94, R},  {500, 106, G}, {490, 100, K},                  // rotated
                            {595, 104, R}, {595, 116, G}, {605, 105, K},                  // about the corner
                            {695, 105, R}, {685, 105, G}, {705, 105, K}});
}

TEST(ImageDraw, SubRectanglesFramesAndNullImages) {
  Harness h;
  Cls();
  auto image = testing::SplitImage(20, 10);
  DrawSubImageRect(image, 100, 100, 10, 10, 10, 0, 10, 10);       // the green half only
  DrawSubImageRect(image, 200, 100, 40, 20, 0, 0, 10, 10);        // the red half stretched
  DrawSubImageRect(image, 300, 100, 10, 10, 0, 0, 10, 10, 5, 5);  // handle in the middle
  // The left fraction of a bar, unstretched, as a progress bar draws it.
  DrawSubImageRect(image, 400, 100, 20 * 0.75f, 10, 0, 0, 20 * 0.75f, 10);
  h.Frame();
  testing::ExpectPixels(h, {{101, 101, G}, {109, 109, G}, {111, 105, K}, {238, 118, R}, {241, 105, K},
                            {296, 96, R}, {306, 106, K}, {413, 105, G}, {416, 105, K}});

  // Frames cut from a strip, left to right.
  auto strip = CreatePixmap(30, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 30; ++x) WritePixel(strip, x, y, 0xff000000u | (0xff0000u >> (8 * (x / 10))));
  auto anim = LoadAnimImage(strip, 10, 10, 1, 2, 0);
  ASSERT_NE(anim, nullptr);
  EXPECT_EQ(ImageFrameCount(*anim), 2);
  EXPECT_EQ(LoadAnimImage(strip, 10, 10, 2, 2, 0), nullptr);  // runs past the strip
  Cls();
  DrawImage(anim, 0, 0, 0);
  DrawImage(anim, 20, 0, 1);
  DrawImage(anim, 40, 0, 2);  // no such frame: nothing
  h.Frame();
  testing::ExpectPixels(h, {{5, 5, G}, {25, 5, B}, {45, 5, K}});

  // None everywhere is harmless.
  std::shared_ptr<TImage> none;
  DrawImage(none, 0, 0);
  DrawSubImageRect(none, 0, 0, 1, 1, 0, 0, 1, 1);
  MidHandleImage(none);
  EXPECT_EQ(ImageWidth(none), 0);
  EXPECT_EQ(LoadImage(std::shared_ptr<TPixmap>()), nullptr);
  EXPECT_EQ(LoadImage("/no/such/image.png"), nullptr);
}

TEST(ImageDraw, FileImagesFilterByFlagAndKeepTransparency) {
  Harness h;
  auto image = LoadImage(test::TestData("pngsuite/basn6a08.png"));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(ImageWidth(image), 32);
  EXPECT_TRUE(ImageFiltered(*image));
  EXPECT_FALSE(ImageFiltered(*LoadImage(ImageFrame(*image, 0), 0)));
  ASSERT_EQ(ReadPixel(ImageFrame(*image, 0), 0, 0) >> 24, 0u);
  SetClsColor(0, 0, 255);
  Cls();
  DrawImage(image, 0, 0);
  h.Frame();
  testing::ExpectPixels(h, {{0, 0, B}});  // a transparent pixel leaves the background alone
}

}  // namespace
}  // namespace sorvanta
