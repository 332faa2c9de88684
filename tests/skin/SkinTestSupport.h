#pragma once
// Helpers of the skin engine's tests: small generated bitmaps, pixel
// reads, string pictures, and the built-in skin package beside the tests.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

// The pixel at (x, y) as 0x00RRGGBB, fourth byte dropped.
inline std::uint32_t Px(const TBitmap& bitmap, int x, int y) { return bitmap.ScanLine(y)[x] & 0xFFFFFF; }

// A width x height bitmap whose pixel (x, y) is pixel(x, y) (0x00RRGGBB).
inline TBitmap MakeBitmap(int width, int height, const std::function<std::uint32_t(int, int)>& pixel) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(pixel(x, y));
  return TBitmap::FromPixels(width, height, pixels);
}

// A bitmap in which every pixel is different: 0x00YYXX10 style values, so
// a wrong pixel names where it came from.
inline TBitmap Numbered(int width, int height) {
  return MakeBitmap(width, height, [](int x, int y) { return 0x100000u | (static_cast<unsigned>(y) << 8) | x; });
}
inline std::uint32_t NumberOf(int x, int y) { return 0x100000u | (static_cast<unsigned>(y) << 8) | x; }

// A canvas bitmap filled with one pixel value.
inline TBitmap Filled(int width, int height, std::uint32_t pixel) {
  return MakeBitmap(width, height, [pixel](int, int) { return pixel; });
}

// Rows of a picture as text: one character per pixel, the character given
// by legend(pixel) ('?' for anything else).
inline std::vector<std::string> Picture(const TBitmap& bitmap, const std::function<char(std::uint32_t)>& legend) {
  std::vector<std::string> rows;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::string row;
    for (int x = 0; x < bitmap.Width(); ++x) row += legend(Px(bitmap, x, y));
    rows.push_back(row);
  }
  return rows;
}

// The built-in skin package, copied beside the test programs by the build.
inline std::filesystem::path BuiltInSkin() { return std::filesystem::current_path() / "default.qsk"; }

// Pixels of a region as a bool grid [y][x] over width x height, read from
// the region's own rectangles.
inline std::vector<std::vector<bool>> RegionMask(HRGN region, int width, int height) {
  std::vector<std::vector<bool>> mask(static_cast<std::size_t>(height), std::vector<bool>(width, false));
  const DWORD size = ::GetRegionData(region, 0, nullptr);
  std::vector<unsigned char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (size == 0 || ::GetRegionData(region, size, data) != size) return mask;
  const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    for (int y = std::max<LONG>(rects[i].top, 0); y < std::min<LONG>(rects[i].bottom, height); ++y)
      for (int x = std::max<LONG>(rects[i].left, 0); x < std::min<LONG>(rects[i].right, width); ++x)
        mask[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = true;
  return mask;
}
