// TCustomGrid's drawing: each visible cell that meets the clip box with the
// lines after it, the area past the last cell, the focus rectangle.
#include "framework/grids/CustomGrid.h"
#include "graphics/GdiObjects.h"

namespace {

// Lines between headings are dark, lines between data cells light.
constexpr TColor kFixedLineColor = clBlack;
constexpr TColor kLineColor = clSilver;

bool Meets(const TAxisSpan& span, int lineWidth, LONG clipStart, LONG clipEnd) {
  return span.End + lineWidth > clipStart && span.Start < clipEnd;
}

}  // namespace

void TCustomGrid::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  const RECT clip = canvas.ClipRect();
  const RECT client = ClientRect();
  // Cell spans along each axis, collected once.
  std::vector<std::pair<int, TAxisSpan>> cols, rows;
  cols_.ForEachVisible(client.right, [&](int i, const TAxisSpan& s) { cols.emplace_back(i, s); });
  rows_.ForEachVisible(client.bottom, [&](int i, const TAxisSpan& s) { rows.emplace_back(i, s); });
  for (const auto& [row, y] : rows) {
    if (!Meets(y, rows_.LineWidth(), clip.top, clip.bottom)) continue;
    for (const auto& [col, x] : cols) {
      if (!Meets(x, cols_.LineWidth(), clip.left, clip.right)) continue;
      PaintCell(col, row, x, y);
      PaintLines(col, row, x, y);
    }
  }
  // Past the last column and below the last row: the grid's colour.
  const int right = cols.empty() ? 0 : cols.back().second.End + cols_.LineWidth();
  const int bottom = rows.empty() ? 0 : rows.back().second.End + rows_.LineWidth();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(Color());
  if (right < client.right) canvas.FillRect({right, 0, client.right, client.bottom});
  if (bottom < client.bottom) canvas.FillRect({0, bottom, right, client.bottom});
  PaintFocus();
}

TGridDrawState TCustomGrid::DrawStateOf(int col, int row) const {
  if (col < FixedCols() || row < FixedRows()) return gdFixed;
  TGridDrawState state = 0;
  const bool current = col == current_.X && row == current_.Y;
  if (current && Focused()) state |= gdFocused;
  if (Selection().Contains(col, row) && (!current || (options_ & (goDrawFocusSelected | goRowSelect))))
    state |= gdSelected;
  return state;
}

void TCustomGrid::PaintCell(int col, int row, const TAxisSpan& x, const TAxisSpan& y) {
  TCanvas& canvas = Canvas();
  const RECT rect{x.Start, y.Start, x.End, y.End};
  const TGridDrawState state = DrawStateOf(col, row);
  const bool fixed = state & gdFixed;
  const bool selected = state & gdSelected;
  // The canvas as DrawCell finds it: the cell's background in the brush,
  // the grid's font in the text colour that goes on it.
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(fixed ? fixedColor_ : selected ? clHighlight : Color());
  canvas.Font().SetColor(selected ? clHighlightText : Font().Color());
  canvas.Pen().SetColor(Font().Color());
  if (defaultDrawing_) canvas.FillRect(rect);
  DrawCell(col, row, rect, state);
  if (defaultDrawing_ && fixed && (options_ & (goFixedVertLine | goFixedHorzLine))) {
    RECT edge = rect;
    ::DrawEdge(canvas.Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
  }
}

void TCustomGrid::PaintLines(int col, int row, const TAxisSpan& x, const TAxisSpan& y) {
  const int vw = cols_.LineWidth(), hw = rows_.LineWidth();
  if (vw == 0 && hw == 0) return;
  TCanvas& canvas = Canvas();
  const bool fixed = col < FixedCols() || row < FixedRows();
  const TGridOptions vertical = fixed ? goFixedVertLine : goVertLine;
  const TGridOptions horizontal = fixed ? goFixedHorzLine : goHorzLine;
  const TColor line = fixed ? kFixedLineColor : kLineColor;
  const TColor face = fixed ? fixedColor_ : Color();
  canvas.Brush().SetStyle(bsSolid);
  // The vertical line runs down to the corner it shares with the
  // horizontal one, which takes the corner when it is shown.
  if (vw > 0) {
    canvas.Brush().SetColor(options_ & vertical ? line : face);
    canvas.FillRect({x.End, y.Start, x.End + vw, y.End + hw});
  }
  if (hw > 0) {
    const bool shown = options_ & horizontal;
    canvas.Brush().SetColor(shown ? line : face);
    canvas.FillRect({x.Start, y.End, x.End + (shown ? vw : 0), y.End + hw});
  }
}

void TCustomGrid::PaintFocus() {
  if (!defaultDrawing_ || !Focused()) return;
  RECT r = CellRect(current_.X, current_.Y);
  if (options_ & goRowSelect) {
    // Across the visible data cells of the row.
    const RECT client = ClientRect();
    const auto first = cols_.Span(LeftCol());
    const auto last = cols_.Span(cols_.LastVisible(client.right));
    if (!first || !last || IsRectEmpty(&r)) return;
    r.left = first->Start;
    r.right = last->End;
  }
  if (!IsRectEmpty(&r)) Canvas().DrawFocusRect(r);
}

void TCustomGrid::DrawCell(int col, int row, const RECT& rect, TGridDrawState state) {
  if (OnDrawCell) OnDrawCell(*this, col, row, rect, state);
}
