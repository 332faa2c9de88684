#include "QELSkinUtilsScrollBar.h"

#include <algorithm>
#include <utility>

#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsParts.h"

namespace {

// The scroll bar is laid out along a "length" axis (y for a vertical bar,
// x for a horizontal one) and an "across" axis. Span describes a rectangle
// in those terms and turns it back into a RECT.
struct Span {
  int start, end;    // along
  int across0, across1;
};

RECT ToRect(const Span& s, bool vertical) {
  return vertical ? RECT{s.across0, s.start, s.across1, s.end} : RECT{s.start, s.across0, s.end, s.across1};
}

Span FromRect(const RECT& r, bool vertical) {
  return vertical ? Span{r.top, r.bottom, r.left, r.right} : Span{r.left, r.right, r.top, r.bottom};
}

int Length(const TBitmap& piece, bool vertical) { return vertical ? piece.Height() : piece.Width(); }

// The whole piece stretched into s.
void Stretch(TCanvas& canvas, const TBitmap* piece, const Span& s, bool vertical) {
  if (!piece || s.end <= s.start) return;
  DrawBitmapPart(canvas, ToRect(s, vertical), *piece, RECT{0, 0, piece->Width(), piece->Height()}, false, clNone);
}

// The piece from position `from` along its length to its end, into s.
void StretchFrom(TCanvas& canvas, const TBitmap* piece, int from, const Span& s, bool vertical) {
  if (!piece || s.end <= s.start) return;
  const RECT source = vertical ? RECT{0, from, piece->Width(), piece->Height()}
                               : RECT{from, 0, piece->Width(), piece->Height()};
  DrawBitmapPart(canvas, ToRect(s, vertical), *piece, source, false, clNone);
}

}  // namespace

void DrawSkinScrollBar(TCanvas& Canvas, TqelSkinScrollBtnRes& Res, const RECT& BarRect, const RECT& ThumbRect,
                       bool HasThumb, bool Vertical) {
  const TqelSkinReader* reader = Res.Reader();
  if (!reader || !reader->Loaded()) return;
  auto button = [&](int i) { return Vertical ? Res.GetVertButton(i) : Res.GetHorzButton(i); };
  auto thumb = [&](int i) { return Vertical ? Res.GetVertThumb(i) : Res.GetHorzThumb(i); };

  FillRectColor(Canvas, BarRect, reader->GetColor(SKIN2_SCROLLBARCOLOR));
  const Span bar = FromRect(BarRect, Vertical);
  const int side = bar.across1 - bar.across0;
  Stretch(Canvas, button(1), Span{bar.start, bar.start + side, bar.across0, bar.across1}, Vertical);
  Stretch(Canvas, button(4), Span{bar.end - side, bar.end, bar.across0, bar.across1}, Vertical);
  if (!HasThumb) return;

  const Span t = FromRect(ThumbRect, Vertical);
  const int d = t.end - t.start;
  if (Res.UseWholeBar() && d > 15) {
    if (Vertical) {
      if (TBitmap* whole = Res.WholeBar()) DrawThreePartV(*whole, Canvas, ThumbRect, 0);
    } else if (TBitmap* whole = Res.WholeBarHorz()) {
      DrawThreeFrameBar(*whole, Canvas, ThumbRect, reader->GetColor(SKIN2_TRANSCOLOR), false);
    }
    return;
  }

  const int m = d - 6;
  if (const TBitmap* cap = thumb(1)) {
    const int len = Length(*cap, Vertical);
    Stretch(Canvas, cap, Span{t.start, t.start + len, t.across0, t.across1}, Vertical);
  }
  if (const TBitmap* cap = thumb(5)) {
    const int len = Length(*cap, Vertical);
    const int from = std::max(0, len - d / 2);
    StretchFrom(Canvas, cap, from, Span{t.end - (len - from), t.end, t.across0, t.across1}, Vertical);
  }
  const TBitmap* grip = thumb(3);
  if (!grip) return;
  const int gripLength = Length(*grip, Vertical);
  if (gripLength >= m) {
    Stretch(Canvas, grip, Span{t.start + 3, t.end - 3, t.across0, t.across1}, Vertical);
    return;
  }
  const int e = (m - gripLength) / 2;
  const int gripStart = t.start + 3 + e;
  Stretch(Canvas, grip, Span{gripStart, gripStart + gripLength, t.across0, t.across1}, Vertical);
  Stretch(Canvas, thumb(4), Span{gripStart + gripLength, t.end - 3, t.across0, t.across1}, Vertical);
  Stretch(Canvas, thumb(2), Span{t.start + 3, gripStart, t.across0, t.across1}, Vertical);
}
