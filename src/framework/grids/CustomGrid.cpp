// TCustomGrid: shape, view, selection, scroll bars and the in-place editor.
// The message table is in CustomGridMessages.cpp, drawing in
// CustomGridPaint.cpp.
#include "framework/grids/CustomGrid.h"

#include <algorithm>

#include "framework/grids/InplaceEdit.h"
#include "AnsiText.h"

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ |= csOpaque;
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 320, 120);
  LinesChanged();
}

// ---- Shape -----------------------------------------------------------------

void TCustomGrid::SetColCount(int count) {
  count = std::max(count, 1);
  if (count == ColCount()) return;
  const int oldCols = ColCount();
  if (FixedCols() >= count) cols_.SetFixedCount(count - 1);
  cols_.SetCount(count);
  SizeChanged(oldCols, RowCount());
  ShapeChanged();
}

void TCustomGrid::SetRowCount(int count) {
  count = std::max(count, 1);
  if (count == RowCount()) return;
  const int oldRows = RowCount();
  if (FixedRows() >= count) rows_.SetFixedCount(count - 1);
  rows_.SetCount(count);
  SizeChanged(ColCount(), oldRows);
  ShapeChanged();
}

void TCustomGrid::SetFixedCols(int count) {
  if (count < 0 || count >= ColCount())
    throw EInvalidGridOperation("Fixed column count must be less than column count");
  if (count == FixedCols()) return;
  cols_.SetFixedCount(count);
  cols_.SetFirst(count);
  ShapeChanged();
}

void TCustomGrid::SetFixedRows(int count) {
  if (count < 0 || count >= RowCount())
    throw EInvalidGridOperation("Fixed row count must be less than row count");
  if (count == FixedRows()) return;
  rows_.SetFixedCount(count);
  rows_.SetFirst(count);
  ShapeChanged();
}

void TCustomGrid::SetDefaultColWidth(int width) {
  cols_.SetDefaultExtent(width);
  ShapeChanged();
}

void TCustomGrid::SetDefaultRowHeight(int height) {
  rows_.SetDefaultExtent(height);
  ShapeChanged();
}

void TCustomGrid::SetColWidths(int col, int width) {
  if (col < 0 || col >= ColCount() || std::max(width, 0) == ColWidths(col)) return;
  cols_.SetExtent(col, width);
  ShapeChanged();
}

void TCustomGrid::SetRowHeights(int row, int height) {
  if (row < 0 || row >= RowCount() || std::max(height, 0) == RowHeights(row)) return;
  rows_.SetExtent(row, height);
  ShapeChanged();
}

void TCustomGrid::SetGridLineWidth(int width) {
  width = std::max(width, 0);
  if (width == gridLineWidth_) return;
  gridLineWidth_ = width;
  LinesChanged();
}

void TCustomGrid::LinesChanged() {
  cols_.SetLineWidth(options_ & (goVertLine | goFixedVertLine) ? gridLineWidth_ : 0);
  rows_.SetLineWidth(options_ & (goHorzLine | goFixedHorzLine) ? gridLineWidth_ : 0);
  ShapeChanged();
}

void TCustomGrid::ShapeChanged() {
  auto clamp = [](int v, int lo, int hi) { return std::clamp(v, lo, std::max(lo, hi)); };
  current_ = {clamp(current_.X, FixedCols(), ColCount() - 1), clamp(current_.Y, FixedRows(), RowCount() - 1)};
  anchor_ = {clamp(anchor_.X, FixedCols(), ColCount() - 1), clamp(anchor_.Y, FixedRows(), RowCount() - 1)};
  if (editorMode_ && editCell_ != current_) HideEditor(false);
  UpdateScrollBars();
  PlaceEditor();
  Invalidate();
}

void TCustomGrid::SizeChanged(int /*oldColCount*/, int /*oldRowCount*/) {}

void TCustomGrid::MoveColumn(int fromIndex, int toIndex) {
  if (fromIndex == toIndex || fromIndex < 0 || toIndex < 0 || fromIndex >= ColCount() || toIndex >= ColCount())
    return;
  HideEditor(true);
  cols_.Move(fromIndex, toIndex);
  current_.X = MovedIndex(current_.X, fromIndex, toIndex);
  anchor_.X = MovedIndex(anchor_.X, fromIndex, toIndex);
  ColumnMoved(fromIndex, toIndex);
  ShapeChanged();
}

void TCustomGrid::MoveRow(int fromIndex, int toIndex) {
  if (fromIndex == toIndex || fromIndex < 0 || toIndex < 0 || fromIndex >= RowCount() || toIndex >= RowCount())
    return;
  HideEditor(true);
  rows_.Move(fromIndex, toIndex);
  current_.Y = MovedIndex(current_.Y, fromIndex, toIndex);
  anchor_.Y = MovedIndex(anchor_.Y, fromIndex, toIndex);
  RowMoved(fromIndex, toIndex);
  ShapeChanged();
}

int TCustomGrid::MovedIndex(int index, int from, int to) noexcept {
  if (index == from) return to;
  if (from < to && index > from && index <= to) return index - 1;
  if (to < from && index >= to && index < from) return index + 1;
  return index;
}

void TCustomGrid::ColumnMoved(int fromIndex, int toIndex) {
  if (OnColumnMoved) OnColumnMoved(*this, fromIndex, toIndex);
}

void TCustomGrid::RowMoved(int fromIndex, int toIndex) {
  if (OnRowMoved) OnRowMoved(*this, fromIndex, toIndex);
}

// ---- Look and behaviour ----------------------------------------------------

void TCustomGrid::SetFixedColor(TColor color) {
  if (color == fixedColor_) return;
  fixedColor_ = color;
  Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions options) {
  if (options == options_) return;
  const TGridOptions changed = options ^ options_;
  options_ = options;
  if (!(options_ & goRangeSelect)) anchor_ = current_;
  if (editorMode_ && !CanEditShow()) HideEditor(true);
  if (changed & (goVertLine | goFixedVertLine | goHorzLine | goFixedHorzLine))
    LinesChanged();
  else
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle scrollBars) {
  if (scrollBars == scrollBars_) return;
  scrollBars_ = scrollBars;
  if (!HandleAllocated()) return;
  // Bars that are no longer wanted go; SetScrollInfo brings back the others.
  if (!(scrollBars_ & ssHorizontal)) ::ShowScrollBar(Handle(), SB_HORZ, FALSE);
  if (!(scrollBars_ & ssVertical)) ::ShowScrollBar(Handle(), SB_VERT, FALSE);
  UpdateScrollBars();
}

void TCustomGrid::SetBorderStyle(TBorderStyle style) {
  if (style != bsNone) style = bsSingle;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
  Perform(CM_BORDERCHANGED);
}

void TCustomGrid::SetDefaultDrawing(bool defaultDrawing) {
  if (defaultDrawing == defaultDrawing_) return;
  defaultDrawing_ = defaultDrawing;
  Invalidate();
}

// ---- Geometry --------------------------------------------------------------

RECT TCustomGrid::CellRect(int col, int row) const {
  const auto x = cols_.Span(col);
  const auto y = rows_.Span(row);
  if (!x || !y) return {};
  const RECT client = ClientRect();
  if (x->Start >= client.right || y->Start >= client.bottom) return {};
  return {x->Start, y->Start, x->End, y->End};
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) const {
  const RECT client = ClientRect();
  const int col = cols_.IndexAt(x, client.right);
  const int row = rows_.IndexAt(y, client.bottom);
  if (col < 0 || row < 0) return {};
  return {col, row};
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
  const TGridCoord cell = MouseCoord(x, y);
  col = cell.X;
  row = cell.Y;
}

// ---- Selection -------------------------------------------------------------

TGridRect TCustomGrid::Selection() const noexcept {
  TGridRect r{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y),
              std::max(anchor_.X, current_.X), std::max(anchor_.Y, current_.Y)};
  if (options_ & goRowSelect) {
    r.Left = FixedCols();
    r.Right = ColCount() - 1;
  }
  return r;
}

void TCustomGrid::SetSelection(const TGridRect& selection) {
  anchor_ = {selection.Left, selection.Top};
  current_ = {selection.Right, selection.Bottom};
  if (!(options_ & goRangeSelect)) anchor_ = current_;
  ShapeChanged();  // clamps both corners and repaints
}

void TCustomGrid::MoveCurrent(int col, int row, bool moveAnchor) {
  col = std::clamp(col, FixedCols(), ColCount() - 1);
  row = std::clamp(row, FixedRows(), RowCount() - 1);
  const TGridCoord target{col, row};
  if (target != current_ && !SelectCell(col, row)) return;
  if (editorMode_ && target != editCell_) HideEditor(true);
  const TGridRect before = Selection();
  const TGridCoord oldCurrent = current_;
  current_ = target;
  if (moveAnchor || !(options_ & goRangeSelect)) anchor_ = target;
  if (Selection() != before || oldCurrent != current_) {
    InvalidateSelection(before);
    InvalidateSelection(Selection());
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    InvalidateCell(col, row);
  }
  ScrollInView(col, row);
}

bool TCustomGrid::SelectCell(int col, int row) {
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(*this, col, row, canSelect);
  return canSelect;
}

void TCustomGrid::InvalidateCell(int col, int row) {
  InvalidateRange({col, row, col, row});
}

void TCustomGrid::InvalidateSelection(const TGridRect& selection) { InvalidateRange(selection); }

void TCustomGrid::InvalidateRange(const TGridRect& range) {
  if (!HandleAllocated()) return;
  const RECT client = ClientRect();
  // The visible items of [from, to] along one axis, lines included.
  auto extent = [](const TGridAxis& axis, int from, int to, int clientEnd, LONG& start, LONG& end) {
    const int fixed = axis.FixedCount();
    const int first = from < fixed ? from : std::max(from, axis.First());
    const int last = to >= axis.First() ? std::min(to, axis.LastVisible(clientEnd)) : std::min(to, fixed - 1);
    const auto a = axis.Span(first);
    const auto b = axis.Span(last);
    if (first > last || !a || !b) return false;
    start = a->Start;
    end = b->End + axis.LineWidth();
    return true;
  };
  RECT r{};
  if (!extent(cols_, range.Left, range.Right, client.right, r.left, r.right) ||
      !extent(rows_, range.Top, range.Bottom, client.bottom, r.top, r.bottom))
    return;
  InvalidateArea(r, false);
}

// ---- View ------------------------------------------------------------------

void TCustomGrid::ScrollInView(int col, int row) {
  const RECT client = ClientRect();
  const int left = options_ & goRowSelect ? LeftCol() : cols_.FirstShowing(col, client.right);
  ScrollTo(left, rows_.FirstShowing(row, client.bottom));
}

void TCustomGrid::ScrollBy(int cols, int rows) { ScrollTo(LeftCol() + cols, TopRow() + rows); }

void TCustomGrid::ScrollTo(int leftCol, int topRow) {
  const RECT client = ClientRect();
  leftCol = std::clamp(leftCol, FixedCols(), cols_.MaxFirst(client.right));
  topRow = std::clamp(topRow, FixedRows(), rows_.MaxFirst(client.bottom));
  const int oldLeft = LeftCol(), oldTop = TopRow();
  if (leftCol == oldLeft && topRow == oldTop) return;
  const int dx = cols_.Distance(leftCol, oldLeft);
  const int dy = rows_.Distance(topRow, oldTop);
  cols_.SetFirst(leftCol);
  rows_.SetFirst(topRow);
  if (HandleAllocated()) {
    // Move the pixels that stay visible and paint only what comes into view,
    // unless that is most of the view anyway, the editor lies over it, a
    // row-wide focus rectangle would be cut, or a repaint is pending.
    RECT area = client;
    if (dy) area.top = rows_.FixedEnd();
    if (dx) area.left = cols_.FixedEnd();
    RECT pending{};
    const bool shift = !(dx && dy) && !editorMode_ && !(dx && (options_ & goRowSelect)) &&
                       std::abs(dx) < area.right - area.left && std::abs(dy) < area.bottom - area.top &&
                       !::GetUpdateRect(Handle(), &pending, FALSE);
    if (shift)
      ::ScrollWindowEx(Handle(), dx, dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
    else
      Invalidate();
    UpdateScrollBars();
  }
  PlaceEditor();
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {
  if (OnTopLeftChanged) OnTopLeftChanged(*this);
}

void TCustomGrid::UpdateScrollBars() {
  if (!HandleAllocated() || updatingScrollBars_) return;
  updatingScrollBars_ = true;
  // A bar that comes or goes changes the client area, which may bring or
  // take the other bar: settle in a few rounds.
  for (int round = 0; round < 3; ++round) {
    const RECT before = ClientRect();
    const int left = std::clamp(LeftCol(), FixedCols(), cols_.MaxFirst(before.right));
    const int top = std::clamp(TopRow(), FixedRows(), rows_.MaxFirst(before.bottom));
    if (left != LeftCol() || top != TopRow()) {
      cols_.SetFirst(left);
      rows_.SetFirst(top);
      Invalidate();
      PlaceEditor();
      TopLeftChanged();
    }
    if (scrollBars_ & ssHorizontal) UpdateScrollBar(SB_HORZ, cols_, before.right);
    if (scrollBars_ & ssVertical) UpdateScrollBar(SB_VERT, rows_, before.bottom);
    const RECT after = ClientRect();
    if (after.right == before.right && after.bottom == before.bottom) break;
  }
  updatingScrollBars_ = false;
}

void TCustomGrid::UpdateScrollBar(int bar, const TGridAxis& axis, int client) {
  // Positions count scrollable items; the page is the last screenful, so
  // the thumb reaches the end exactly at MaxFirst. A page covering the
  // whole range hides the bar.
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = axis.Count() - axis.FixedCount() - 1;
  si.nPage = static_cast<UINT>(axis.Count() - axis.MaxFirst(client));
  si.nPos = axis.First() - axis.FixedCount();
  // Setting redraws the bar, which costs more than reading it.
  SCROLLINFO now{};
  now.cbSize = sizeof(now);
  now.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  const bool visible = ::GetWindowLongPtrW(Handle(), GWL_STYLE) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL);
  if (visible && ::GetScrollInfo(Handle(), bar, &now) && now.nMin == si.nMin && now.nMax == si.nMax &&
      now.nPage == si.nPage && now.nPos == si.nPos)
    return;
  ::SetScrollInfo(Handle(), bar, &si, TRUE);
}

// ---- Editing ---------------------------------------------------------------

void TCustomGrid::SetEditorMode(bool editing) {
  if (editing)
    ShowEditor(nullptr);
  else
    HideEditor(true);
}

bool TCustomGrid::CanEditShow() {
  return (options_ & (goEditing | goRowSelect)) == goEditing && Enabled();
}

std::string TCustomGrid::GetEditText(int col, int row) {
  std::string value;
  if (OnGetEditText) OnGetEditText(*this, col, row, value);
  return value;
}

void TCustomGrid::SetEditText(int col, int row, const std::string& value) {
  if (OnSetEditText) OnSetEditText(*this, col, row, value);
}

void TCustomGrid::ShowEditor(const std::wstring* replaceWith) {
  if (!CanEditShow()) return;
  if (!editorMode_) {
    ScrollInView(current_.X, current_.Y);
    if (!editor_) {
      editor_ = Create<TInplaceEdit>();
      editor_->SetParent(this);
    }
    editCell_ = current_;
    editOriginal_ = GetEditText(current_.X, current_.Y);
    editor_->SetEditText(FromAnsi(editOriginal_));
    editorMode_ = true;
    PlaceEditor();
    editor_->Show();
  }
  if (replaceWith) editor_->SetEditText(*replaceWith);
  editor_->SetFocus();
  editor_->CaretToEnd();
}

void TCustomGrid::HideEditor(bool store) {
  if (!editorMode_ || !editor_) return;
  // Leave editing first: the focus change below reaches the editor, which
  // must then find nothing left to do.
  editorMode_ = false;
  const TGridCoord cell = editCell_;
  const std::string value = ToAnsi(editor_->EditText());
  if (editor_->Focused() && HandleAllocated()) ::SetFocus(Handle());
  editor_->Hide();
  InvalidateCell(cell.X, cell.Y);
  if (store && value != editOriginal_) SetEditText(cell.X, cell.Y, value);
}

void TCustomGrid::PlaceEditor() {
  if (!editorMode_ || !editor_) return;
  editor_->SetBoundsRect(CellRect(editCell_.X, editCell_.Y));
}

void TCustomGrid::EditorKey(WORD key, TShiftState shift) {
  HideEditor(true);
  KeyDown(key, shift);
}

void TCustomGrid::EditorLostFocus() {
  // A grid going away with its form stores nothing.
  if (!IsDestroying()) HideEditor(true);
}

void TCustomGrid::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == editor_) {
    editor_ = nullptr;
    editorMode_ = false;
  }
}

// ---- TDrawGrid -------------------------------------------------------------

std::vector<TPropInfo> TDrawGrid::PublishedProperties() { return GridProperties(); }
