#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "platform/harness.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "platform/soft_frame.h"
#include "platform/video.h"
#include "platform/video_internal.h"

namespace sorvanta {
namespace {

// A sprite with a hard split and an alpha ramp, so a misplaced, mirrored or
// wrongly blended copy shows.
std::shared_ptr<TImage> Sprite() {
  auto p = CreatePixmap(24, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) {
      const std::uint32_t alpha = static_cast<std::uint32_t>(255 - 8 * y);
      WritePixel(p, x, y, (alpha << 24) | (x < 12 ? 0xff4020u : 0x20c0ffu));
    }
  return LoadImage(p, 0);
}

// The box around (200, 200) after drawing the sprite there as the row says.
std::vector<std::uint32_t> DrawOnce(Harness& h, const std::shared_ptr<TImage>& image, float angle, float scale,
                                    int blend, float alpha) {
  SetClsColor(60, 60, 60);
  Cls();
  SetBlend(blend);
  SetAlpha(alpha);
  SetColor(255, 200, 100);
  SetScale(scale, scale);
  SetRotation(angle);
  DrawImage(image, 200, 200);
  SetRotation(0);
  SetScale(1, 1);
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetBlend(ALPHABLEND);
  h.Frame();
  std::vector<std::uint32_t> box;
  for (int y = 150; y < 250; ++y)
    for (int x = 150; x < 250; ++x) box.push_back(h.Pixel(static_cast<float>(x), static_cast<float>(y)));
  return box;
}

// The compositor draws what SDL's own software renderer draws, faster.
TEST(SoftCanvas, DrawsWhatTheSoftwareRendererDraws) {
  struct Row {
    const char* name;
    float angle, scale;
    int blend;
    float alpha;
    float hx, hy;
  };
  const Row rows[] = {
      {"small angle", 7, 1, ALPHABLEND, 1, 12, 8},   {"diagonal, scaled", 45, 2, ALPHABLEND, 1, 12, 8},
      {"quarter turn", 90, 1, ALPHABLEND, 0.5f, 12, 8}, {"odd angle, light", 133.3f, 1.5f, LIGHTBLEND, 1, 12, 8},
      {"negative angle", -71, 1, ALPHABLEND, 1, 12, 8},  {"handle at a corner", 200, 2, ALPHABLEND, 1, 0, 0},
      {"unturned, scaled, faded", 0, 1.7f, ALPHABLEND, 0.6f, 12, 8}, {"mirrored", 0, -1, ALPHABLEND, 1, 12, 8},
      {"unturned light", 0, 1, LIGHTBLEND, 0.8f, 5, 3},
  };
  Harness h;
  auto image = Sprite();
  ASSERT_NE(image, nullptr);
  for (const Row& row : rows) {
    SetImageHandle(image, row.hx, row.hy);
    ASSERT_TRUE(Video().softCanvas);
    const auto ours = DrawOnce(h, image, row.angle, row.scale, row.blend, row.alpha);
    SetSoftCanvasAllowed(false);
    ASSERT_NE(Graphics(1024, 768, 0), nullptr);
    const auto plain = DrawOnce(h, image, row.angle, row.scale, row.blend, row.alpha);
    SetSoftCanvasAllowed(true);
    ASSERT_NE(Graphics(1024, 768, 0), nullptr);
    int differing = 0, covered = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
      if (plain[i] != 0xff3c3c3cu) ++covered;
      using testing::Near;
      if (!Near(ours[i], testing::Red(plain[i]), testing::Green(plain[i]), plain[i] & 0xff, 40)) ++differing;
    }
    SCOPED_TRACE(row.name);
    EXPECT_GT(covered, 300);
    // Only pixels along the edges and the split may come out either way.
    EXPECT_LT(differing, covered / 6) << differing << " of " << covered;
  }
}

// The frame cut into bands comes out as drawn on one thread, and quads no
// sane screen asks for (huge, thinner than a pixel, mirrored far off the
// frame, not a number) draw only inside it or not at all.
TEST(SoftCanvas, BandsDrawTheSameFrameAndWildQuadsStayInTheFrame) {
  struct Row {
    const char* name;
    float x, y, scaleX, scaleY, angle;
  };
  const Row rows[] = {
      {"plain", 100, 100, 1, 1, 0},          {"across every band", 500, 380, 8, 30, 17},
      {"huge", 300, 300, 1e6f, 1e6f, 33},    {"thinner than a pixel", 600, 200, 1e-4f, 40, 80},
      {"mirrored far off", -5e8f, 1e9f, -3, 2, 0}, {"not a number", 200, 200, 1, 1, NAN},
      {"flat", 400, 400, 0, 5, 45},          {"edge of the frame", 1020, 764, 3, 3, 200},
  };
  Harness h;
  auto image = Sprite();
  ASSERT_NE(image, nullptr);
  MidHandleImage(image);
  const int bands = SoftBands();
  std::vector<std::uint32_t> frames[2];
  for (int pass = 0; pass < 2; ++pass) {
    SetSoftBands(pass == 0 ? 1 : 4);
    SetClsColor(30, 40, 50);
    Cls();
    for (const Row& row : rows) {
      SetScale(row.scaleX, row.scaleY);
      SetRotation(row.angle);
      SetColor(255, 180, 90);
      SetAlpha(0.7f);
      DrawImage(image, row.x, row.y);
      SetBlend(LIGHTBLEND);
      DrawRect(row.x, row.y + 40, 10, 6);
      SetBlend(ALPHABLEND);
    }
    SetRotation(0);
    SetScale(1, 1);
    SetColor(255, 255, 255);
    SetAlpha(1);
    h.Frame();
    for (int y = 0; y < 768; y += 3)
      for (int x = 0; x < 1024; x += 3) frames[pass].push_back(h.Pixel(static_cast<float>(x), static_cast<float>(y)));
  }
  SetSoftBands(bands);
  EXPECT_EQ(frames[0], frames[1]);
}

// A filtered picture magnified along either axis covers its whole quad: the
// half texel before the first texel's centre too (a board frame's edge,
// stretched 30 times, once lost its first 15 pixels).
TEST(SoftCanvas, MagnifiedPictureCoversItsWholeQuad) {
  struct Row {
    const char* name;
    float scaleX, scaleY;
  };
  const Row rows[] = {{"stretched wide", 40, 1}, {"stretched tall", 1, 40}, {"magnified", 12, 9},
                      {"barely magnified", 1.07f, 1.07f}, {"shrunk", 0.5f, 0.5f}};
  Harness h;
  auto p = CreatePixmap(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) WritePixel(p, x, y, 0xffe0b040u);
  auto image = LoadImage(p, FILTEREDIMAGE);
  ASSERT_NE(image, nullptr);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(Video().softCanvas);
    SetClsColor(0, 0, 0);
    Cls();
    SetScale(row.scaleX, row.scaleY);
    DrawImage(image, 100, 100);
    SetScale(1, 1);
    h.Frame();
    const int w = static_cast<int>(4 * row.scaleX), ht = static_cast<int>(4 * row.scaleY);
    int bare = 0;
    for (int y = 100; y < 100 + ht; ++y)
      for (int x = 100; x < 100 + w; ++x)
        bare += !testing::Near(h.Pixel(static_cast<float>(x), static_cast<float>(y)), 0xe0, 0xb0, 0x40, 8);
    EXPECT_EQ(bare, 0) << "of " << w * ht;
    EXPECT_EQ(h.Pixel(99, 100) & 0xffffffu, 0u);
  }
}

}  // namespace
}  // namespace sorvanta
