#include "platform/pixmap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>

#include <filesystem>
#include <vector>

#include "platform/image.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

namespace fs = std::filesystem;

const fs::path kSuite = fs::path(SORVANTA_TESTDATA_DIR) / "pngsuite";

using test::ReadFile;

// Width and height straight from the IHDR chunk.
std::pair<int, int> HeaderSize(const std::string& bytes) {
  auto be32 = [&](std::size_t at) {
    return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
           (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
  };
  return {be32(16), be32(20)};
}

std::vector<fs::path> SuiteFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(kSuite))
    if (entry.path().extension() == ".png") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

bool SamePixels(const std::shared_ptr<TPixmap>& a, const std::shared_ptr<TPixmap>& b) {
  if (!a || !b || a->width() != b->width() || a->height() != b->height()) return false;
  return std::equal(a->data(), a->data() + a->width() * a->height() * 4, b->data());
}

TEST(Png, EveryValidSuiteFileLoadsAtItsSizeAndEveryBrokenOneIsRefused) {
  auto files = SuiteFiles();
  ASSERT_GT(files.size(), 150u);
  int valid = 0, broken = 0;
  for (const auto& path : files) {
    std::string name = path.filename().string();
    auto pixmap = LoadPixmap(path.string());
    if (name[0] == 'x') {
      EXPECT_EQ(pixmap, nullptr) << name;
      EXPECT_EQ(LoadImage(path.string()), nullptr) << name;
      ++broken;
      continue;
    }
    ASSERT_NE(pixmap, nullptr) << name;
    auto [w, h] = HeaderSize(ReadFile(path));
    EXPECT_EQ(pixmap->width(), w) << name;
    EXPECT_EQ(pixmap->height(), h) << name;
    ++valid;
  }
  EXPECT_GT(broken, 10);
  EXPECT_GT(valid, 140);
}

TEST(Png, InterlacedAndPlainFilesDecodeToTheSamePixels) {
  for (const char* kind : {"0g01", "0g02", "0g04", "0g08", "0g16", "2c08", "2c16", "3p01", "3p02", "3p04", "3p08",
                           "4a08", "4a16", "6a08", "6a16"}) {
    auto plain = LoadPixmap((kSuite / ("basn" + std::string(kind) + ".png")).string());
    auto interlaced = LoadPixmap((kSuite / ("basi" + std::string(kind) + ".png")).string());
    EXPECT_TRUE(SamePixels(plain, interlaced)) << kind;
  }
  for (int size = 1; size <= 9; ++size) {
    std::string depth = size <= 4 ? "3p01" : "3p02";
    char plain[32], inter[32];
    std::snprintf(plain, sizeof plain, "s%02dn%s.png", size, depth.c_str());
    std::snprintf(inter, sizeof inter, "s%02di%s.png", size, depth.c_str());
    EXPECT_TRUE(SamePixels(LoadPixmap((kSuite / plain).string()), LoadPixmap((kSuite / inter).string()))) << plain;
  }
}

TEST(Png, ChannelsExpandToRgba) {
  // One-bit grey: every pixel black or white, opaque.
  auto grey = LoadPixmap((kSuite / "basn0g01.png").string());
  ASSERT_NE(grey, nullptr);
  int black = 0, white = 0;
  for (int y = 0; y < grey->height(); ++y)
    for (int x = 0; x < grey->width(); ++x) {
      std::uint32_t p = ReadPixel(grey, x, y);
      if (p == 0xff000000u) ++black;
      if (p == 0xffffffffu) ++white;
    }
  EXPECT_EQ(black + white, 32 * 32);
  EXPECT_GT(black, 0);
  EXPECT_GT(white, 0);

  // Without transparency everything is opaque; a tRNS chunk makes some
  // pixels fully transparent.
  for (const char* opaque : {"basn2c08.png", "basn3p08.png", "basn0g16.png", "tp0n3p08.png"}) {
    auto p = LoadPixmap((kSuite / opaque).string());
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < p->width() * p->height(); ++i) ASSERT_EQ(p->data()[i * 4 + 3], 255) << opaque;
  }
  for (const char* keyed : {"tbrn2c08.png", "tbbn3p08.png", "tbwn0g16.png", "tm3n3p02.png"}) {
    auto p = LoadPixmap((kSuite / keyed).string());
    ASSERT_NE(p, nullptr);
    int clear = 0;
    for (int i = 0; i < p->width() * p->height(); ++i) clear += p->data()[i * 4 + 3] == 0;
    EXPECT_GT(clear, 0) << keyed;
  }
  // 16-bit samples keep their high byte: the RGB 16-bit file matches its
  // 8-bit rendering closely.
  auto deep = LoadPixmap((kSuite / "basn2c16.png").string());
  ASSERT_NE(deep, nullptr);
  EXPECT_EQ(ReadPixel(deep, 0, 0) >> 24, 0xffu);
}

TEST(Png, TruncatedOrDamagedBytesAreRefused) {
  std::string good = ReadFile(kSuite / "basn6a08.png");
  auto decode = [](const std::string& b) {
    return DecodePixmap(reinterpret_cast<const std::uint8_t*>(b.data()), b.size());
  };
  ASSERT_NE(decode(good), nullptr);
  for (std::size_t cut : {std::size_t(8), std::size_t(30), good.size() / 2, good.size() - 13}) {
    EXPECT_EQ(decode(good.substr(0, cut)), nullptr) << cut;
  }
  std::string flipped = good;
  flipped[good.size() / 2] ^= 0x55;
  EXPECT_EQ(decode(flipped), nullptr);
  EXPECT_EQ(decode(""), nullptr);
  EXPECT_EQ(decode("not an image at all"), nullptr);
  EXPECT_EQ(LoadPixmap("/no/such/file.png"), nullptr);
}

std::string EncodeJpeg(int width, int height, int components, const std::vector<std::uint8_t>& samples) {
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
    JSAMPROW row = const_cast<std::uint8_t*>(samples.data() + c.next_scanline * width * components);
    jpeg_write_scanlines(&c, &row, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::string bytes(reinterpret_cast<char*>(out), size);
  free(out);
  return bytes;
}

bool Near(std::uint32_t argb, int r, int g, int b, int tolerance = 12) {
  return std::abs(static_cast<int>((argb >> 16) & 0xff) - r) <= tolerance &&
         std::abs(static_cast<int>((argb >> 8) & 0xff) - g) <= tolerance &&
         std::abs(static_cast<int>(argb & 0xff) - b) <= tolerance && (argb >> 24) == 0xff;
}

TEST(Jpeg, ColourAndGreyDecodeAndBrokenDataIsRefused) {
  std::vector<std::uint8_t> rgb(32 * 16 * 3);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) {
      std::uint8_t* p = &rgb[(y * 32 + x) * 3];
      p[0] = x < 16 ? 220 : 20;
      p[1] = 30;
      p[2] = x < 16 ? 20 : 200;
    }
  std::string colour = EncodeJpeg(32, 16, 3, rgb);
  auto pixmap = DecodePixmap(reinterpret_cast<const std::uint8_t*>(colour.data()), colour.size());
  ASSERT_NE(pixmap, nullptr);
  EXPECT_EQ(pixmap->width(), 32);
  EXPECT_EQ(pixmap->height(), 16);
  EXPECT_TRUE(Near(ReadPixel(pixmap, 4, 8), 220, 30, 20)) << std::hex << ReadPixel(pixmap, 4, 8);
  EXPECT_TRUE(Near(ReadPixel(pixmap, 28, 8), 20, 30, 200)) << std::hex << ReadPixel(pixmap, 28, 8);

  std::vector<std::uint8_t> grey(8 * 8, 128);
  std::string g = EncodeJpeg(8, 8, 1, grey);
  auto greyMap = DecodePixmap(reinterpret_cast<const std::uint8_t*>(g.data()), g.size());
  ASSERT_NE(greyMap, nullptr);
  EXPECT_TRUE(Near(ReadPixel(greyMap, 3, 3), 128, 128, 128, 3));

  // A damaged header, or data cut before the image starts, gives none.
  std::string damaged = colour;
  for (std::size_t i = 4; i < 40 && i < damaged.size(); ++i) damaged[i] = static_cast<char>(0xff);
  EXPECT_EQ(DecodePixmap(reinterpret_cast<const std::uint8_t*>(damaged.data()), damaged.size()), nullptr);
  std::string cut = colour.substr(0, 20);
  EXPECT_EQ(DecodePixmap(reinterpret_cast<const std::uint8_t*>(cut.data()), cut.size()), nullptr);
}

TEST(Pixmap, PixelAccessStaysInsideAndCopiesAreDeep) {
  auto p = CreatePixmap(3, 2);
  ASSERT_NE(p, nullptr);
  WritePixel(p, 2, 1, 0x80112233u);
  EXPECT_EQ(ReadPixel(p, 2, 1), 0x80112233u);
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
  EXPECT_EQ(PixmapWidth(nullptr), 0);
}

}  // namespace
}  // namespace sorvanta
