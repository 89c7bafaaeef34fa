// PNG decoding with libpng. Every colour type, bit depth and interlacing is
// expanded to 8-bit RGBA. libpng reports errors by longjmp, so the function
// that calls setjmp keeps no C++ object of its own: what it makes lives in
// its caller.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "platform/pixmap.h"
#include "platform/pixmap_internal.h"

namespace sorvanta {

namespace {

struct MemoryReader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (length > reader->size - reader->pos) png_error(png, "unexpected end of data");
  std::memcpy(out, reader->data + reader->pos, length);
  reader->pos += length;
}

[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

// Decodes into *out (made here once the size is known), rows pointing into
// it; false on any error.
bool DecodeInto(png_structp png, png_infop info, MemoryReader* reader, std::shared_ptr<TPixmap>* out,
                std::vector<png_bytep>* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, reader, ReadFromMemory);
  png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  const int color_type = png_get_color_type(png, info);
  const int bit_depth = png_get_bit_depth(png, info);

  // Palette to RGB, grey below 8 bits to 8, tRNS to an alpha channel.
  png_set_expand(png);
  if (bit_depth == 16) png_set_strip_16(png);
  if (color_type == PNG_COLOR_TYPE_GRAY || color_type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if (!(color_type & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
    png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) png_error(png, "unexpected layout");

  *out = CreateUnfilledPixmap(static_cast<int>(width), static_cast<int>(height));
  if (!*out) png_error(png, "unexpected size");
  rows->resize(height);
  for (png_uint_32 y = 0; y < height; ++y) (*rows)[y] = (*out)->row(static_cast<int>(y));
  png_read_image(png, rows->data());
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

std::shared_ptr<TPixmap> DecodePng(const std::uint8_t* data, std::size_t size) {
  if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) return nullptr;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!png) return nullptr;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return nullptr;
  }
  MemoryReader reader{data, size, 0};
  std::shared_ptr<TPixmap> pixmap;
  std::vector<png_bytep> rows;
  bool ok = DecodeInto(png, info, &reader, &pixmap, &rows);
  png_destroy_read_struct(&png, &info, nullptr);
  return ok ? pixmap : nullptr;
}

}  // namespace sorvanta
