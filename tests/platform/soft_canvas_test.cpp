#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <algorithm>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "platform/harness.h"
#include "platform/image.h"
#include "platform/pixel_access.h"
#include "platform/pixmap.h"
#include "platform/read_back.h"
#include "platform/soft_canvas.h"
#include "platform/soft_frame.h"
#include "platform/video.h"
#include "platform/video_internal.h"
#include "support/emulation.h"

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
    ASSERT_EQ(SdlRenderer(), nullptr);  // our compositor draws
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

// The vector loops (four pixels at a time, eight with AVX2) draw exactly
// what the scalar loop draws, for every way a span finds its texels, every
// tint and every blend, spans of every length.
TEST(SoftCanvas, EveryLoopWidthDrawsTheSamePixels) {
  struct Row {
    const char* name;
    double scaleX, scaleY, angle;
    bool filtered;
    SoftTint tint;
    SoftBlend blend;
  };
  const SoftTint plain, faded{255, 255, 255, 140}, tinted{255, 200, 100, 230};
  const Row rows[] = {
      {"unit run, plain copy", 1, 1, 0, false, plain, SoftBlend::kCopy},
      {"unit run, faded blend", 1, 1, 0, false, faded, SoftBlend::kBlend},
      {"unit run, tinted light", 1, 1, 0, false, tinted, SoftBlend::kAdd},
      {"scaled nearest, tinted blend", 2.7, 1.3, 0, false, tinted, SoftBlend::kBlend},
      {"mirrored nearest, faded light", -1.6, 2, 0, false, faded, SoftBlend::kAdd},
      {"turned nearest, tinted light", 1.8, 1.8, 37, false, tinted, SoftBlend::kAdd},
      {"turned nearest, plain blend", 0.7, 1.2, -121, false, plain, SoftBlend::kBlend},
      {"unturned filtered, plain blend", 3.3, 2.1, 0, true, plain, SoftBlend::kBlend},
      {"unturned filtered, tinted copy", 0.6, 0.8, 0, true, tinted, SoftBlend::kCopy},
      {"turned filtered, faded light", 2.2, 1.5, 71, true, faded, SoftBlend::kAdd},
      {"turned filtered, tinted blend", 1.1, 3, 200, true, tinted, SoftBlend::kBlend},
  };
  // A texture with every alpha (none and full among them) and colours
  // bright enough to saturate light.
  std::vector<std::uint32_t> texels(37 * 29);
  for (size_t i = 0; i < texels.size(); ++i) {
    std::uint8_t rgba[4] = {static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(255 - i * 3),
                            static_cast<std::uint8_t>(i * 13 + 90), static_cast<std::uint8_t>(i % 5 == 0 ? 0 : i * 11)};
    if (i % 7 == 0) rgba[3] = 255;
    texels[i] = SoftFromRgba(rgba);
  }
  const SoftPixels texture{texels.data(), 37, 37, 29};
  constexpr int kSize = 160;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const double c = std::cos(row.angle * M_PI / 180), s = std::sin(row.angle * M_PI / 180);
    SoftQuad q{2, 3, 33, 25, 80.3, 70.6, c * row.scaleX, s * row.scaleX, -s * row.scaleY, c * row.scaleY,
               row.filtered};
    q.originX -= (q.uStepX * q.sw + q.vStepX * q.sh) / 2;
    q.originY -= (q.uStepY * q.sw + q.vStepY * q.sh) / 2;
    std::vector<std::uint32_t> background(kSize * kSize);
    for (size_t i = 0; i < background.size(); ++i) background[i] = static_cast<std::uint32_t>(i * 2654435761u);
    // Draws on the background at each width; every width's frame is the scalar one.
    auto atEveryWidth = [&](auto draw) {
      std::vector<std::uint32_t> frames[3];
      const int widths[3] = {1, 4, 8};  // 8 falls back to 4 without AVX2
#if defined(__x86_64__) || defined(__i386__)
      // A 32-bit x86 CPU may lack SSE2 (Debian's i386 baseline does): one at a time there.
      const int four = __builtin_cpu_supports("sse2") ? 4 : 1;
#else
      const int four = 4;
#endif
      for (int k = 0; k < 3; ++k) {
        frames[k] = background;
        // Four at a time runs on every architecture and CPU that can (else scalar meets scalar).
        const int width = SetSoftSpanWidth(widths[k]);
        if (k == 1) {
          EXPECT_EQ(width, four);
        }
        draw(SoftPixels{frames[k].data(), kSize, kSize, kSize}, SoftClip{0, 0, kSize, kSize});
      }
      EXPECT_EQ(frames[1], frames[0]);
      EXPECT_EQ(frames[2], frames[0]);
      return frames[0];
    };
    const auto drawn = atEveryWidth(
        [&](SoftPixels to, SoftClip clip) { SoftDrawQuad(to, clip, texture, q, row.tint, row.blend); });
    EXPECT_NE(drawn, background);
    // A fill of the quad's bounds in the same tint and blend.
    atEveryWidth([&](SoftPixels to, SoftClip clip) { SoftFillRect(to, clip, 13, 9, 150, 148, row.tint, row.blend); });
  }
  SetSoftSpanWidth(8);
}

// The frame drawn by several threads comes out as drawn on one, with the
// count raised and lowered between frames (threads started after others
// have run frames, threads left idle), and quads no sane screen asks for
// (huge, thinner than a pixel, mirrored far off the frame, not a number)
// draw only inside it or not at all.
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
  const int counts[] = {1, 2, 4, 3, 8, 1, 6, 2, 8};
  std::vector<std::uint32_t> frames[std::size(counts)];
  for (size_t pass = 0; pass < std::size(counts); ++pass) {
    // A frame of another colour first, on one thread, so that a row the
    // threads leave undrawn shows.
    SetSoftBands(1);
    SetClsColor(static_cast<int>(pass) * 25, 0, 0);
    Cls();
    h.Frame();
    SetSoftBands(counts[pass]);
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
    // Every row: a strip's first or last row is where a band goes wrong.
    for (int y = 0; y < 768; ++y)
      for (int x = 0; x < 1024; x += 3) frames[pass].push_back(h.Pixel(static_cast<float>(x), static_cast<float>(y)));
  }
  SetSoftBands(bands);
  for (size_t pass = 1; pass < std::size(counts); ++pass)
    EXPECT_EQ(frames[pass], frames[0]) << counts[pass] << " threads after " << counts[pass - 1];
}

// Draws two frames of one colour with no room left for a thread's stack;
// true when every pixel was drawn.
bool DrawsWithNoRoomForThreads() {
  std::vector<std::uint32_t> pixels(64 * 64, 0);
  const SoftPixels target{pixels.data(), 64, 64, 64};
  SetSoftBands(4);
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  statm >> pages;
  const auto bytes = static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE) + (1 << 20));
  const rlimit limit{bytes, bytes};
  if (::setrlimit(RLIMIT_AS, &limit) != 0) return false;
  for (int frame = 0; frame < 2; ++frame) {
    SoftQueueFillRect(SoftClip{0, 0, 64, 64}, 0, 0, 64, 64, SoftTint{255, 0, 0, 255}, SoftBlend::kCopy);
    SoftFlush(target);
  }
  return std::count(pixels.begin(), pixels.end(), pixels[0]) == 64 * 64 && pixels[0] != 0;
}

// Where no thread can start (a limit on threads or on memory), the frame
// is drawn whole on the calling thread and the game goes on. Run in a fresh
// copy of the test program: this one's pool may have started already.
TEST(SoftCanvas, AFrameIsDrawnWhenNoThreadCanStart) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer ends the process itself when a thread's stack cannot be had, "
                  "instead of failing the thread's start";
#endif
  if (std::getenv("SORVANTA_TEST_NO_THREADS") != nullptr) {
    EXPECT_TRUE(DrawsWithNoRoomForThreads());
    return;
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::setenv("SORVANTA_TEST_NO_THREADS", "1", 1);
    // Under user-mode emulation (qemu-user) the copy would start outside
    // the emulator, natively or not at all, and the emulator keeps
    // address-space limits to itself, so the frame then only has to be
    // drawn. ctest runs each test in a process of its own, so this fork has
    // no pool threads.
    if (!test::UnderUserEmulation()) {
      ::execl("/proc/self/exe", "sorvanta_tests", "--gtest_filter=SoftCanvas.AFrameIsDrawnWhenNoThreadCanStart",
              static_cast<char*>(nullptr));
    }
    ::_exit(DrawsWithNoRoomForThreads() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the fresh copy ended with " << status;
}

// A filtered picture magnified along either axis covers its whole quad: the
// half texel before the first texel's centre too (a board frame's edge,
// stretched 30 times, once lost its first 15 pixels).
TEST(SoftCanvas, MagnifiedPictureCoversItsWholeQuad) {
  struct Row {
    const char* name;
    float scaleX, scaleY;
  };
  const Row rows[] = {
      {"stretched wide", 40, 1}, {"stretched tall", 1, 40}, {"barely magnified", 1.07f, 1.07f}, {"shrunk", 0.5f, 0.5f}};
  Harness h;
  auto p = CreatePixmap(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) WritePixel(p, x, y, 0xffe0b040u);
  auto image = LoadImage(p, FILTEREDIMAGE);
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(SdlRenderer(), nullptr);  // our compositor draws
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
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
