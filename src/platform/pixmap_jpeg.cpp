// JPEG decoding with libjpeg, to 8-bit RGBA. libjpeg's fatal errors longjmp
// back through our error manager; the function that calls setjmp keeps no
// C++ object of its own: what it makes lives in its caller.
#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "platform/pixmap.h"
#include "platform/pixmap_internal.h"

namespace sorvanta {

namespace {

// Bounds on what one image may cost: its working memory, and the scans of a
// progressive file (each scan is a pass over the whole image).
constexpr long kMaxDecoderMemory = 512L * 1024 * 1024;
constexpr int kMaxScans = 500;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(err->jump, 1);
}
void OnMessage(j_common_ptr) {}

void OnProgress(j_common_ptr info) {
  auto* cinfo = reinterpret_cast<j_decompress_ptr>(info);
  if (cinfo->is_decompressor && cinfo->input_scan_number > kMaxScans) OnError(info);
}

// Decodes into *out (made here once the size is known); false on any error.
bool DecodeInto(jpeg_decompress_struct* cinfo, ErrorManager* err, jpeg_progress_mgr* progress,
                const std::uint8_t* data, std::size_t size, std::shared_ptr<TPixmap>* out,
                std::vector<std::uint8_t>* line) {
  if (setjmp(err->jump)) return false;
  jpeg_create_decompress(cinfo);
  cinfo->mem->max_memory_to_use = kMaxDecoderMemory;
  progress->progress_monitor = OnProgress;
  cinfo->progress = progress;
  jpeg_mem_src(cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) return false;
  // Refused before the decoder sets up buffers for it.
  if (cinfo->image_width < 1 || cinfo->image_height < 1 || cinfo->image_width > kMaxImageSide ||
      cinfo->image_height > kMaxImageSide)
    return false;
  const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(cinfo);
  const int components = cinfo->output_components;
  if ((cmyk && components != 4) || (!cmyk && components != 3)) return false;
  *out = CreateUnfilledPixmap(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height));
  if (!*out) return false;
  const int width = (*out)->width();
  line->resize(static_cast<std::size_t>(width) * components);
  while (cinfo->output_scanline < cinfo->output_height) {
    const int y = static_cast<int>(cinfo->output_scanline);
    JSAMPROW rows[1] = {line->data()};
    if (jpeg_read_scanlines(cinfo, rows, 1) != 1) return false;
    std::uint8_t* dst = (*out)->row(y);
    const std::uint8_t* in = line->data();
    for (int x = 0; x < width; ++x, dst += 4, in += components) {
      if (cmyk) {
        // Adobe writes CMYK inverted: each channel already holds 255 - ink.
        dst[0] = static_cast<std::uint8_t>(in[0] * in[3] / 255);
        dst[1] = static_cast<std::uint8_t>(in[1] * in[3] / 255);
        dst[2] = static_cast<std::uint8_t>(in[2] * in[3] / 255);
      } else {
        dst[0] = in[0];
        dst[1] = in[1];
        dst[2] = in[2];
      }
      dst[3] = 255;
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
  jpeg_progress_mgr progress{};
  std::shared_ptr<TPixmap> pixmap;
  std::vector<std::uint8_t> line;
  const bool ok = DecodeInto(&cinfo, &err, &progress, data, size, &pixmap, &line);
  jpeg_destroy_decompress(&cinfo);
  return ok ? pixmap : nullptr;
}

}  // namespace sorvanta
