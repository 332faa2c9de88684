// Feeds any bytes to the JPEG decoder: it must fail cleanly or give a
// picture whose buffer matches its size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto result = DecodeJpeg({data, size});
  if (result.ok()) {
    const TPixelImage& image = result.value();
    if (image.width <= 0 || image.height <= 0) std::abort();
    if (image.pixels.size() != image.Stride() * static_cast<std::size_t>(image.height)) std::abort();
  } else if (result.error().empty()) {
    std::abort();
  }
  return 0;
}
