#pragma once
// PNG files without a compressor: the image data travels in stored
// (uncompressed) deflate blocks, so a file is about 3 bytes a pixel.
#include <cstdint>
#include <span>
#include <vector>

class TBitmap;

// The CRC-32 of PNG chunks (ISO 3309), continued from crc (0 to start).
std::uint32_t Crc32(std::span<const std::uint8_t> data, std::uint32_t crc = 0) noexcept;
// The Adler-32 checksum of a zlib stream.
std::uint32_t Adler32(std::span<const std::uint8_t> data) noexcept;

// An 8-bit RGB PNG of the bitmap's pixels.
std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap);
