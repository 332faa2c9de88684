#include "graphics/Color.h"

COLORREF ColorToRGB(TColor color) noexcept {
  if (IsSystemColor(color)) return ::GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color);
}

std::uint32_t ColorToPixel(TColor color) noexcept {
  COLORREF rgb = ColorToRGB(color);
  return (GetRValue(rgb) << 16) | (GetGValue(rgb) << 8) | GetBValue(rgb);
}
