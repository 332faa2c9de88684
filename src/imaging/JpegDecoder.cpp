#include "JpegDecoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <limits>
#include <string>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back to the decode with the formatted message kept here.
struct ErrorManager {
  jpeg_error_mgr base{};
  std::jmp_buf jump{};
  char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void OnFatalError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  errors->base.format_message(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Level -1 is a warning about corrupt data (a truncated file among them);
// such a picture would be shown half grey, so it fails like any error.
// Trace messages (level >= 0) are ignored.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0) OnFatalError(info);
}

// Runs the decompression; returns false after libjpeg gave up. Only this
// frame and libjpeg's C frames lie between setjmp and longjmp, and nothing
// here that changes after setjmp is read after the jump.
bool Decompress(jpeg_decompress_struct& info, ErrorManager& errors, std::span<const std::uint8_t> bytes,
                TPixelImage& out, std::string& limitError) {
  if (setjmp(errors.jump)) return false;

  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);

  const JDIMENSION w = info.image_width;
  const JDIMENSION h = info.image_height;
  if (w == 0 || h == 0 || w > static_cast<JDIMENSION>(kMaxImageSide) ||
      h > static_cast<JDIMENSION>(kMaxImageSide) || std::size_t{w} * h > kMaxImagePixels) {
    limitError = "JPEG picture of " + std::to_string(w) + " x " + std::to_string(h) + " pixels is too large";
    return false;
  }

  info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&info);

  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  out.pixels.assign(out.Stride() * static_cast<std::size_t>(out.height), 0);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.pixels.data() + out.Stride() * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

TDecodeResult<TPixelImage> DecodeJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return TDecodeResult<TPixelImage>::Fail("JPEG data is empty");
  if (bytes.size() > std::numeric_limits<unsigned long>::max() / 2)
    return TDecodeResult<TPixelImage>::Fail("JPEG data is too large");

  ErrorManager errors;
  jpeg_decompress_struct info{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnFatalError;
  errors.base.emit_message = OnMessage;
  jpeg_create_decompress(&info);

  TPixelImage image;
  std::string limitError;
  const bool decoded = Decompress(info, errors, bytes, image, limitError);
  jpeg_destroy_decompress(&info);

  if (!decoded) {
    return TDecodeResult<TPixelImage>::Fail(!limitError.empty() ? limitError
                                                                : "JPEG decoding failed: " + std::string(errors.message));
  }
  return TDecodeResult<TPixelImage>::Ok(std::move(image));
}
