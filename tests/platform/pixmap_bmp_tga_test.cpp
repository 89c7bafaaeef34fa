#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/pixmap.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

namespace fs = std::filesystem;

const fs::path kSuite = fs::path(SORVANTA_TESTDATA_DIR) / "pngsuite";
const fs::path kData = fs::path(SORVANTA_SOURCE_DIR) / "tests/platform/data";

std::shared_ptr<TPixmap> Decode(const std::string& bytes) {
  return DecodePixmap(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

using test::ReadFile;

// The first pixel at which two pixmaps differ, as text; "" when they match.
std::string Difference(const std::shared_ptr<TPixmap>& a, const std::shared_ptr<TPixmap>& b) {
  if (!a || !b) return "missing";
  if (a->width() != b->width() || a->height() != b->height()) return "size";
  for (int y = 0; y < a->height(); ++y)
    for (int x = 0; x < a->width(); ++x)
      if (ReadPixel(a, x, y) != ReadPixel(b, x, y))
        return "at " + std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(ReadPixel(a, x, y)) +
               " vs " + std::to_string(ReadPixel(b, x, y));
  return "";
}

void Put16(std::string& s, int v) {
  s += static_cast<char>(v & 0xff);
  s += static_cast<char>((v >> 8) & 0xff);
}
void Put32(std::string& s, std::uint32_t v) {
  Put16(s, static_cast<int>(v & 0xffff));
  Put16(s, static_cast<int>(v >> 16));
}

// A BMP with a 40-byte header (or the 12-byte core one), the given palette
// (B, G, R entries), optional masks after the header, and pixel bytes.
std::string Bmp(int width, int height, int bits, std::uint32_t compression, const std::vector<std::uint32_t>& palette,
                const std::string& pixels, const std::vector<std::uint32_t>& masks = {}, bool core = false) {
  std::string head;
  if (core) {
    Put32(head, 12);
    Put16(head, width);
    Put16(head, height);
    Put16(head, 1);
    Put16(head, bits);
  } else {
    Put32(head, 40);
    Put32(head, static_cast<std::uint32_t>(width));
    Put32(head, static_cast<std::uint32_t>(height));
    Put16(head, 1);
    Put16(head, bits);
    Put32(head, compression);
    Put32(head, static_cast<std::uint32_t>(pixels.size()));
    Put32(head, 2835);
    Put32(head, 2835);
    Put32(head, static_cast<std::uint32_t>(palette.size()));
    Put32(head, 0);
    for (std::uint32_t m : masks) Put32(head, m);
  }
  for (std::uint32_t c : palette) {
    head += static_cast<char>(c & 0xff);
    head += static_cast<char>((c >> 8) & 0xff);
    head += static_cast<char>((c >> 16) & 0xff);
    if (!core) head += '\0';
  }
  std::string file = "BM";
  Put32(file, static_cast<std::uint32_t>(14 + head.size() + pixels.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(14 + head.size()));
  return file + head + pixels;
}

TEST(BmpTga, FilesOfAnotherEncoderMatchTheirPngs) {
  const struct {
    const char* file;
    const char* png;
  } cases[] = {
      {"basn6a08_v4_bitfields.bmp", "basn6a08.png"}, {"basn2c08_24bit.bmp", "basn2c08.png"},
      {"basn3p08_8bit.bmp", "basn3p08.png"},         {"basn3p04_rle8.bmp", "basn3p04.png"},
      {"basn6a08_rle.tga", "basn6a08.png"},          {"basn2c08.tga", "basn2c08.png"},
      {"basn3p08_mapped.tga", "basn3p08.png"},       {"basn0g08_grey_rle.tga", "basn0g08.png"},
  };
  for (const auto& c : cases) {
    auto expected = LoadPixmap((kSuite / c.png).string());
    ASSERT_NE(expected, nullptr) << c.png;
    EXPECT_EQ(Difference(LoadPixmap((kData / c.file).string()), expected), "") << c.file;
    EXPECT_NE(LoadImage((kData / c.file).string()), nullptr) << c.file;
  }
  // Cut files are refused, not read past their end.
  for (const char* file : {"basn6a08_v4_bitfields.bmp", "basn3p04_rle8.bmp", "basn6a08_rle.tga", "basn2c08.tga"}) {
    std::string bytes = ReadFile(kData / file);
    for (std::size_t cut : {std::size_t(10), std::size_t(30), bytes.size() / 2, bytes.size() - 40})
      EXPECT_EQ(Decode(bytes.substr(0, cut)), nullptr) << file << " cut at " << cut;
  }
}

TEST(BmpTga, BmpDepthsOrdersAndMasks) {
  // 24 bits, bottom-up, rows padded to 4 bytes: 2 x 2.
  std::string rows24 = std::string("\x00\x00\xff" "\x00\xff\x00" "\0\0", 8) + std::string("\xff\x00\x00" "\xff\xff\xff" "\0\0", 8);
  auto p = Decode(Bmp(2, 2, 24, 0, {}, rows24));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 1), 0xffff0000u);  // first stored row is the bottom one
  EXPECT_EQ(ReadPixel(p, 1, 1), 0xff00ff00u);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xff0000ffu);
  EXPECT_EQ(ReadPixel(p, 1, 0), 0xffffffffu);
  // The same rows with a negative height are top-down.
  p = Decode(Bmp(2, -2, 24, 0, {}, rows24));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xffff0000u);

  // 1 and 4 bits through the palette, high bits first; the core header too.
  p = Decode(Bmp(3, 1, 1, 0, {0x000000, 0xffffff}, std::string("\xa0\0\0\0", 4)));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xffffffffu);
  EXPECT_EQ(ReadPixel(p, 1, 0), 0xff000000u);
  EXPECT_EQ(ReadPixel(p, 2, 0), 0xffffffffu);
  p = Decode(Bmp(3, 1, 4, 0, {0x102030, 0x405060, 0x708090}, std::string("\x21\x00\0\0", 4), {}, true));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xff708090u);
  EXPECT_EQ(ReadPixel(p, 1, 0), 0xff405060u);
  EXPECT_EQ(ReadPixel(p, 2, 0), 0xff102030u);

  // 16 bits: 5-5-5 by default, 5-6-5 through masks.
  std::string px16;
  Put16(px16, 0x7c00);
  Put16(px16, 0x001f);
  p = Decode(Bmp(2, 1, 16, 0, {}, px16));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xffff0000u);
  EXPECT_EQ(ReadPixel(p, 1, 0), 0xff0000ffu);
  px16.clear();
  Put16(px16, 0x07e0);
  Put16(px16, 0xf800);
  p = Decode(Bmp(2, 1, 16, 3, {}, px16, {0xf800, 0x07e0, 0x001f}));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xff00ff00u);
  EXPECT_EQ(ReadPixel(p, 1, 0), 0xffff0000u);

  // 32 bits: the fourth byte is alpha, unless it is 0 everywhere.
  std::string px32;
  Put32(px32, 0x80112233);
  Put32(px32, 0x00445566);
  p = Decode(Bmp(2, 1, 32, 0, {}, px32));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0x80112233u);
  EXPECT_EQ(ReadPixel(p, 1, 0), 0x00445566u);
  px32.clear();
  Put32(px32, 0x00112233);
  Put32(px32, 0x00445566);
  p = Decode(Bmp(2, 1, 32, 0, {}, px32));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xff112233u);

  // Run-length coded 4-bit indices: a run, a skip, a literal pair, end.
  std::string rle4("\x03\x12" "\x00\x02\x01\x00" "\x00\x03\x21\x20" "\x00\x00" "\x00\x01", 14);
  p = Decode(Bmp(7, 1, 4, 2, {0x000000, 0xff0000, 0x00ff00}, rle4));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xffff0000u);
  EXPECT_EQ(ReadPixel(p, 1, 0), 0xff00ff00u);
  EXPECT_EQ(ReadPixel(p, 2, 0), 0xffff0000u);
  EXPECT_EQ(ReadPixel(p, 3, 0), 0u);  // skipped: left transparent
  EXPECT_EQ(ReadPixel(p, 4, 0), 0xff00ff00u);
  EXPECT_EQ(ReadPixel(p, 5, 0), 0xffff0000u);
  EXPECT_EQ(ReadPixel(p, 6, 0), 0xff00ff00u);

  // Broken headers.
  EXPECT_EQ(Decode(Bmp(0, 1, 24, 0, {}, std::string(4, '\0'))), nullptr);
  EXPECT_EQ(Decode(Bmp(kMaxPixmapSide + 1, 1, 24, 0, {}, std::string(4, '\0'))), nullptr);
  EXPECT_EQ(Decode(Bmp(1, 1, 7, 0, {}, std::string(4, '\0'))), nullptr);
  EXPECT_EQ(Decode(Bmp(1, 1, 24, 9, {}, std::string(4, '\0'))), nullptr);
  EXPECT_EQ(Decode(Bmp(4, 4, 24, 0, {}, std::string(20, '\0'))), nullptr);  // too few pixel bytes
}

TEST(BmpTga, TgaOrdersRunsAndSixteenBits) {
  auto tga = [](int type, int bits, int descriptor, int width, int height, const std::string& body,
                const std::string& map = "", int mapBits = 0, int mapLength = 0) {
    std::string s;
    s += '\0';
    s += static_cast<char>(map.empty() ? 0 : 1);
    s += static_cast<char>(type);
    Put16(s, 0);
    Put16(s, mapLength);
    s += static_cast<char>(mapBits);
    Put32(s, 0);
    Put16(s, width);
    Put16(s, height);
    s += static_cast<char>(bits);
    s += static_cast<char>(descriptor);
    return s + map + body;
  };
  // Bottom-up by default; descriptor bit 5 top-down, bit 4 right-to-left.
  const std::string two("\x00\x00\xff" "\x00\xff\x00", 6);  // red, then green (B, G, R)
  auto p = Decode(tga(2, 24, 0, 1, 2, two));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 1), 0xffff0000u);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xff00ff00u);
  p = Decode(tga(2, 24, 0x20, 1, 2, two));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xffff0000u);
  p = Decode(tga(2, 24, 0x30, 2, 1, two));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 1, 0), 0xffff0000u);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xff00ff00u);

  // A run may go on into the next row; one that would pass the image's end
  // stops at it.
  p = Decode(tga(10, 24, 0x20, 2, 2, std::string("\x82\x00\x00\xff" "\x00\xff\xff\xff", 8)));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 1), 0xffff0000u);
  EXPECT_EQ(ReadPixel(p, 1, 1), 0xffffffffu);
  EXPECT_NE(Decode(tga(10, 24, 0x20, 1, 1, std::string("\xff\x00\x00\xff", 4))), nullptr);

  // 16 bits: five bits a channel, the top bit alpha when the descriptor says so.
  std::string px;
  Put16(px, 0x7c00);
  Put16(px, 0x801f);
  p = Decode(tga(2, 16, 0x21, 2, 1, px));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0x00ff0000u);
  EXPECT_EQ(ReadPixel(p, 1, 0), 0xff0000ffu);
  p = Decode(tga(2, 16, 0x20, 2, 1, px));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xffff0000u);

  // Colour-mapped indices beyond the map read as black.
  p = Decode(tga(1, 8, 0x20, 2, 1, std::string("\x00\x05", 2), std::string("\x10\x20\x30", 3), 24, 1));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(ReadPixel(p, 0, 0), 0xff302010u);
  EXPECT_EQ(ReadPixel(p, 1, 0), 0xff000000u);

  // Headers that no TGA has, and text, are refused.
  EXPECT_EQ(Decode(tga(2, 12, 0, 1, 1, "abc")), nullptr);
  EXPECT_EQ(Decode(tga(4, 24, 0, 1, 1, "abc")), nullptr);
  EXPECT_EQ(Decode(tga(2, 24, 0, 0, 1, "abc")), nullptr);
  EXPECT_EQ(Decode(tga(1, 8, 0, 1, 1, "\x00")), nullptr);  // mapped without a map
  EXPECT_EQ(Decode("just some words in a text file, long enough"), nullptr);
  EXPECT_EQ(Decode(tga(2, 24, 0, 2, 2, two)), nullptr);  // too few pixels
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
