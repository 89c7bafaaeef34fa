// JPEG decoding with libjpeg, to 8-bit RGBA. libjpeg's fatal errors longjmp
// back through our error manager; the function that calls setjmp keeps no
// C++ object created after that point.
#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "platform/pixmap.h"

namespace sorvanta {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(err->jump, 1);
}
void OnMessage(j_common_ptr) {}

// Decodes into pixels (RGBA, resized here); false on any error.
bool DecodeInto(jpeg_decompress_struct* cinfo, ErrorManager* err, const std::uint8_t* data, std::size_t size,
                std::vector<std::uint8_t>* pixels, std::vector<std::uint8_t>* line, int* width, int* height) {
  if (setjmp(err->jump)) return false;
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) return false;
  bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(cinfo);
  if (cinfo->output_width < 1 || cinfo->output_height < 1 || cinfo->output_width > kMaxPixmapSide ||
      cinfo->output_height > kMaxPixmapSide)
    return false;
  int components = cinfo->output_components;
  if ((cmyk && components != 4) || (!cmyk && components != 3)) return false;
  *width = static_cast<int>(cinfo->output_width);
  *height = static_cast<int>(cinfo->output_height);
  pixels->resize(static_cast<std::size_t>(*width) * *height * 4);
  line->resize(static_cast<std::size_t>(*width) * components);
  while (cinfo->output_scanline < cinfo->output_height) {
    int y = static_cast<int>(cinfo->output_scanline);
    JSAMPROW rows[1] = {line->data()};
    if (jpeg_read_scanlines(cinfo, rows, 1) != 1) return false;
    std::uint8_t* out = pixels->data() + static_cast<std::size_t>(y) * *width * 4;
    const std::uint8_t* in = line->data();
    for (int x = 0; x < *width; ++x, out += 4, in += components) {
      if (cmyk) {
        // Adobe writes CMYK inverted: each channel already holds 255 - ink.
        out[0] = static_cast<std::uint8_t>(in[0] * in[3] / 255);
        out[1] = static_cast<std::uint8_t>(in[1] * in[3] / 255);
        out[2] = static_cast<std::uint8_t>(in[2] * in[3] / 255);
      } else {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
      }
      out[3] = 255;
    }
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

}  // namespace

std::shared_ptr<TPixmap> DecodeJpeg(const std::uint8_t* data, std::size_t size) {
  if (!data || size < 4) return nullptr;
  jpeg_decompress_struct cinfo;
  std::memset(&cinfo, 0, sizeof cinfo);  // so that destroying it is safe whenever decoding stops
  ErrorManager err;
  cinfo.err = jpeg_std_error(&err.base);
  err.base.error_exit = OnError;
  err.base.output_message = OnMessage;
  std::vector<std::uint8_t> pixels;
  std::vector<std::uint8_t> line;
  int width = 0, height = 0;
  bool ok = DecodeInto(&cinfo, &err, data, size, &pixels, &line, &width, &height);
  jpeg_destroy_decompress(&cinfo);
  if (!ok) return nullptr;
  auto pixmap = CreatePixmap(width, height);
  if (!pixmap) return nullptr;
  std::memcpy(pixmap->data(), pixels.data(), pixels.size());
  return pixmap;
}

}  // namespace sorvanta
