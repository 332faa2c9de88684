#pragma once
// Helpers shared by the forms tests: the colours of the test program's
// icons (a 16 x 16 red and a 32 x 32 blue image) and a way to tell them apart.
#include <windows.h>

#include <cstdint>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

constexpr std::uint32_t kIconRed = 0xFF0000;  // 0x00RRGGBB
constexpr std::uint32_t kIconBlue = 0x0000FF;

// The colour of the icon's middle pixel, drawn at size x size on white.
inline std::uint32_t IconMiddleColour(HICON icon, int size) {
  TBitmap bitmap(size, size);
  bitmap.Fill(clWhite);
  ::DrawIconEx(bitmap.Canvas().Handle(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  return bitmap.ScanLine(size / 2)[size / 2] & 0xFFFFFF;
}
