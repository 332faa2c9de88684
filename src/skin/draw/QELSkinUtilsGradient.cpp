#include "QELSkinUtilsGradient.h"

#include <cmath>

#include "graphics/Bitmap.h"

namespace {

int Channel(COLORREF color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

// One strip of solid colours, drawn stretched across Rect: a 1 x n bitmap
// for a vertical gradient, n x 1 for a horizontal one. Stretching along
// the strip only repeats whole pixels, so every row keeps its colour.
void DrawStrip(TCanvas& canvas, const RECT& rect, const std::vector<TColor>& colors, bool vertical) {
  const int n = static_cast<int>(colors.size());
  TBitmap strip(vertical ? 1 : n, vertical ? n : 1);
  std::uint32_t* bits = strip.Bits();
  for (int i = 0; i < n; ++i) bits[i] = ColorToPixel(colors[static_cast<std::size_t>(i)]);
  canvas.StretchDraw(rect, strip);
}

}  // namespace

std::vector<TColor> GradientColors(TColor Start, TColor End, int Steps) {
  std::vector<TColor> colors;
  if (Steps <= 0) return colors;
  const COLORREF from = ColorToRGB(Start), to = ColorToRGB(End);
  colors.reserve(static_cast<std::size_t>(Steps));
  for (int i = 0; i < Steps; ++i) {
    if (i == 0) {
      colors.push_back(static_cast<TColor>(from & 0xFFFFFF));
      continue;
    }
    if (i == Steps - 1) {
      colors.push_back(static_cast<TColor>(to & 0xFFFFFF));
      continue;
    }
    TColor color = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const int a = Channel(from, shift), b = Channel(to, shift);
      // std::nearbyint rounds ties to even in the default rounding mode.
      const double step = static_cast<double>(b - a) / Steps * (i - 1);
      const int value = a + static_cast<int>(std::nearbyint(step));
      color |= static_cast<TColor>((value & 0xFF) << shift);
    }
    colors.push_back(color);
  }
  return colors;
}

void DrawVerticalGradient(TCanvas& Canvas, const RECT& Rect, TColor Top, TColor Bottom) {
  const int n = Rect.bottom - Rect.top;
  if (n <= 0 || Rect.right <= Rect.left) return;
  DrawStrip(Canvas, Rect, GradientColors(Top, Bottom, n), true);
}

void DrawHorizontalGradient(TCanvas& Canvas, const RECT& Rect, TColor Left, TColor Right) {
  const int n = Rect.right - Rect.left;
  if (n <= 0 || Rect.bottom <= Rect.top) return;
  DrawStrip(Canvas, Rect, GradientColors(Left, Right, n), false);
}
