#pragma once
// Reading and writing BMP data without GDI: the bitmap's loader and saver.
// Pixels are 0x00RRGGBB, row 0 at the top, width * height of them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct DecodedBmp {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// Largest accepted side and pixel count: guards the arithmetic and memory.
constexpr int kBmpMaxSide = 32768;
constexpr std::int64_t kBmpMaxPixels = std::int64_t{1} << 26;

// A whole BMP file ("BM", file header, info header, palette, pixels).
std::optional<DecodedBmp> DecodeBmpFile(std::span<const std::uint8_t> file);
// A packed DIB: info header, masks, palette and pixels back to back.
std::optional<DecodedBmp> DecodePackedDib(std::span<const std::uint8_t> dib);
// A BMP file, bottom-up, uncompressed, 24 or 32 bits per pixel.
std::vector<std::uint8_t> EncodeBmpFile(int width, int height, const std::uint32_t* pixels, int bitsPerPixel);
