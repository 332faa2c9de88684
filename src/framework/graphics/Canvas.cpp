#include "graphics/Canvas.h"

#include <algorithm>
#include <climits>

#include "graphics/Bitmap.h"
#include "graphics/DibSection.h"

namespace {

COLORREF ResolveOr(TColor color, TColor fallback) {
  if (color == clNone || color == clDefault) color = fallback;
  return ColorToRGB(color);
}

int Length(std::wstring_view text) { return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX)); }

// Sets COLORONCOLOR while the DC still has GDI's default BLACKONWHITE
// (which ANDs colour pixels together when shrinking); restores on exit.
class StretchModeScope {
 public:
  explicit StretchModeScope(HDC dc) : dc_(dc), old_(::GetStretchBltMode(dc)) {
    if (old_ == BLACKONWHITE) ::SetStretchBltMode(dc_, COLORONCOLOR);
  }
  ~StretchModeScope() {
    if (old_ == BLACKONWHITE) ::SetStretchBltMode(dc_, old_);
  }
  StretchModeScope(const StretchModeScope&) = delete;
  StretchModeScope& operator=(const StretchModeScope&) = delete;

 private:
  HDC dc_;
  int old_;
};

// Writes the pixels of bitmap's part src, scaled to dest, that differ from
// the bitmap's transparent colour into out, which holds the part area of
// dest (rows outStride pixels apart). Scaling samples the nearest pixel.
void ComposeTransparent(std::uint32_t* out, int outStride, const RECT& area, const RECT& dest, const TBitmap& bitmap,
                        const RECT& src) {
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  const int sw = src.right - src.left, sh = src.bottom - src.top;
  const int aw = area.right - area.left, ah = area.bottom - area.top;
  const int ox = area.left - dest.left, oy = area.top - dest.top;
  const TColor keyColor = bitmap.TransparentColor();
  const bool noKey = keyColor == clNone;
  const std::uint32_t key = noKey ? 0 : ColorToPixel(keyColor) & 0xFFFFFF;
  const std::uint32_t* pixels = bitmap.Bits();
  const int stride = bitmap.Stride();
  for (int y = 0; y < ah; ++y) {
    const int sy = src.top + static_cast<int>((static_cast<long long>(y + oy) * sh) / dh);
    const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(sy) * stride;
    std::uint32_t* line = out + static_cast<std::ptrdiff_t>(y) * outStride;
    if (sw == dw) {
      const std::uint32_t* in = row + src.left + ox;
      for (int x = 0; x < aw; ++x) {
        const std::uint32_t p = in[x] & 0xFFFFFF;
        if (noKey || p != key) line[x] = p;
      }
    } else {
      for (int x = 0; x < aw; ++x) {
        const int sx = src.left + static_cast<int>((static_cast<long long>(x + ox) * sw) / dw);
        const std::uint32_t p = row[sx] & 0xFFFFFF;
        if (noKey || p != key) line[x] = p;
      }
    }
  }
}

}  // namespace

TCanvas::TCanvas() {
  font_.canvasHook_ = [this] {
    if ((selected_ & kFontSelected) && oldFont_) ::SelectObject(dc_, oldFont_);
    selected_ &= ~kFontSelected;
    oldFont_ = nullptr;
  };
  pen_.canvasHook_ = [this] {
    if ((selected_ & kPenSelected) && oldPen_) ::SelectObject(dc_, oldPen_);
    selected_ &= ~kPenSelected;
    oldPen_ = nullptr;
  };
  brush_.canvasHook_ = [this] {
    if ((selected_ & kBrushSelected) && oldBrush_) ::SelectObject(dc_, oldBrush_);
    selected_ &= ~kBrushSelected;
    oldBrush_ = nullptr;
  };
}

TCanvas::TCanvas(HDC dc) : TCanvas() { dc_ = dc; }

TCanvas::~TCanvas() { DeselectAll(); }

HDC TCanvas::Handle() {
  if (!dc_) CreateHandle();
  return dc_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  DeselectAll();
  dc_ = dc;
}

void TCanvas::DeselectAll() noexcept {
  if (dc_) {
    if ((selected_ & kFontSelected) && oldFont_) ::SelectObject(dc_, oldFont_);
    if ((selected_ & kPenSelected) && oldPen_) ::SelectObject(dc_, oldPen_);
    if ((selected_ & kBrushSelected) && oldBrush_) ::SelectObject(dc_, oldBrush_);
  }
  selected_ = 0;
  oldFont_ = oldPen_ = oldBrush_ = nullptr;
}

void TCanvas::Refresh() { DeselectAll(); }

void TCanvas::Require(unsigned what) {
  if (!Handle()) return;
  auto select = [this](unsigned flag, HGDIOBJ object, HGDIOBJ& old) {
    if ((selected_ & flag) || !object) return;
    HGDIOBJ previous = ::SelectObject(dc_, object);
    if (!previous || previous == HGDI_ERROR) return;
    old = previous;
    selected_ |= flag;
  };
  if (what & kFontSelected) select(kFontSelected, font_.Handle(), oldFont_);
  if (what & kPenSelected) select(kPenSelected, pen_.Handle(), oldPen_);
  if (what & kBrushSelected) select(kBrushSelected, brush_.Handle(), oldBrush_);
}

void TCanvas::PrepareText() {
  Require(kFontSelected | kBrushSelected);
  if (!dc_) return;
  ::SetTextColor(dc_, ResolveOr(font_.Color(), clWindowText));
  if (brush_.Style() == bsClear) {
    ::SetBkMode(dc_, TRANSPARENT);
  } else {
    ::SetBkMode(dc_, OPAQUE);
    ::SetBkColor(dc_, ResolveOr(brush_.Color(), clWindow));
  }
}

POINT TCanvas::PenPos() {
  POINT p{};
  if (Handle()) ::GetCurrentPositionEx(dc_, &p);
  return p;
}

TColor TCanvas::Pixel(int x, int y) {
  if (!Handle()) return clNone;
  COLORREF c = ::GetPixel(dc_, x, y);
  return c == CLR_INVALID ? clNone : static_cast<TColor>(c & 0xFFFFFF);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (Handle() && color != clNone) ::SetPixelV(dc_, x, y, ResolveOr(color, clBlack));
}

RECT TCanvas::ClipRect() {
  RECT r{};
  if (Handle()) ::GetClipBox(dc_, &r);
  return r;
}

void TCanvas::FillRect(const RECT& rect) {
  Require(kBrushSelected);
  if (dc_) ::FillRect(dc_, &rect, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
  Require(kBrushSelected);
  if (dc_) ::FrameRect(dc_, &rect, brush_.Handle());
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Require(kPenSelected | kBrushSelected);
  if (dc_) ::Rectangle(dc_, x1, y1, x2, y2);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Require(kPenSelected | kBrushSelected);
  if (dc_) ::Ellipse(dc_, x1, y1, x2, y2);
}

void TCanvas::MoveTo(int x, int y) {
  if (Handle()) ::MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Require(kPenSelected);
  if (dc_) ::LineTo(dc_, x, y);
}

void TCanvas::Polyline(std::span<const POINT> points) {
  Require(kPenSelected);
  if (dc_ && points.size() >= 2) ::Polyline(dc_, points.data(), static_cast<int>(std::min<std::size_t>(points.size(), INT_MAX)));
}

void TCanvas::Polygon(std::span<const POINT> points) {
  Require(kPenSelected | kBrushSelected);
  if (dc_ && points.size() >= 2) ::Polygon(dc_, points.data(), static_cast<int>(std::min<std::size_t>(points.size(), INT_MAX)));
}

void TCanvas::DrawFocusRect(const RECT& rect) {
  if (Handle()) ::DrawFocusRect(dc_, &rect);
}

void TCanvas::TextOut(int x, int y, std::wstring_view text) {
  PrepareText();
  if (dc_) ::ExtTextOutW(dc_, x, y, 0, nullptr, text.data(), Length(text), nullptr);
}

void TCanvas::TextRect(const RECT& rect, int x, int y, std::wstring_view text) {
  PrepareText();
  if (!dc_) return;
  UINT options = ETO_CLIPPED | (brush_.Style() == bsClear ? 0 : ETO_OPAQUE);
  ::ExtTextOutW(dc_, x, y, options, &rect, text.data(), Length(text), nullptr);
}

int TCanvas::TextRect(RECT& rect, std::wstring_view text, UINT format) {
  PrepareText();
  if (!dc_) return 0;
  // DrawTextW would write into the caller's text with DT_MODIFYSTRING.
  format &= ~static_cast<UINT>(DT_MODIFYSTRING);
  return ::DrawTextW(dc_, text.data(), Length(text), &rect, format);
}

SIZE TCanvas::TextExtent(std::wstring_view text) {
  SIZE size{};
  Require(kFontSelected);
  if (dc_ && !::GetTextExtentPoint32W(dc_, text.data(), Length(text), &size)) size = SIZE{};
  return size;
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  Draw(x, y, bitmap, RECT{0, 0, bitmap.Width(), bitmap.Height()});
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap, const RECT& source) {
  // Cut the source to the bitmap and move the target with it.
  RECT src{std::max(source.left, 0L), std::max(source.top, 0L), std::min<LONG>(source.right, bitmap.Width()),
           std::min<LONG>(source.bottom, bitmap.Height())};
  if (src.right <= src.left || src.bottom <= src.top) return;
  int dx = x + (src.left - source.left);
  int dy = y + (src.top - source.top);
  DrawBitmap(RECT{dx, dy, dx + (src.right - src.left), dy + (src.bottom - src.top)}, bitmap, src);
}

void TCanvas::StretchDraw(const RECT& dest, const TBitmap& bitmap) {
  DrawBitmap(dest, bitmap, RECT{0, 0, bitmap.Width(), bitmap.Height()});
}

void TCanvas::StretchDraw(const RECT& dest, const TBitmap& bitmap, const RECT& source) {
  RECT src{std::max(source.left, 0L), std::max(source.top, 0L), std::min<LONG>(source.right, bitmap.Width()),
           std::min<LONG>(source.bottom, bitmap.Height())};
  DrawBitmap(dest, bitmap, src);
}

void TCanvas::DrawBitmap(const RECT& dest, const TBitmap& bitmap, const RECT& src) {
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  const int sw = src.right - src.left, sh = src.bottom - src.top;
  if (bitmap.Empty() || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || !Handle()) return;

  if (!bitmap.Transparent()) {
    BitmapSourceDC source(bitmap);
    if (dw == sw && dh == sh) {
      ::BitBlt(dc_, dest.left, dest.top, dw, dh, source.get(), src.left, src.top, SRCCOPY);
    } else {
      StretchModeScope mode(dc_);
      ::StretchBlt(dc_, dest.left, dest.top, dw, dh, source.get(), src.left, src.top, sw, sh, SRCCOPY);
    }
    return;
  }

  // Transparent: only the part of dest inside the clip box is composed.
  RECT clip{};
  const int clipKind = ::GetClipBox(dc_, &clip);
  RECT area{};
  if (clipKind == ERROR || clipKind == NULLREGION || !::IntersectRect(&area, &dest, &clip)) return;

  // A bitmap canvas with a rectangular clip and plain pixel coordinates:
  // straight into the target's memory.
  TBitmap* surface = SurfaceBitmap();
  if (surface && surface != &bitmap && !surface->Empty() && clipKind == SIMPLEREGION &&
      ::GetMapMode(dc_) == MM_TEXT && ::GetGraphicsMode(dc_) == GM_COMPATIBLE) {
    POINT viewport{}, window{};
    ::GetViewportOrgEx(dc_, &viewport);
    ::GetWindowOrgEx(dc_, &window);
    const int offsetX = viewport.x - window.x, offsetY = viewport.y - window.y;
    RECT device{area.left + offsetX, area.top + offsetY, area.right + offsetX, area.bottom + offsetY};
    const RECT bounds{0, 0, surface->Width(), surface->Height()};
    if (!::IntersectRect(&device, &device, &bounds)) return;
    RECT logical{device.left - offsetX, device.top - offsetY, device.right - offsetX, device.bottom - offsetY};
    ComposeTransparent(surface->ScanLine(device.top) + device.left, surface->Stride(), logical, dest, bitmap, src);
    return;
  }

  // Anything else: the area is read from the DC into scratch memory,
  // composed there and written back, exact whatever the target is.
  const int aw = area.right - area.left, ah = area.bottom - area.top;
  std::uint32_t* scratch = nullptr;
  UniqueBitmap dib = CreateDib32(aw, ah, &scratch);
  UniqueMemoryDC memory = UniqueMemoryDC::Create(dc_);
  if (!dib || !memory) return;
  SelectScope select(memory.get(), dib.get());
  ::BitBlt(memory.get(), 0, 0, aw, ah, dc_, area.left, area.top, SRCCOPY);
  ::GdiFlush();
  ComposeTransparent(scratch, aw, area, dest, bitmap, src);
  ::BitBlt(dc_, area.left, area.top, aw, ah, memory.get(), 0, 0, SRCCOPY);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& canvas, const RECT& source) {
  HDC from = canvas.Handle();
  if (!Handle() || !from) return;
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  const int sw = source.right - source.left, sh = source.bottom - source.top;
  if (dw == sw && dh == sh) {
    ::BitBlt(dc_, dest.left, dest.top, dw, dh, from, source.left, source.top, copyMode_);
  } else {
    StretchModeScope mode(dc_);
    ::StretchBlt(dc_, dest.left, dest.top, dw, dh, from, source.left, source.top, sw, sh, copyMode_);
  }
}
