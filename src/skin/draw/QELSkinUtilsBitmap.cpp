#include "QELSkinUtilsBitmap.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "graphics/GdiObjects.h"

namespace {

using Pixel = std::uint32_t;
constexpr Pixel kRgbMask = 0xFFFFFF;

bool IsColor(TColor color) { return color != kSkinColorAbsent && color != clNone && color != clDefault; }

// A bitmap of the given size with the transparency settings of model.
TBitmap SameSettings(const TBitmap& model, int width, int height) {
  TBitmap result(width, height);
  result.SetTransparent(model.Transparent());
  if (model.TransparentMode() == tmFixed) result.SetTransparentColor(model.TransparentColor());
  return result;
}

// A copy of source turned by a coordinate mapping: map(x, y) gives the
// target pixel of source pixel (x, y) in a target of size (tw, th).
template <typename Map>
TBitmap Turn(const TBitmap& source, int tw, int th, Map map) {
  if (source.Empty()) return SameSettings(source, 0, 0);
  const int w = source.Width(), h = source.Height();
  TBitmap turned = SameSettings(source, tw, th);
  const Pixel* src = source.Bits();
  Pixel* dst = turned.Bits();
  for (int y = 0; y < h; ++y) {
    const Pixel* row = src + static_cast<std::ptrdiff_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      const auto [nx, ny] = map(x, y);
      dst[static_cast<std::ptrdiff_t>(ny) * tw + nx] = row[x];
    }
  }
  return turned;
}

struct Point {
  int x, y;
};

}  // namespace

void SliceBitmap(const TBitmap* Source, TBitmap& Dest, int Count, int Index) {
  if (!Source || Source->Empty() || Count < 1 || Index < 1 || Index > Count) return;
  const int frameWidth = Source->Width() / Count;
  const int height = Source->Height();
  const int left = frameWidth * (Index - 1);
  Dest.SetSize(frameWidth, height);
  if (frameWidth == 0) return;
  const Pixel* src = Source->Bits();
  Pixel* dst = Dest.Bits();
  for (int y = 0; y < height; ++y)
    std::memcpy(dst + static_cast<std::ptrdiff_t>(y) * frameWidth,
                src + static_cast<std::ptrdiff_t>(y) * Source->Width() + left,
                static_cast<std::size_t>(frameWidth) * sizeof(Pixel));
}

TBitmap TurnedBitmap(const TBitmap& Source, int Degrees) {
  const int w = Source.Width(), h = Source.Height();
  switch (Degrees) {
    case 90:
      return Turn(Source, h, w, [w](int x, int y) { return Point{y, w - 1 - x}; });
    case 180:
      return Turn(Source, w, h, [w, h](int x, int y) { return Point{w - 1 - x, h - 1 - y}; });
    case 270:
      return Turn(Source, h, w, [h](int x, int y) { return Point{h - 1 - y, x}; });
    default:
      return TBitmap(Source);
  }
}

void RotateBitmap90(TBitmap& Bitmap) {
  if (!Bitmap.Empty()) Bitmap = TurnedBitmap(Bitmap, 90);
}

void RotateBitmap180(TBitmap& Bitmap) {
  if (Bitmap.Empty()) return;
  // Turning by 180 degrees reverses the pixel sequence: no second bitmap.
  Pixel* bits = Bitmap.Bits();
  std::reverse(bits, bits + static_cast<std::ptrdiff_t>(Bitmap.Width()) * Bitmap.Height());
}

void RotateBitmap270(TBitmap& Bitmap) {
  if (!Bitmap.Empty()) Bitmap = TurnedBitmap(Bitmap, 270);
}

void ReplaceBitmapColor(TBitmap& Bitmap, TColor From, TColor To) {
  if (Bitmap.Empty() || !IsColor(From) || !IsColor(To)) return;
  const Pixel from = ColorToPixel(From) & kRgbMask;
  const Pixel to = ColorToPixel(To) & kRgbMask;
  Pixel* bits = Bitmap.Bits();
  const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(Bitmap.Width()) * Bitmap.Height();
  for (std::ptrdiff_t i = 0; i < count; ++i)
    if ((bits[i] & kRgbMask) == from) bits[i] = to;
}

void StretchBitmap(const TBitmap& Bitmap, TCanvas& Canvas, const RECT& Rect) {
  HDC dc = Canvas.Handle();
  const int dw = Rect.right - Rect.left, dh = Rect.bottom - Rect.top;
  if (!dc || Bitmap.Empty() || dw <= 0 || dh <= 0) return;
  UniqueMemoryDC source = UniqueMemoryDC::Create(dc);
  if (!source) return;
  SelectScope select(source.get(), Bitmap.Handle());
  const int oldMode = ::SetStretchBltMode(dc, HALFTONE);
  POINT oldOrigin{};
  ::SetBrushOrgEx(dc, 0, 0, &oldOrigin);
  ::StretchBlt(dc, Rect.left, Rect.top, dw, dh, source.get(), 0, 0, Bitmap.Width(), Bitmap.Height(), SRCCOPY);
  ::SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
  if (oldMode) ::SetStretchBltMode(dc, oldMode);
}

TColor InvertColor(TColor Color) { return static_cast<TColor>(ColorToRGB(Color) ^ 0xFFFFFF) & 0xFFFFFF; }

void DrawBitmapPart(TCanvas& Canvas, const RECT& Dest, const TBitmap& Bitmap, const RECT& Source, bool UseKey,
                    TColor Key) {
  const RECT src{std::max<LONG>(Source.left, 0), std::max<LONG>(Source.top, 0),
                 std::min<LONG>(Source.right, Bitmap.Width()), std::min<LONG>(Source.bottom, Bitmap.Height())};
  const int sw = src.right - src.left, sh = src.bottom - src.top;
  const int dw = Dest.right - Dest.left, dh = Dest.bottom - Dest.top;
  if (Bitmap.Empty() || sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0 || !Canvas.Handle()) return;

  TBitmap part(dw, dh);
  const Pixel* in = Bitmap.Bits();
  Pixel* out = part.Bits();
  const int stride = Bitmap.Stride();
  for (int y = 0; y < dh; ++y) {
    const int sy = src.top + static_cast<int>(static_cast<long long>(y) * sh / dh);
    const Pixel* row = in + static_cast<std::ptrdiff_t>(sy) * stride;
    Pixel* target = out + static_cast<std::ptrdiff_t>(y) * dw;
    if (sw == dw) {
      std::memcpy(target, row + src.left, static_cast<std::size_t>(dw) * sizeof(Pixel));
    } else {
      for (int x = 0; x < dw; ++x) target[x] = row[src.left + static_cast<int>(static_cast<long long>(x) * sw / dw)];
    }
  }
  if (UseKey && IsColor(Key)) {
    part.SetTransparent(true);
    part.SetTransparentColor(Key);
  }
  Canvas.Draw(Dest.left, Dest.top, part);
}
