#include "QELSkinUtilsPaint.h"

#include <algorithm>

#include "AnsiText.h"
#include "QELSkinUtilsBitmap.h"
#include "graphics/GdiObjects.h"

namespace {

constexpr TColor kArrowEnabled = 0x000000;
constexpr TColor kArrowShadow = 0xFFFFFF;
constexpr TColor kArrowDisabled = 0x808080;

bool IsColor(TColor color) { return color != kSkinColorAbsent && color != clNone && color != clDefault; }

void Fill(HDC dc, const RECT& rect, TColor color) {
  if (!dc || !IsColor(color) || rect.right <= rect.left || rect.bottom <= rect.top) return;
  UniqueBrush brush(::CreateSolidBrush(ColorToRGB(color)));
  if (brush) ::FillRect(dc, &rect, brush.get());
}

void Frame(HDC dc, const RECT& rect, TColor color) {
  if (!dc || !IsColor(color)) return;
  UniqueBrush brush(::CreateSolidBrush(ColorToRGB(color)));
  if (brush) ::FrameRect(dc, &rect, brush.get());
}

// A triangle as four spans: span k (0..3) runs across the arrow's
// direction from `from - k*grow` ... as given by the span function.
enum class Axis { Rows, Columns };

template <typename Span>
void Triangle(HDC dc, int x, int y, TColor color, Axis axis, Span span) {
  if (!dc) return;
  UniqueBrush brush(::CreateSolidBrush(ColorToRGB(color)));
  if (!brush) return;
  for (int k = 0; k <= 3; ++k) {
    const auto [offset, first, last] = span(k);  // inclusive span
    const RECT r = axis == Axis::Rows ? RECT{x + first, y + offset, x + last + 1, y + offset + 1}
                                      : RECT{x + offset, y + first, x + offset + 1, y + last + 1};
    ::FillRect(dc, &r, brush.get());
  }
}

struct Span {
  int offset, first, last;
};

template <typename SpanFn>
void Arrow(TCanvas& canvas, int x, int y, bool enabled, Axis axis, SpanFn span) {
  HDC dc = canvas.Handle();
  if (enabled) {
    Triangle(dc, x, y, kArrowEnabled, axis, span);
    return;
  }
  Triangle(dc, x + 1, y + 1, kArrowShadow, axis, span);
  Triangle(dc, x, y, kArrowDisabled, axis, span);
}

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

void FillRectColor(TCanvas& Canvas, const RECT& Rect, TColor Color) { Fill(Canvas.Handle(), Rect, Color); }

void FrameRectColor(TCanvas& Canvas, const RECT& Rect, TColor Color) { Frame(Canvas.Handle(), Rect, Color); }

void DrawArrowDown(TCanvas& Canvas, int X, int Y, bool Enabled) {
  Arrow(Canvas, X, Y, Enabled, Axis::Rows, [](int k) { return Span{k, k, 6 - k}; });
}

void DrawArrowUp(TCanvas& Canvas, int X, int Y, bool Enabled) {
  Arrow(Canvas, X, Y, Enabled, Axis::Rows, [](int k) { return Span{k, -k, k}; });
}

void DrawArrowLeft(TCanvas& Canvas, int X, int Y, bool Enabled) {
  Arrow(Canvas, X, Y, Enabled, Axis::Columns, [](int k) { return Span{k, -k, k}; });
}

void DrawArrowRight(TCanvas& Canvas, int X, int Y, bool Enabled) {
  Arrow(Canvas, X, Y, Enabled, Axis::Columns, [](int k) { return Span{k, k, 6 - k}; });
}

void DrawWindowBorder(HWND Window, TColor OuterColor, TColor InnerColor, bool DrawInner) {
  RECT bounds{};
  if (!Window || !::GetWindowRect(Window, &bounds)) return;
  UniqueWindowDC dc = UniqueWindowDC::WholeWindow(Window);
  if (!dc) return;
  RECT r{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
  Frame(dc.get(), r, OuterColor);
  if (DrawInner) {
    ::InflateRect(&r, -1, -1);
    Frame(dc.get(), r, InnerColor);
  }
}

void DrawMenuSeparator(TCanvas& Canvas, const RECT& Rect, TColor Color, bool LeftToRight, int GutterWidth) {
  const int y = Rect.top + 2;
  const int from = LeftToRight ? Rect.left + GutterWidth + 4 : Rect.left + 2;
  const int to = LeftToRight ? Rect.right - 2 : Rect.right - GutterWidth - 4;
  Fill(Canvas.Handle(), RECT{from, y, to, y + 1}, Color);
}

std::wstring TruncateText(TCanvas& Canvas, std::wstring_view Text, int MaxWidth) {
  if (Canvas.TextWidth(Text) <= MaxWidth || Text.size() <= 1) return std::wstring(Text);
  auto candidate = [&](std::size_t length) {
    std::wstring s(Text.substr(0, length));
    s += L"...";
    return s;
  };
  // Widths grow with the prefix: find the longest prefix that fits.
  std::size_t lo = 1, hi = Text.size() - 1, best = 0;
  while (lo <= hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (Canvas.TextWidth(candidate(mid)) <= MaxWidth) {
      best = mid;
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  std::size_t length = std::max<std::size_t>(best, 1);
  // Never end between the two halves of a surrogate pair.
  if (IsHighSurrogate(Text[length - 1])) length = length > 1 ? length - 1 : std::min<std::size_t>(2, Text.size());
  return candidate(length);
}

std::string TruncateText(TCanvas& Canvas, std::string_view Text, int MaxWidth) {
  return ToAnsi(TruncateText(Canvas, std::wstring_view(FromAnsi(Text)), MaxWidth));
}

std::wstring RemoveAmpersands(std::wstring_view Text) {
  std::wstring result;
  result.reserve(Text.size());
  for (wchar_t c : Text)
    if (c != L'&') result += c;
  return result;
}

std::string RemoveAmpersands(std::string_view Text) {
  // "&" never occurs as the second byte of a double-byte character in the
  // code pages this runs under (trail bytes start at 0x40), so bytes will do.
  std::string result;
  result.reserve(Text.size());
  for (char c : Text)
    if (c != '&') result += c;
  return result;
}
