#pragma once
// Helpers shared by the graphics tests: reading pixels and building small
// BMP files byte by byte, independently of the codec under test.
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "graphics/Bitmap.h"

// The pixel at (x, y) without its fourth byte (0x00RRGGBB).
inline std::uint32_t Px(const TBitmap& bitmap, int x, int y) { return bitmap.ScanLine(y)[x] & 0xFFFFFF; }

// Counts the pixels of rectangle [x0, x1) x [y0, y1) equal to pixel.
inline int CountPixels(const TBitmap& bitmap, std::uint32_t pixel, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += Px(bitmap, x, y) == pixel;
  return n;
}

inline int CountPixels(const TBitmap& bitmap, std::uint32_t pixel) {
  return CountPixels(bitmap, pixel, 0, 0, bitmap.Width(), bitmap.Height());
}

// Little-endian byte writer.
struct Bytes {
  std::vector<std::uint8_t> data;
  Bytes& u8(unsigned v) {
    data.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  Bytes& u16(unsigned v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
  Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
  Bytes& raw(std::initializer_list<std::uint8_t> bytes) {
    data.insert(data.end(), bytes);
    return *this;
  }
  Bytes& pad(std::size_t to) {
    data.resize(to, 0);
    return *this;
  }
};

// A BMP file header followed by a 40-byte info header.
inline Bytes BmpHeaders(int width, int height, int bpp, std::uint32_t compression, std::uint32_t pixelOffset,
                        std::uint32_t colorsUsed = 0) {
  Bytes b;
  b.u8('B').u8('M').u32(0).u32(0).u32(pixelOffset);
  b.u32(40).u32(static_cast<std::uint32_t>(width)).u32(static_cast<std::uint32_t>(height)).u16(1).u16(bpp);
  b.u32(compression).u32(0).u32(0).u32(0).u32(colorsUsed).u32(0);
  return b;
}
