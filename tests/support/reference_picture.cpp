// Reference pictures: PNG writing with libpng, the pixel comparison and the
// picture of a difference.
#include "support/reference_picture.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace sorvanta::test {

namespace {

[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

// libpng reports errors by longjmp, so this keeps no C++ object of its own.
bool WriteRows(png_structp png, png_infop info, std::FILE* file, int width, int height, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, info);
  return true;
}

bool Remaking() {
  const char* remake = std::getenv("SORVANTA_REMAKE_PICTURES");
  return remake && *remake && std::string(remake) != "0";
}

bool SameColour(const std::uint8_t* a, const std::uint8_t* b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; }

}  // namespace

bool WritePng(const TPixmap& pixmap, const std::string& path) {
  const int w = pixmap.width(), h = pixmap.height();
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * h * 3);
  std::vector<png_bytep> rows(h);
  for (int y = 0; y < h; ++y) {
    rows[y] = rgb.data() + static_cast<std::size_t>(y) * w * 3;
    for (int x = 0; x < w; ++x) std::copy_n(pixmap.row(y) + x * 4, 3, rows[y] + x * 3);
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool written = info && WriteRows(png, info, file, w, h, rows.data());
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0 && written;
}

void ExpectPicture(const std::shared_ptr<TPixmap>& frame, const std::string& name) {
  ASSERT_TRUE(frame) << name << ": no frame was drawn";
  const std::filesystem::path reference = std::filesystem::path(SORVANTA_TESTDATA_DIR) / "pictures" / (name + ".png");
  if (Remaking()) {
    std::filesystem::create_directories(reference.parent_path());
    EXPECT_TRUE(WritePng(*frame, reference.string())) << "cannot write " << reference;
    std::printf("remade %s\n", reference.c_str());
    return;
  }
  const std::filesystem::path out(SORVANTA_PICTURES_OUT);
  std::filesystem::create_directories(out);
  const std::string drawn = (out / (name + ".png")).string(), difference = (out / (name + "-diff.png")).string();
  const auto expected = LoadPixmap(reference.string());
  const char* remake = "; if the change is meant to be seen, remake the references with tools/remake-pictures";
  if (!expected || expected->width() != frame->width() || expected->height() != frame->height()) {
    WritePng(*frame, drawn);
    ADD_FAILURE() << name << ": " << (expected ? "the reference picture has another size" : "no reference picture")
                  << " (" << reference.string() << "); the frame drawn is " << drawn << remake;
    return;
  }
  // The difference: alike pixels a dim grey of the reference, the others magenta.
  TPixmap diff(frame->width(), frame->height());
  long differing = 0;
  int left = frame->width(), top = frame->height(), right = -1, bottom = -1;
  for (int y = 0; y < frame->height(); ++y)
    for (int x = 0; x < frame->width(); ++x) {
      const std::uint8_t* a = frame->row(y) + x * 4;
      const std::uint8_t* b = expected->row(y) + x * 4;
      std::uint8_t* d = diff.row(y) + x * 4;
      if (SameColour(a, b)) {
        const auto grey = static_cast<std::uint8_t>((b[0] + b[1] + b[2]) / 9);
        d[0] = d[1] = d[2] = grey;
        continue;
      }
      d[0] = d[2] = 255;
      d[1] = 0;
      ++differing;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  if (differing == 0) {
    std::error_code ignored;  // what an earlier failure left
    std::filesystem::remove(drawn, ignored);
    std::filesystem::remove(difference, ignored);
    return;
  }
  WritePng(*frame, drawn);
  WritePng(diff, difference);
  ADD_FAILURE() << name << ": " << differing << " pixels differ from " << reference.string() << ", within x " << left
                << ".." << right << ", y " << top << ".." << bottom << "; the frame drawn is " << drawn
                << ", the difference " << difference << remake;
}

}  // namespace sorvanta::test
