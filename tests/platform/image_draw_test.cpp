#include "platform/image.h"

#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "platform/harness.h"
#include "platform/video.h"

namespace sorvanta {
namespace {

using testing::Hex;
using testing::Near;

bool IsRed(std::uint32_t p) { return Near(p, 255, 0, 0); }
bool IsGreen(std::uint32_t p) { return Near(p, 0, 255, 0); }
bool IsBlack(std::uint32_t p) { return Near(p, 0, 0, 0); }

TEST(ImageDraw, HandleScaleMirrorAndRotation) {
  Harness h;
  Cls();
  auto image = testing::SplitImage(20, 10);  // left half red, right half green
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(ImageWidth(image), 20);
  EXPECT_EQ(ImageHeight(image), 10);

  DrawImage(image, 100, 100);  // handle (0, 0): top-left at the point
  MidHandleImage(image);
  EXPECT_EQ(image->handleX, 10.0f);
  EXPECT_EQ(image->handleY, 5.0f);
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

  EXPECT_TRUE(IsRed(h.Pixel(105, 105)));
  EXPECT_TRUE(IsGreen(h.Pixel(115, 105)));
  EXPECT_TRUE(IsBlack(h.Pixel(99, 105)));
  EXPECT_TRUE(IsRed(h.Pixel(195, 100)));
  EXPECT_TRUE(IsGreen(h.Pixel(205, 100)));
  EXPECT_TRUE(IsBlack(h.Pixel(189, 100)));
  EXPECT_TRUE(IsRed(h.Pixel(282, 92)));
  EXPECT_TRUE(IsGreen(h.Pixel(318, 108)));
  EXPECT_TRUE(IsBlack(h.Pixel(278, 100)));
  EXPECT_TRUE(IsBlack(h.Pixel(300, 88)));
  EXPECT_TRUE(IsGreen(h.Pixel(395, 100))) << Hex(h.Pixel(395, 100));
  EXPECT_TRUE(IsRed(h.Pixel(405, 100)));
  EXPECT_TRUE(IsRed(h.Pixel(500, 94))) << Hex(h.Pixel(500, 94));
  EXPECT_TRUE(IsGreen(h.Pixel(500, 106))) << Hex(h.Pixel(500, 106));
  EXPECT_TRUE(IsBlack(h.Pixel(490, 100)));
  EXPECT_TRUE(IsRed(h.Pixel(595, 104))) << Hex(h.Pixel(595, 104));
  EXPECT_TRUE(IsGreen(h.Pixel(595, 116))) << Hex(h.Pixel(595, 116));
  EXPECT_TRUE(IsBlack(h.Pixel(605, 105)));
  EXPECT_TRUE(IsRed(h.Pixel(695, 105))) << Hex(h.Pixel(695, 105));
  EXPECT_TRUE(IsGreen(h.Pixel(685, 105)));
  EXPECT_TRUE(IsBlack(h.Pixel(705, 105)));
}

TEST(ImageDraw, SubRectanglesFramesAndNullImages) {
  Harness h;
  Cls();
  auto image = testing::SplitImage(20, 10);
  DrawSubImageRect(image, 100, 100, 10, 10, 10, 0, 10, 10);  // the green half only
  DrawSubImageRect(image, 200, 100, 40, 20, 0, 0, 10, 10);   // the red half stretched
  DrawSubImageRect(image, 300, 100, 10, 10, 0, 0, 10, 10, 5, 5);  // handle in the middle
  // The left fraction of a bar, unstretched, as a progress bar draws it.
  DrawSubImageRect(image, 400, 100, 20 * 0.75f, 10, 0, 0, 20 * 0.75f, 10);
  h.Frame();
  EXPECT_TRUE(IsGreen(h.Pixel(101, 101)));
  EXPECT_TRUE(IsGreen(h.Pixel(109, 109)));
  EXPECT_TRUE(IsBlack(h.Pixel(111, 105)));
  EXPECT_TRUE(IsRed(h.Pixel(238, 118)));
  EXPECT_TRUE(IsBlack(h.Pixel(241, 105)));
  EXPECT_TRUE(IsRed(h.Pixel(296, 96)));
  EXPECT_TRUE(IsBlack(h.Pixel(306, 106)));
  EXPECT_TRUE(IsGreen(h.Pixel(413, 105)));
  EXPECT_TRUE(IsBlack(h.Pixel(416, 105)));

  // Frames cut from a strip, left to right.
  auto strip = CreatePixmap(30, 10);
  const std::uint32_t colours[3] = {0xffff0000u, 0xff00ff00u, 0xff0000ffu};
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 30; ++x) WritePixel(strip, x, y, colours[x / 10]);
  auto anim = LoadAnimImage(strip, 10, 10, 1, 2, 0);
  ASSERT_NE(anim, nullptr);
  EXPECT_EQ(CountFrames(anim), 2);
  EXPECT_EQ(ImageWidth(anim), 10);
  EXPECT_EQ(LoadAnimImage(strip, 10, 10, 2, 2, 0), nullptr);  // runs past the strip
  Cls();
  DrawImage(anim, 0, 0, 0);
  DrawImage(anim, 20, 0, 1);
  DrawImage(anim, 40, 0, 2);  // no such frame: nothing
  h.Frame();
  EXPECT_TRUE(IsGreen(h.Pixel(5, 5)));
  EXPECT_TRUE(Near(h.Pixel(25, 5), 0, 0, 255));
  EXPECT_TRUE(IsBlack(h.Pixel(45, 5)));

  // None everywhere is harmless.
  std::shared_ptr<TImage> none;
  DrawImage(none, 0, 0);
  DrawSubImageRect(none, 0, 0, 1, 1, 0, 0, 1, 1);
  SetImageHandle(none, 1, 1);
  MidHandleImage(none);
  EXPECT_EQ(ImageWidth(none), 0);
  EXPECT_EQ(CountFrames(none), 0);
  EXPECT_EQ(LoadImage(std::shared_ptr<TPixmap>()), nullptr);
  EXPECT_EQ(LoadImage("/no/such/image.png"), nullptr);
}

TEST(ImageDraw, LoadsFromFilesAndFiltersByFlag) {
  Harness h;
  auto image = LoadImage(std::string(SORVANTA_TESTDATA_DIR) + "/pngsuite/basn6a08.png");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(ImageWidth(image), 32);
  EXPECT_TRUE(image->filtered());
  EXPECT_TRUE(LoadImage(image->frame(0), 6)->filtered());
  EXPECT_FALSE(LoadImage(image->frame(0), 0)->filtered());
  // Transparent pixels of the file leave the background alone.
  SetClsColor(0, 0, 255);
  Cls();
  DrawImage(image, 0, 0);
  h.Frame();
  std::uint32_t source = ReadPixel(image->frame(0), 0, 0);
  ASSERT_EQ(source >> 24, 0u);
  EXPECT_TRUE(Near(h.Pixel(0, 0), 0, 0, 255));
}

}  // namespace
}  // namespace sorvanta
