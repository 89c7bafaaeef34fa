#include "platform/pixmap.h"

#include <gtest/gtest.h>

#include <jpeglib.h>
#include <png.h>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "draw_test_support.h"
#include "platform/image.h"
#include "platform/pixel_access.h"
#include "support/temp_folder.h"
#include "support/test_data.h"

namespace sorvanta {
namespace {

namespace fs = std::filesystem;

std::shared_ptr<TPixmap> Decode(const std::string& b) {
  return DecodePixmap(reinterpret_cast<const std::uint8_t*>(b.data()), b.size());
}

std::shared_ptr<TPixmap> Suite(const std::string& name) { return LoadPixmap(test::TestData("pngsuite/" + name)); }

bool SamePixels(const std::shared_ptr<TPixmap>& a, const std::shared_ptr<TPixmap>& b) {
  if (!a || !b || a->width() != b->width() || a->height() != b->height()) return false;
  return std::equal(a->data(), a->data() + a->width() * a->height() * 4, b->data());
}

TEST(Png, EveryValidSuiteFileLoadsAtItsSizeAndEveryBrokenOneIsRefused) {
  int valid = 0, broken = 0;
  for (const auto& entry : fs::directory_iterator(test::TestData("pngsuite"))) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".png") continue;
    auto pixmap = LoadPixmap(entry.path().string());
    if (name[0] == 'x') {
      EXPECT_EQ(pixmap, nullptr) << name;
      EXPECT_EQ(LoadImage(entry.path().string()), nullptr) << name;
      ++broken;
      continue;
    }
    ASSERT_NE(pixmap, nullptr) << name;
    // Width and height straight from the IHDR chunk, big-endian.
    const std::string bytes = test::ReadFile(entry.path());
    auto be32 = [&](std::size_t at) {
      int v = 0;
      for (std::size_t i = at; i < at + 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[i]);
      return v;
    };
    EXPECT_EQ(pixmap->width(), be32(16)) << name;
    EXPECT_EQ(pixmap->height(), be32(20)) << name;
    ++valid;
  }
  EXPECT_GT(broken, 10);
  EXPECT_GT(valid, 140);
}

TEST(Png, ChannelsExpandToRgbaAndInterlacingChangesNothing) {
  for (const char* kind : {"0g01", "0g04", "0g16", "2c08", "2c16", "3p01", "3p04", "4a08", "6a16"})
    EXPECT_TRUE(SamePixels(Suite("basn" + std::string(kind) + ".png"), Suite("basi" + std::string(kind) + ".png")))
        << kind;
  EXPECT_TRUE(SamePixels(Suite("s03n3p01.png"), Suite("s03i3p01.png")));
  EXPECT_TRUE(SamePixels(Suite("s07n3p02.png"), Suite("s07i3p02.png")));

  // One-bit grey: every pixel black or white, opaque.
  auto grey = Suite("basn0g01.png");
  int black = 0, white = 0;
  for (int i = 0; grey && i < 32 * 32; ++i) {
    black += ReadPixel(grey, i % 32, i / 32) == 0xff000000u;
    white += ReadPixel(grey, i % 32, i / 32) == 0xffffffffu;
  }
  EXPECT_EQ(black + white, 32 * 32);
  EXPECT_GT(black * white, 0);

  // Without transparency everything is opaque; a tRNS chunk makes some
  // pixels fully transparent.
  auto clearCount = [](const char* name) {
    auto p = Suite(name);
    int clear = 0, opaque = 0;
    for (int i = 0; p && i < p->width() * p->height(); ++i) {
      clear += p->data()[i * 4 + 3] == 0;
      opaque += p->data()[i * 4 + 3] == 255;
    }
    return std::make_pair(clear, opaque);
  };
  for (const char* opaque : {"basn2c08.png", "basn3p08.png", "basn0g16.png", "tp0n3p08.png"})
    EXPECT_EQ(clearCount(opaque).second, 32 * 32) << opaque;
  for (const char* keyed : {"tbrn2c08.png", "tbbn3p08.png", "tbwn0g16.png", "tm3n3p02.png"})
    EXPECT_GT(clearCount(keyed).first, 0) << keyed;
}

TEST(Png, TruncatedOrDamagedBytesAreRefused) {
  const std::string good = test::ReadFile(test::TestData("pngsuite/basn6a08.png"));
  ASSERT_NE(Decode(good), nullptr);
  for (std::size_t cut : {std::size_t(8), std::size_t(30), good.size() / 2, good.size() - 13})
    EXPECT_EQ(Decode(good.substr(0, cut)), nullptr) << cut;
  std::string flipped = good;
  flipped[good.size() / 2] ^= 0x55;
  EXPECT_EQ(Decode(flipped), nullptr);
  EXPECT_EQ(Decode(""), nullptr);
  EXPECT_EQ(LoadPixmap("/no/such/file.png"), nullptr);
}

// A JPEG of the given 8-bit samples, by libjpeg's own encoder.
std::string EncodeJpeg(int width, int height, int components, std::vector<std::uint8_t> samples) {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &out, &size);
  c.image_width = width;
  c.image_height = height;
  c.input_components = components;
  c.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 95, TRUE);
  jpeg_start_compress(&c, TRUE);
  while (c.next_scanline < c.image_height) {
    JSAMPROW row = samples.data() + c.next_scanline * width * components;
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::string bytes(reinterpret_cast<char*>(out), size);
  free(out);
  return bytes;
}

TEST(Jpeg, ColourAndGreyDecodeAndBrokenDataIsRefused) {
  std::vector<std::uint8_t> rgb;
  for (int i = 0; i < 32 * 16; ++i)
    rgb.insert(rgb.end(), {std::uint8_t(i % 32 < 16 ? 220 : 20), 30, std::uint8_t(i % 32 < 16 ? 20 : 200)});
  const std::string colour = EncodeJpeg(32, 16, 3, rgb);
  auto pixmap = Decode(colour);
  ASSERT_NE(pixmap, nullptr);
  EXPECT_EQ(pixmap->height(), 16);
  // Within a JPEG's loss, in RGB order, opaque.
  EXPECT_TRUE(testing::Near(ReadPixel(pixmap, 4, 8), 220, 30, 20, 12)) << testing::Hex(ReadPixel(pixmap, 4, 8));
  EXPECT_TRUE(testing::Near(ReadPixel(pixmap, 28, 8), 20, 30, 200, 12)) << testing::Hex(ReadPixel(pixmap, 28, 8));
  EXPECT_EQ(ReadPixel(pixmap, 4, 8) >> 24, 0xffu);
  auto grey = Decode(EncodeJpeg(8, 8, 1, std::vector<std::uint8_t>(64, 128)));
  EXPECT_TRUE(testing::Near(ReadPixel(grey, 3, 3), 128, 128, 128, 3));

  // A damaged header, or data cut before the image starts, gives none.
  std::string damaged = colour;
  for (std::size_t i = 4; i < 40; ++i) damaged[i] = static_cast<char>(0xff);
  EXPECT_EQ(Decode(damaged), nullptr);
  EXPECT_EQ(Decode(colour.substr(0, 20)), nullptr);
}

// Pictures wider or taller than kMaxImageSide are refused in every format
// before their pixels are allocated; one at the limit loads.
TEST(Pixmap, PicturesBeyondTheSideLimitAreRefused) {
  auto le = [](std::uint32_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
    return s;
  };
  auto png = [](int w, int h) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = w;
    image.height = h;
    image.format = PNG_FORMAT_GRAY;
    const std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * h, 7);
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr);
    std::string bytes(size, '\0');
    png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr);
    return bytes;
  };
  auto jpeg = [](int w, int h) { return EncodeJpeg(w, h, 1, std::vector<std::uint8_t>(std::size_t(w) * h, 7)); };
  auto tga = [&](int w, int h) {
    return std::string("\0\0\x02", 3) + std::string(9, '\0') + le(w, 2) + le(h, 2) + "\x18" + '\0' +
           std::string(std::size_t(w) * h * 3, '\0');
  };
  auto bmp = [&](int w, int h) {
    const std::size_t pixels = std::size_t((w * 24 + 31) / 32 * 4) * h;
    return "BM" + le(54 + pixels, 4) + le(0, 4) + le(54, 4) + le(40, 4) + le(w, 4) + le(h, 4) + le(1, 2) +
           le(24, 2) + std::string(24, '\0') + std::string(pixels, '\0');
  };
  const std::pair<const char*, std::function<std::string(int, int)>> formats[] = {
      {"png", png}, {"jpeg", jpeg}, {"tga", tga}, {"bmp", bmp}};
  for (const auto& [name, encode] : formats) {
    auto atLimit = Decode(encode(kMaxImageSide, 1));
    ASSERT_NE(atLimit, nullptr) << name;
    EXPECT_EQ(atLimit->width(), kMaxImageSide) << name;
    EXPECT_EQ(Decode(encode(kMaxImageSide + 1, 1)), nullptr) << name;
    EXPECT_EQ(Decode(encode(1, kMaxImageSide + 1)), nullptr) << name;
  }
}

TEST(Pixmap, PixelAccessStaysInsideAndCopiesAreDeep) {
  auto p = CreatePixmap(3, 2);
  ASSERT_NE(p, nullptr);
  WritePixel(p, 2, 1, 0x80112233u);
  EXPECT_EQ(p->row(1)[8], 0x11);  // bytes are R, G, B, A
  EXPECT_EQ(p->row(1)[11], 0x80);
  WritePixel(p, 3, 0, 0xffffffffu);
  WritePixel(p, -1, 0, 0xffffffffu);
  EXPECT_EQ(ReadPixel(p, 3, 0), 0u);
  EXPECT_EQ(ReadPixel(nullptr, 0, 0), 0u);
  auto copy = CopyPixmap(p);
  WritePixel(p, 2, 1, 0);
  EXPECT_EQ(ReadPixel(copy, 2, 1), 0x80112233u);
  EXPECT_EQ(CreatePixmap(0, 5), nullptr);
  EXPECT_EQ(CreatePixmap(kMaxPixmapSide + 1, 1), nullptr);
}

}  // namespace
}  // namespace sorvanta
