// Feeds any bytes to the GIF decoder: it must fail cleanly or give frames
// that all cover the whole screen, with positive delays.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "GifDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto result = DecodeGif({data, size});
  if (!result.ok()) {
    if (result.error().empty()) std::abort();
    return 0;
  }
  const TAnimation& a = result.value();
  if (a.frames.empty() || a.playCount < 0) std::abort();
  for (const TAnimationFrame& f : a.frames) {
    if (f.image.width != a.width || f.image.height != a.height || f.delayMs <= 0) std::abort();
    if (f.image.pixels.size() != f.image.Stride() * static_cast<std::size_t>(f.image.height)) std::abort();
  }
  return 0;
}
