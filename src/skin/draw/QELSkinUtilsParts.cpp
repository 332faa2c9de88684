#include "QELSkinUtilsParts.h"

#include <algorithm>

#include "QELSkinUtilsBitmap.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }
bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
RECT Offset(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

void Opaque(TCanvas& canvas, const RECT& dest, const TBitmap& bitmap, const RECT& source) {
  DrawBitmapPart(canvas, dest, bitmap, source, false, clNone);
}

// A nine-grid corner: the source part next to the outer corner, cut to the
// room of its target area, drawn at the outer corner of that area. Returns
// the rectangle drawn, or an empty rectangle at the origin.
struct Corner {
  bool right, bottom;  // which outer corner
};

RECT PlaceCorner(Corner side, const RECT& source, const RECT& area, int& srcLeft, int& srcTop) {
  const int w = std::min(WidthOf(source), WidthOf(area));
  const int h = std::min(HeightOf(source), HeightOf(area));
  if (w <= 0 || h <= 0) return RECT{};
  srcLeft = side.right ? source.right - w : source.left;
  srcTop = side.bottom ? source.bottom - h : source.top;
  const int x = side.right ? area.right - w : area.left;
  const int y = side.bottom ? area.bottom - h : area.top;
  return RECT{x, y, x + w, y + h};
}

}  // namespace

void DrawThreePartV(const TBitmap& Bitmap, TCanvas& Canvas, const RECT& Rect, int CapHeight) {
  if (Rect.left < 0 || Bitmap.Empty() || IsEmpty(Rect)) return;
  const int w = Bitmap.Width(), h = Bitmap.Height();
  const int cap = CapHeight == 0 ? h / 3 : std::clamp(CapHeight, 0, h);
  const int rh = HeightOf(Rect);
  const int top = std::min(rh, cap);
  Opaque(Canvas, RECT{Rect.left, Rect.top, Rect.right, Rect.top + top}, Bitmap, RECT{0, 0, w, top});
  // The bottom cap keeps its lowest rows when Rect is shorter than it.
  Opaque(Canvas, RECT{Rect.left, Rect.bottom - top, Rect.right, Rect.bottom}, Bitmap, RECT{0, h - top, w, h});
  if (rh > 2 * cap && h > 2 * cap)
    Opaque(Canvas, RECT{Rect.left, Rect.top + cap, Rect.right, Rect.bottom - cap}, Bitmap, RECT{0, cap, w, h - cap});
}

void DrawThreePartH(const TBitmap& Bitmap, TCanvas& Canvas, const RECT& Rect, int CapWidth) {
  if (Rect.left < 0 || Bitmap.Empty() || IsEmpty(Rect)) return;
  const int w = Bitmap.Width(), h = Bitmap.Height();
  const int cap = CapWidth == 0 ? w / 3 : std::clamp(CapWidth, 0, w);
  const int rw = WidthOf(Rect);
  const int left = std::min(rw, cap);
  Opaque(Canvas, RECT{Rect.left, Rect.top, Rect.left + left, Rect.bottom}, Bitmap, RECT{0, 0, left, h});
  Opaque(Canvas, RECT{Rect.right - left, Rect.top, Rect.right, Rect.bottom}, Bitmap, RECT{w - left, 0, w, h});
  if (rw > 2 * cap && w > 2 * cap)
    Opaque(Canvas, RECT{Rect.left + cap, Rect.top, Rect.right - cap, Rect.bottom}, Bitmap, RECT{cap, 0, w - cap, h});
}

void DrawThreeFrameBar(const TBitmap& Bitmap, TCanvas& Canvas, const RECT& Rect, TColor TransparentColor,
                       bool Transparent) {
  if (Bitmap.Empty() || IsEmpty(Rect)) return;
  const int frame = Bitmap.Width() / 3, h = Bitmap.Height();
  if (frame <= 0) return;
  const int rw = WidthOf(Rect);
  if (rw < frame) {
    DrawBitmapPart(Canvas, RECT{Rect.left, Rect.top, Rect.left + rw, Rect.top + h}, Bitmap, RECT{0, 0, rw, h},
                   Transparent, TransparentColor);
    return;
  }
  DrawBitmapPart(Canvas, RECT{Rect.left, Rect.top, Rect.left + frame, Rect.top + h}, Bitmap, RECT{0, 0, frame, h},
                 Transparent, TransparentColor);
  DrawBitmapPart(Canvas, RECT{Rect.right - frame, Rect.top, Rect.right, Rect.top + h}, Bitmap,
                 RECT{2 * frame, 0, 3 * frame, h}, Transparent, TransparentColor);
  if (rw > 2 * frame)
    DrawBitmapPart(Canvas, RECT{Rect.left + frame, Rect.top, Rect.right - frame, Rect.top + h}, Bitmap,
                   RECT{frame, 0, 2 * frame, h}, Transparent, TransparentColor);
}

void DrawNineGrid(const TBitmap& Bitmap, TCanvas& Canvas, const RECT& Rect, TColor TransparentColor,
                  bool Transparent) {
  const int W = Bitmap.Width(), H = Bitmap.Height();
  const int w = WidthOf(Rect), h = HeightOf(Rect);
  if (Bitmap.Empty() || w <= 0 || h <= 0) return;
  const int hw = W / 2, hh = H / 2, tw = w / 2, th = h / 2;
  // Everything below is laid out from (0, 0) and moved to Rect's corner
  // when drawn.
  const int ox = Rect.left, oy = Rect.top;

  auto corner = [&](Corner side, const RECT& source, const RECT& area) {
    int sx = 0, sy = 0;
    const RECT drawn = PlaceCorner(side, source, area, sx, sy);
    if (!IsEmpty(drawn))
      DrawBitmapPart(Canvas, Offset(drawn, ox, oy), Bitmap,
                     RECT{sx, sy, sx + WidthOf(drawn), sy + HeightOf(drawn)}, Transparent, TransparentColor);
    return drawn;
  };
  // An edge or the centre: the source strip, cut to the target's size from
  // the side given (right/bottom anchored or not) where the target is
  // smaller, stretched into the target, the transparent colour keyed out.
  auto strip = [&](RECT source, const RECT& target, bool right, bool bottom) {
    if (IsEmpty(target) || IsEmpty(source)) return;
    if (WidthOf(source) > WidthOf(target)) {
      if (right) source.left = source.right - WidthOf(target);
      else source.right = source.left + WidthOf(target);
    }
    if (HeightOf(source) > HeightOf(target)) {
      if (bottom) source.top = source.bottom - HeightOf(target);
      else source.bottom = source.top + HeightOf(target);
    }
    DrawBitmapPart(Canvas, Offset(target, ox, oy), Bitmap, source, true, TransparentColor);
  };
  // The middle rows of the source (for the left edge and the centre); an
  // even height leaves none, and the row the right edge uses stands in.
  auto middleRows = [&](int left, int right) {
    return H - hh > hh ? RECT{left, hh, right, H - hh} : RECT{left, hh, right, hh + 1};
  };

  const RECT TL = corner({false, false}, RECT{0, 0, hw, hh}, RECT{0, 0, tw, th});
  const RECT BL = corner({false, true}, RECT{0, H - hh + 1, hw, H}, RECT{0, h - th + 1, tw, h});
  strip(middleRows(0, hw), RECT{0, TL.bottom, TL.right, BL.top}, false, false);
  const RECT TR = corner({true, false}, RECT{W - hw + 1, 0, W, hh}, RECT{w - tw + 1, 0, w, th});
  const RECT BR = corner({true, true}, RECT{W - hw + 1, H - hh + 1, W, H}, RECT{w - tw + 1, h - th + 1, w, h});
  strip(RECT{W - hw + 1, hh, W, hh + 1}, RECT{TR.left, TR.bottom, TR.right, BR.top}, true, false);
  strip(RECT{hw, 0, W - hw + 1, hh}, RECT{TL.right, 0, TR.left, TL.bottom}, false, false);
  strip(middleRows(hw, W - hw + 1), RECT{TL.right, TL.bottom, TR.left, BR.top - 1}, false, false);
  strip(RECT{hw, H - hh, W - hw + 1, H}, RECT{TL.right - 1, BL.top - 1, BR.left, BR.bottom}, false, true);
}
