#include "frame/FramePainter.h"

#include <algorithm>
#include <cstring>

#include "QELSkinUtilsGradient.h"
#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsPlatform.h"
#include "graphics/Canvas.h"

namespace {

using Pixel = std::uint32_t;

bool IsColor(TColor c) noexcept { return c != clNone && c != -1 && c != clDefault; }

// Source (cut to the picture) scaled nearest-pixel into Dest of target,
// both in memory. With a key, pixels of that colour leave target as it was.
void CopyPart(TBitmap& target, RECT dest, const TBitmap& source, RECT src, bool useKey = false, TColor key = clNone) {
  src.left = std::max<LONG>(src.left, 0);
  src.top = std::max<LONG>(src.top, 0);
  src.right = std::min<LONG>(src.right, source.Width());
  src.bottom = std::min<LONG>(src.bottom, source.Height());
  const int sw = src.right - src.left, sh = src.bottom - src.top;
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0 || target.Empty()) return;
  const bool keyed = useKey && IsColor(key);
  const Pixel k = keyed ? (ColorToPixel(key) & 0xFFFFFF) : 0;
  const int x0 = std::max<int>(dest.left, 0), x1 = std::min<int>(dest.right, target.Width());
  const int y0 = std::max<int>(dest.top, 0), y1 = std::min<int>(dest.bottom, target.Height());
  for (int y = y0; y < y1; ++y) {
    const Pixel* in = source.ScanLine(src.top + static_cast<int>(static_cast<long long>(y - dest.top) * sh / dh));
    Pixel* out = target.ScanLine(y);
    if (!keyed && sw == dw) {
      std::memcpy(out + x0, in + src.left + (x0 - dest.left), static_cast<std::size_t>(x1 - x0) * sizeof(Pixel));
      continue;
    }
    for (int x = x0; x < x1; ++x) {
      const Pixel p = in[src.left + static_cast<int>(static_cast<long long>(x - dest.left) * sw / dw)];
      if (!keyed || (p & 0xFFFFFF) != k) out[x] = p;
    }
  }
}

void FillPart(TBitmap& target, const RECT& r, TColor color) {
  if (!IsColor(color)) return;
  const Pixel p = ColorToPixel(color);
  const int x0 = std::max<int>(r.left, 0), x1 = std::min<int>(r.right, target.Width());
  const int y0 = std::max<int>(r.top, 0), y1 = std::min<int>(r.bottom, target.Height());
  for (int y = y0; y < y1; ++y) std::fill(target.ScanLine(y) + x0, target.ScanLine(y) + std::max(x0, x1), p);
}

RECT Whole(const TBitmap& b) { return RECT{0, 0, b.Width(), b.Height()}; }

// A size change only when the size really changes: the DIB section and its
// canvas live between paints.
void Resize(TBitmap& b, int width, int height) {
  if (b.Width() != width || b.Height() != height) b.SetSize(width, height);
}

void Blit(HDC target, int x, int y, TBitmap& source) {
  if (source.Empty()) return;
  ::BitBlt(target, x, y, source.Width(), source.Height(), source.Canvas().Handle(), 0, 0, SRCCOPY);
}

}  // namespace

TFramePainter::TFramePainter() { RefreshFont(); }

void TFramePainter::RefreshFont() { SetCaptionFont(font_); }

std::wstring TFramePainter::FitCaption(const std::wstring& caption, int width) {
  if (caption.empty()) return caption;
  if (title_.Empty()) Resize(title_, 1, 1);
  TCanvas& canvas = title_.Canvas();
  canvas.Font().Assign(font_);
  return TruncateText(canvas, caption, width);
}

TFramePaintResult TFramePainter::Paint(HDC target, const TFrameGeometry& geometry, const TFrameSkin& skin,
                                       const TFramePaintState& state) {
  const TFramePaintResult result = Compose(geometry, skin, state);
  Present(target, geometry, skin);
  return result;
}

TFramePaintResult TFramePainter::Compose(const TFrameGeometry& g, const TFrameSkin& skin,
                                         const TFramePaintState& state) {
  TFramePaintResult result;
  titleComposed_ = g.TitleBitmapHeight() > 0 && g.Window().Width > 0;
  if (titleComposed_) ComposeTitle(g, skin, state, result);
  bottomComposed_ = g.Window().BorderVisible && !g.Window().Iconic && skin.Bottom[0] && g.Window().Width > 0;
  if (bottomComposed_) ComposeBottom(g, skin);
  return result;
}

void TFramePainter::ComposeTitle(const TFrameGeometry& g, const TFrameSkin& skin, const TFramePaintState& state,
                                 TFramePaintResult& result) {
  const TFrameWindow& w = g.Window();
  const int height = g.TitleBitmapHeight();
  Resize(title_, w.Width, height);
  const int th = g.TitleHeight();
  FillPart(title_, RECT{0, 0, w.Width, std::min(th, height)}, skin.FormColor);
  if (height > th)
    FillPart(title_, RECT{0, th, w.Width, height}, w.MenuBarHeight > 0 ? skin.MenuBarStartColor : skin.FormColor);

  const std::wstring text = FitCaption(state.Caption, g.CaptionMaxWidth());
  const int textWidth = text.empty() ? 0 : title_.Canvas().TextWidth(text);
  int lastHeight = height;
  for (const TTitlePiece& piece : g.TitlePieces(textWidth)) {
    const TBitmap* picture = skin.Piece(piece.Key);
    if (!picture || picture->Empty() || piece.Right <= piece.Left) continue;
    const int sourceRight = piece.SourceRight < 0 ? picture->Width() : piece.SourceRight;
    const int bottom = piece.FillHeight ? height : picture->Height();
    CopyPart(title_, RECT{piece.Left, 0, piece.Right, bottom}, *picture,
             RECT{piece.SourceLeft, 0, sourceRight, picture->Height()});
    lastHeight = bottom;
  }
  if (lastHeight < height) {
    const bool framed = w.BorderVisible && !w.Iconic;
    FillPart(title_,
             framed ? RECT{g.Metrics().LeftBorder, lastHeight + g.ExtraTop(), w.Width - g.Metrics().RightBorder, height}
                    : RECT{0, lastHeight, w.Width, height},
             skin.FormColor);
  }

  const RECT icon = g.IconRect();
  if (state.Icon && icon.right > icon.left)
    ::DrawIconEx(title_.Canvas().Handle(), icon.left, icon.top, state.Icon, icon.right - icon.left,
                 icon.bottom - icon.top, 0, nullptr, DI_NORMAL);
  DrawButtons(g, skin, state, result);
  if (result.Hot == tbNone && g.ButtonAt(state.Cursor) == tbIcon) result.Hot = tbIcon;
  DrawCaption(g, skin, state, text);
}

void TFramePainter::DrawButtons(const TFrameGeometry& g, const TFrameSkin& skin, const TFramePaintState& state,
                                TFramePaintResult& result) {
  const int bw = g.Metrics().ButtonWidth;
  for (const TFrameButton& b : g.Buttons()) {
    const bool over = state.Cursor.x >= b.Rect.left && state.Cursor.x < b.Rect.right &&
                      state.Cursor.y >= b.Rect.top && state.Cursor.y < b.Rect.bottom;
    if (over) result.Hot = b.Kind;
    const int frame = b.Frame + (over ? (state.ButtonDown ? 2 : 1) : 0);
    if (skin.TitleButtons)
      CopyPart(title_, b.Rect, *skin.TitleButtons, RECT{(frame - 1) * bw, 0, frame * bw, skin.TitleButtons->Height()},
               skin.TitleButtonsTransparent, skin.TransparentColor);
    switch (b.Kind) {
      case tbClose: result.CloseShown = true; break;
      case tbMaximize: result.MaxShown = true; break;
      case tbMinimize: result.MinShown = true; break;
      case tbHelp: result.HelpShown = true; break;
      default: break;
    }
  }
}

void TFramePainter::DrawCaption(const TFrameGeometry& g, const TFrameSkin& skin, const TFramePaintState& state,
                                const std::wstring& text) {
  if (text.empty()) return;
  TCanvas& canvas = title_.Canvas();
  canvas.Font().Assign(font_);
  canvas.Font().SetColor(state.Active ? skin.TitleFontColor : skin.InactiveTitleFontColor);
  canvas.Brush().SetStyle(bsClear);
  const POINT at = g.CaptionTextOrigin();
  RECT r{at.x, at.y, 2048, 100};
  canvas.TextRect(r, text, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
  canvas.Brush().SetStyle(bsSolid);
}

void TFramePainter::ComposeBottom(const TFrameGeometry& g, const TFrameSkin& skin) {
  const int width = g.Window().Width;
  const TBitmap& first = *skin.Bottom[0];
  Resize(bottom_, width, first.Height());
  FillPart(bottom_, Whole(bottom_), skin.FormColor);
  const TBitmap* middle = skin.Bottom[1];
  const TBitmap* last = skin.Bottom[2];
  if (skin.BottomThreeSections && middle && last) {
    CopyPart(bottom_, RECT{0, 0, first.Width(), first.Height()}, first, Whole(first));
    CopyPart(bottom_, RECT{first.Width(), 0, width - last->Width(), first.Height()}, *middle, Whole(*middle));
    CopyPart(bottom_, RECT{width - last->Width(), 0, width, first.Height()}, *last, Whole(*last));
  } else {
    CopyPart(bottom_, Whole(bottom_), first, Whole(first));
  }
}

TBitmap& TFramePainter::Flattened(TBitmap& composed, TBitmap& back, bool needsRegion, const TFrameSkin& skin) {
  if (!needsRegion || !IsColor(skin.TransparentColor)) return composed;
  Resize(back, composed.Width(), composed.Height());
  FillPart(back, Whole(back), skin.FormColor);
  CopyPart(back, Whole(back), composed, Whole(composed), true, skin.TransparentColor);
  return back;
}

void TFramePainter::Present(HDC target, const TFrameGeometry& g, const TFrameSkin& skin) {
  if (!target) return;
  const TFrameWindow& w = g.Window();
  if (titleComposed_) Blit(target, 0, 0, Flattened(title_, titleBack_, skin.TitleNeedsRegion, skin));
  if (!w.BorderVisible || w.Iconic) return;

  TCanvas canvas(target);
  const int top = w.ZoomedMdiChild ? 0 : g.TitleHeight();
  const int bottomTop = w.Height - g.Metrics().BottomBorder;
  if (skin.LeftBorder && bottomTop > top)
    canvas.StretchDraw(RECT{0, top, skin.LeftBorder->Width(), bottomTop}, *skin.LeftBorder);
  if (skin.RightBorder && bottomTop > top)
    canvas.StretchDraw(RECT{w.Width - skin.RightBorder->Width(), top, w.Width, bottomTop}, *skin.RightBorder);
  canvas.SetHandle(nullptr);
  if (bottomComposed_) Blit(target, 0, bottomTop, Flattened(bottom_, bottomBack_, skin.BottomNeedsRegion, skin));
  PresentGaps(target, g, skin);
}

void TFramePainter::PresentGaps(HDC target, const TFrameGeometry& g, const TFrameSkin& skin) {
  const TFrameWindow& w = g.Window();
  const TFrameMetrics& m = g.Metrics();
  const int bottomTop = w.Height - m.BottomBorder;
  const int bandTop = g.TitleHeight() + g.ExtraTop();
  const int bandBottom = bandTop + w.MenuBarHeight;
  TCanvas canvas(target);
  // Where the skin's border is narrower than the frame the window needs.
  auto side = [&](int from, int to) {
    if (to <= from) return;
    FillRectColor(canvas, RECT{from, bandBottom, to, bottomTop}, skin.FormColor);
    if (w.MenuBarHeight <= 0) return;
    const RECT band{from, bandTop, to, bandBottom};
    if (skin.MenuBar) canvas.StretchDraw(band, *skin.MenuBar);
    else if (skin.MenuBarStartColor != skin.MenuBarEndColor)
      DrawVerticalGradient(canvas, band, skin.MenuBarStartColor, skin.MenuBarEndColor);
    else FillRectColor(canvas, band, skin.MenuBarStartColor);
    if (w.ToolBarUnderMenu && skin.MenuBarStartColor != skin.FormColor) {
      FillRectColor(canvas, RECT{from, bandBottom - 2, to, bandBottom - 1}, clGray);
      FillRectColor(canvas, RECT{from, bandBottom - 1, to, bandBottom}, clWhite);
    }
  };
  if (m.LeftBorder < w.MinSideFrame) side(m.LeftBorder, w.MinSideFrame);
  if (m.RightBorder < w.MinSideFrame) side(w.Width - w.MinSideFrame, w.Width - m.RightBorder);
  if (m.BottomBorder < w.MinBottomFrame)
    FillRectColor(canvas, RECT{std::max(m.LeftBorder, w.MinSideFrame), w.Height - w.MinBottomFrame,
                               w.Width - std::max(m.RightBorder, w.MinSideFrame), bottomTop},
                  skin.FormColor);
  canvas.SetHandle(nullptr);
}
