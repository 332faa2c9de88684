#pragma once
// JPEG decoding through libjpeg, from bytes in memory.
#include <cstdint>
#include <span>

#include "PixelImage.h"

// Decodes a baseline or progressive JPEG (grey-scale or colour) to BGRA with
// opaque alpha. Corrupt or truncated data, unsupported colour spaces and
// oversized pictures fail with libjpeg's message; nothing is half-decoded.
TDecodeResult<TPixelImage> DecodeJpeg(std::span<const std::uint8_t> bytes);
