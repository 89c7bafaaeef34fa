#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/pixel_access.h"
#include "platform/pixmap.h"
#include "support/temp_folder.h"
#include "support/test_data.h"

namespace sorvanta {
namespace {

namespace fs = std::filesystem;
using Px = std::vector<std::uint32_t>;
using test::ReadFile;

const fs::path kData = fs::path(SORVANTA_SOURCE_DIR) / "tests/platform/data";

std::shared_ptr<TPixmap> Decode(const std::string& bytes) {
  return DecodePixmap(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// Every pixel in reading order; empty when the bytes are refused.
Px Pixels(const std::shared_ptr<TPixmap>& p) {
  Px out;
  for (int y = 0; p && y < p->height(); ++y)
    for (int x = 0; x < p->width(); ++x) out.push_back(ReadPixel(p, x, y));
  return out;
}
Px Pixels(const std::string& bytes) { return Pixels(Decode(bytes)); }

std::string Le(std::uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
  return s;
}

// A BMP with a 40-byte header (or the 12-byte core one), the given palette
// (0xRRGGBB entries), optional masks after the header, and pixel bytes.
std::string Bmp(int width, int height, int bits, std::uint32_t compression, const Px& palette,
                const std::string& pixels, const Px& masks = {}, bool core = false) {
  std::string head = core ? Le(12, 4) + Le(width, 2) + Le(height, 2) + Le(1, 2) + Le(bits, 2)
                          : Le(40, 4) + Le(width, 4) + Le(height, 4) + Le(1, 2) + Le(bits, 2) +
                                Le(compression, 4) + Le(pixels.size(), 4) + Le(2835, 4) + Le(2835, 4) +
                                Le(palette.size(), 4) + Le(0, 4);
  for (std::uint32_t m : masks) head += Le(m, 4);
  for (std::uint32_t c : palette) head += Le(c, core ? 3 : 4);
  return "BM" + Le(14 + head.size() + pixels.size(), 4) + Le(0, 4) + Le(14 + head.size(), 4) + head + pixels;
}

std::string Tga(int type, int bits, int descriptor, int width, int height, const std::string& body,
                const std::string& map = "", int mapBits = 0, int mapLength = 0) {
  return std::string(1, '\0') + static_cast<char>(map.empty() ? 0 : 1) + static_cast<char>(type) + Le(0, 2) +
         Le(mapLength, 2) + static_cast<char>(mapBits) + Le(0, 4) + Le(width, 2) + Le(height, 2) +
         static_cast<char>(bits) + static_cast<char>(descriptor) + map + body;
}

TEST(BmpTga, FilesOfAnotherEncoderMatchTheirPngs) {
  const std::pair<const char*, const char*> cases[] = {
      {"basn6a08_v4_bitfields.bmp", "basn6a08.png"}, {"basn2c08_24bit.bmp", "basn2c08.png"},
      {"basn3p08_8bit.bmp", "basn3p08.png"},         {"basn3p04_rle8.bmp", "basn3p04.png"},
      {"basn6a08_rle.tga", "basn6a08.png"},          {"basn2c08.tga", "basn2c08.png"},
      {"basn3p08_mapped.tga", "basn3p08.png"},       {"basn0g08_grey_rle.tga", "basn0g08.png"},
  };
  for (const auto& [file, png] : cases) {
    const Px expected = Pixels(LoadPixmap(test::TestData(std::string("pngsuite/") + png)));
    ASSERT_FALSE(expected.empty()) << png;
    EXPECT_TRUE(Pixels(LoadPixmap((kData / file).string())) == expected) << file;
    EXPECT_NE(LoadImage((kData / file).string()), nullptr) << file;
  }
  // Cut files are refused, not read past their end.
  for (const char* file : {"basn6a08_v4_bitfields.bmp", "basn3p04_rle8.bmp", "basn6a08_rle.tga", "basn2c08.tga"}) {
    std::string bytes = ReadFile(kData / file);
    for (std::size_t cut : {std::size_t(30), bytes.size() / 2, bytes.size() - 40})
      EXPECT_EQ(Decode(bytes.substr(0, cut)), nullptr) << file << " cut at " << cut;
  }
}

TEST(BmpTga, BmpDepthsOrdersAndMasks) {
  // 24 bits, rows padded to 4 bytes, the first stored row at the bottom
  // unless the height is negative.
  const std::string rows24("\x00\x00\xff\x00\xff\x00\0\0\xff\x00\x00\xff\xff\xff\0\0", 16);
  EXPECT_EQ(Pixels(Bmp(2, 2, 24, 0, {}, rows24)), (Px{0xff0000ffu, 0xffffffffu, 0xffff0000u, 0xff00ff00u}));
  EXPECT_EQ(Pixels(Bmp(2, -2, 24, 0, {}, rows24)), (Px{0xffff0000u, 0xff00ff00u, 0xff0000ffu, 0xffffffffu}));

  // 1 and 4 bits through the palette, high bits first; the core header too.
  EXPECT_EQ(Pixels(Bmp(3, 1, 1, 0, {0x000000, 0xffffff}, std::string("\xa0\0\0\0", 4))),
            (Px{0xffffffffu, 0xff000000u, 0xffffffffu}));
  EXPECT_EQ(Pixels(Bmp(3, 1, 4, 0, {0x102030, 0x405060, 0x708090}, std::string("\x21\0\0\0", 4), {}, true)),
            (Px{0xff708090u, 0xff405060u, 0xff102030u}));

  // 16 bits: 5-5-5 by default, 5-6-5 through masks.
  EXPECT_EQ(Pixels(Bmp(2, 1, 16, 0, {}, Le(0x7c00, 2) + Le(0x001f, 2))), (Px{0xffff0000u, 0xff0000ffu}));
  EXPECT_EQ(Pixels(Bmp(2, 1, 16, 3, {}, Le(0x07e0, 2) + Le(0xf800, 2), {0xf800, 0x07e0, 0x001f})),
            (Px{0xff00ff00u, 0xffff0000u}));

  // 32 bits: the fourth byte is alpha, unless it is 0 everywhere.
  EXPECT_EQ(Pixels(Bmp(2, 1, 32, 0, {}, Le(0x80112233, 4) + Le(0x00445566, 4))), (Px{0x80112233u, 0x00445566u}));
  EXPECT_EQ(Pixels(Bmp(2, 1, 32, 0, {}, Le(0x00112233, 4) + Le(0x00445566, 4))), (Px{0xff112233u, 0xff445566u}));

  // Run-length coded 4-bit indices: a run, a skip (left transparent), a
  // literal pair, end of line, end.
  const std::string rle4("\x03\x12\x00\x02\x01\x00\x00\x03\x21\x20\x00\x00\x00\x01", 14);
  EXPECT_EQ(Pixels(Bmp(7, 1, 4, 2, {0x000000, 0xff0000, 0x00ff00}, rle4)),
            (Px{0xffff0000u, 0xff00ff00u, 0xffff0000u, 0u, 0xff00ff00u, 0xffff0000u, 0xff00ff00u}));

  // Broken headers.
  EXPECT_EQ(Decode(Bmp(0, 1, 24, 0, {}, std::string(4, '\0'))), nullptr);
  EXPECT_EQ(Decode(Bmp(kMaxPixmapSide + 1, 1, 24, 0, {}, std::string(4, '\0'))), nullptr);
  EXPECT_EQ(Decode(Bmp(1, 1, 7, 0, {}, std::string(4, '\0'))), nullptr);
  EXPECT_EQ(Decode(Bmp(1, 1, 24, 9, {}, std::string(4, '\0'))), nullptr);
  EXPECT_EQ(Decode(Bmp(4, 4, 24, 0, {}, std::string(20, '\0'))), nullptr);  // too few pixel bytes
}

TEST(BmpTga, TgaOrdersRunsAndSixteenBits) {
  // Bottom-up by default; descriptor bit 5 top-down, bit 4 right-to-left.
  const std::string two("\x00\x00\xff\x00\xff\x00", 6);  // red, then green (B, G, R)
  EXPECT_EQ(Pixels(Tga(2, 24, 0, 1, 2, two)), (Px{0xff00ff00u, 0xffff0000u}));
  EXPECT_EQ(Pixels(Tga(2, 24, 0x20, 1, 2, two)), (Px{0xffff0000u, 0xff00ff00u}));
  EXPECT_EQ(Pixels(Tga(2, 24, 0x30, 2, 1, two)), (Px{0xff00ff00u, 0xffff0000u}));

  // A run may go on into the next row; one that would pass the image's end
  // stops at it.
  EXPECT_EQ(Pixels(Tga(10, 24, 0x20, 2, 2, std::string("\x82\x00\x00\xff\x00\xff\xff\xff", 8))),
            (Px{0xffff0000u, 0xffff0000u, 0xffff0000u, 0xffffffffu}));
  EXPECT_EQ(Pixels(Tga(10, 24, 0x20, 1, 1, std::string("\xff\x00\x00\xff", 4))), (Px{0xffff0000u}));

  // 16 bits: five bits a channel, the top bit alpha when the descriptor says so.
  const std::string px16 = Le(0x7c00, 2) + Le(0x801f, 2);
  EXPECT_EQ(Pixels(Tga(2, 16, 0x21, 2, 1, px16)), (Px{0x00ff0000u, 0xff0000ffu}));
  EXPECT_EQ(Pixels(Tga(2, 16, 0x20, 2, 1, px16)), (Px{0xffff0000u, 0xff0000ffu}));

  // Colour-mapped indices beyond the map read as black.
  EXPECT_EQ(Pixels(Tga(1, 8, 0x20, 2, 1, std::string("\x00\x05", 2), "\x10\x20\x30", 24, 1)),
            (Px{0xff302010u, 0xff000000u}));

  // Headers that no TGA has, and text, are refused.
  EXPECT_EQ(Decode(Tga(2, 12, 0, 1, 1, "abc")), nullptr);
  EXPECT_EQ(Decode(Tga(4, 24, 0, 1, 1, "abc")), nullptr);
  EXPECT_EQ(Decode(Tga(2, 24, 0, 0, 1, "abc")), nullptr);
  EXPECT_EQ(Decode(Tga(1, 8, 0, 1, 1, std::string(1, '\0'))), nullptr);  // mapped without a map
  EXPECT_EQ(Decode(Tga(2, 24, 0, 2, 2, two)), nullptr);                  // too few pixels
  EXPECT_EQ(Decode("just some words in a text file, long enough"), nullptr);
}

TEST(BmpTga, EveryDecoderSeedDecodes) {
  // The fuzz seeds cover progressive, grey and CMYK JPEG too.
  int count = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(SORVANTA_SOURCE_DIR) / "tests/fuzz_seeds/image_decode")) {
    auto p = Decode(ReadFile(entry.path()));
    ASSERT_NE(p, nullptr) << entry.path();
    if (entry.path().extension() != ".png") {
      EXPECT_EQ(p->width(), 8) << entry.path();
    }
    ++count;
  }
  EXPECT_GE(count, 10);
}

}  // namespace
}  // namespace sorvanta
