// TCustomGrid's message table, keyboard and mouse, and its published
// property entries.
#include <algorithm>

#include "framework/grids/CustomGrid.h"
#include "framework/grids/InplaceEdit.h"

namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollMs = 60;
// How close to a line the pointer must be to drag it (goColSizing).
constexpr int kSizingSlack = 2;

}  // namespace

void TCustomGrid::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;  // the in-place editor
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBars();
}

void TCustomGrid::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_VSCROLL: WMScroll(m, true); break;
    case WM_HSCROLL: WMScroll(m, false); break;
    case WM_MOUSEWHEEL: WMMouseWheel(m, false); break;
    case WM_MOUSEHWHEEL: WMMouseWheel(m, true); break;
    case WM_SIZE: WMSize(m); break;
    case WM_SETCURSOR: WMSetCursor(m); break;
    case WM_GETDLGCODE: WMGetDlgCode(m); break;
    case WM_TIMER: WMTimer(m); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: WMFocusChanged(m); break;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED: WMCancelMode(m); break;
    case WM_ERASEBKGND: m.Result = 1; break;  // Paint covers every pixel
    default: TCustomControl::WndProc(m); break;
  }
}

// ---- Scroll bars and the wheel ---------------------------------------------

void TCustomGrid::WMScroll(TMessage& m, bool vertical) {
  const TGridAxis& axis = vertical ? rows_ : cols_;
  const int client = vertical ? ClientHeight() : ClientWidth();
  const int page = std::max(1, axis.FullyVisibleCount(client));
  int first = axis.First();
  switch (LOWORD(m.WParam)) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_TOP: first = axis.FixedCount(); break;
    case SB_BOTTOM: first = axis.Count(); break;
    case SB_THUMBTRACK:
      if (!(options_ & goThumbTracking)) break;
      [[fallthrough]];
    case SB_THUMBPOSITION: {
      // The 32-bit position; the message carries only 16 bits of it.
      SCROLLINFO si{};
      si.cbSize = sizeof(si);
      si.fMask = SIF_TRACKPOS;
      if (::GetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &si)) first = axis.FixedCount() + si.nTrackPos;
      break;
    }
    default: break;
  }
  if (vertical)
    ScrollTo(LeftCol(), first);
  else
    ScrollTo(first, TopRow());
  m.Result = 0;
}

void TCustomGrid::WMMouseWheel(TMessage& m, bool horizontal) {
  // Shift turns the wheel sideways. Fine-grained wheels send parts of a
  // notch; they add up.
  if (GET_KEYSTATE_WPARAM(m.WParam) & MK_SHIFT) horizontal = true;
  int& remainder = horizontal ? hwheelRemainder_ : wheelRemainder_;
  remainder += GET_WHEEL_DELTA_WPARAM(m.WParam);
  const int notches = remainder / WHEEL_DELTA;
  remainder -= notches * WHEEL_DELTA;
  m.Result = 0;
  if (notches == 0) return;
  if (horizontal) {
    // Tilting right (positive) moves the view right; columns one by one.
    const int sign = m.Msg == WM_MOUSEHWHEEL ? 1 : -1;
    ScrollBy(sign * notches, 0);
    return;
  }
  UINT lines = 3;
  ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int step = lines == WHEEL_PAGESCROLL ? std::max(1, VisibleRowCount()) : static_cast<int>(lines);
  ScrollBy(0, -notches * step);  // away from the user (positive) scrolls up
}

void TCustomGrid::WMSize(TMessage& m) {
  TCustomControl::WndProc(m);
  UpdateScrollBars();
  PlaceEditor();
  Invalidate();  // the area past the last cell and a row-wide focus move
}

// ---- Focus, cursor, keys ---------------------------------------------------

void TCustomGrid::WMFocusChanged(TMessage& m) {
  TCustomControl::WndProc(m);
  InvalidateSelection(Selection());
  InvalidateCell(current_.X, current_.Y);
}

void TCustomGrid::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (options_ & goTabs ? DLGC_WANTTAB : 0);
}

void TCustomGrid::WMSetCursor(TMessage& m) {
  if (reinterpret_cast<HWND>(m.WParam) == Handle() && LOWORD(m.LParam) == HTCLIENT &&
      gridState_ == TGridState::Normal) {
    POINT p{};
    ::GetCursorPos(&p);
    ::ScreenToClient(Handle(), &p);
    TGridState sizing = TGridState::Normal;
    int index = -1;
    if (SizingLineAt(p.x, p.y, sizing, index)) {
      ::SetCursor(CursorHandle(sizing == TGridState::ColSizing ? crSizeWE : crSizeNS));
      m.Result = TRUE;
      return;
    }
  }
  TCustomControl::WndProc(m);
}

void TCustomGrid::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (shift & ssAlt) return;
  const bool ctrl = shift & ssCtrl;
  const bool rowSelect = options_ & goRowSelect;
  bool extend = (shift & ssShift) && (options_ & goRangeSelect);
  int col = current_.X, row = current_.Y;
  const int page = std::max(1, VisibleRowCount());
  switch (key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT:
    case VK_RIGHT:
      if (rowSelect) {
        ScrollBy(key == VK_LEFT ? -1 : 1, 0);
        key = 0;
        return;
      }
      col += key == VK_LEFT ? -1 : 1;
      break;
    case VK_PRIOR:
      ScrollBy(0, -page);
      row -= page;
      break;
    case VK_NEXT:
      ScrollBy(0, page);
      row += page;
      break;
    case VK_HOME:
      if (ctrl || rowSelect) row = FixedRows();
      if (ctrl || !rowSelect) col = FixedCols();
      break;
    case VK_END:
      if (ctrl || rowSelect) row = RowCount() - 1;
      if (ctrl || !rowSelect) col = ColCount() - 1;
      break;
    case VK_TAB: {
      if (!(options_ & goTabs) || ctrl) return;
      // On to the next cell, row by row, around at the ends.
      const int step = shift & ssShift ? -1 : 1;
      extend = false;
      if (rowSelect) {
        row += step;
      } else if ((col += step) > ColCount() - 1) {
        col = FixedCols();
        ++row;
      } else if (col < FixedCols()) {
        col = ColCount() - 1;
        --row;
      }
      if (row > RowCount() - 1) row = FixedRows();
      if (row < FixedRows()) row = RowCount() - 1;
      break;
    }
    case VK_F2:
    case VK_RETURN:
      if (!CanEditShow()) return;
      ShowEditor(nullptr);
      key = 0;
      return;
    default: return;
  }
  key = 0;
  MoveCurrent(col, row, !extend);
}

void TCustomGrid::KeyPress(wchar_t& key) {
  TCustomControl::KeyPress(key);
  // A typed character starts editing with that character.
  if (key >= L' ' && key != 0x7F && !editorMode_ && CanEditShow()) {
    const std::wstring typed(1, key);
    ShowEditor(&typed);
    key = 0;
  }
}

// ---- Mouse -----------------------------------------------------------------

bool TCustomGrid::SizingLineAt(int x, int y, TGridState& state, int& index) const {
  const RECT client = ClientRect();
  // The line of a visible item within reach of p, in the fixed band across.
  auto lineAt = [](const TGridAxis& axis, int p, int clientEnd) {
    int found = -1;
    axis.ForEachVisible(clientEnd, [&](int i, const TAxisSpan& span) {
      if (std::abs(p - (span.End + axis.LineWidth() / 2)) <= kSizingSlack) found = i;
    });
    return found;
  };
  if ((options_ & goColSizing) && y >= 0 && y < rows_.FixedEnd()) {
    index = lineAt(cols_, x, client.right);
    state = TGridState::ColSizing;
    if (index >= 0) return true;
  }
  if ((options_ & goRowSizing) && x >= 0 && x < cols_.FixedEnd()) {
    index = lineAt(rows_, y, client.bottom);
    state = TGridState::RowSizing;
    if (index >= 0) return true;
  }
  return false;
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();  // an open editor stores its text here
    TGridState sizing = TGridState::Normal;
    const TGridCoord cell = MouseCoord(x, y);
    if (SizingLineAt(x, y, sizing, sizingIndex_)) {
      gridState_ = sizing;
    } else if (cell.X >= FixedCols() && cell.Y < FixedRows() && cell.Y >= 0 && (options_ & goColMoving)) {
      gridState_ = TGridState::ColMoving;
      sizingIndex_ = cell.X;
    } else if (cell.Y >= FixedRows() && cell.X < FixedCols() && cell.X >= 0 && (options_ & goRowMoving)) {
      gridState_ = TGridState::RowMoving;
      sizingIndex_ = cell.Y;
    } else if (cell.X >= FixedCols() && cell.Y >= FixedRows()) {
      if ((shift & ssDouble) && cell == current_ && CanEditShow()) {
        ShowEditor(nullptr);
      } else {
        MoveCurrent(cell.X, cell.Y, !(shift & ssShift));
        if (options_ & goRangeSelect) gridState_ = TGridState::Selecting;
      }
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
  switch (gridState_) {
    case TGridState::Selecting: {
      ExtendSelectionTo(x, y);
      const RECT client = ClientRect();
      const POINT p{x, y};
      if (!PtInRect(&client, p) && !autoScrolling_)
        autoScrolling_ = ::SetTimer(Handle(), kAutoScrollTimer, kAutoScrollMs, nullptr) != 0;
      break;
    }
    case TGridState::ColSizing:
      if (const auto span = cols_.Span(sizingIndex_)) SetColWidths(sizingIndex_, x - span->Start);
      break;
    case TGridState::RowSizing:
      if (const auto span = rows_.Span(sizingIndex_)) SetRowHeights(sizingIndex_, y - span->Start);
      break;
    case TGridState::ColMoving:
    case TGridState::RowMoving: {
      // The heading follows the pointer over the data columns (rows).
      const bool column = gridState_ == TGridState::ColMoving;
      const TGridAxis& axis = column ? cols_ : rows_;
      const int to = axis.IndexAt(column ? x : y, column ? ClientWidth() : ClientHeight());
      if (to >= axis.FixedCount() && to != sizingIndex_) {
        column ? MoveColumn(sizingIndex_, to) : MoveRow(sizingIndex_, to);
        sizingIndex_ = to;
      }
      break;
    }
    default: break;
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) EndGridState();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomGrid::ExtendSelectionTo(int x, int y) {
  // A point outside the scrollable cells takes the cell at the nearest
  // edge one step further, so that the view follows the drag.
  const RECT client = ClientRect();
  auto along = [](const TGridAxis& axis, int p, int clientEnd, int current) {
    if (p < axis.FixedEnd()) return std::min(current, axis.First()) - 1;
    if (p >= clientEnd) return std::max(current, axis.LastVisible(clientEnd)) + 1;
    const int index = axis.IndexAt(p, clientEnd);
    return index < 0 ? axis.Count() - 1 : index;
  };
  MoveCurrent(along(cols_, x, client.right, current_.X), along(rows_, y, client.bottom, current_.Y), false);
}

void TCustomGrid::WMTimer(TMessage& m) {
  if (m.WParam != kAutoScrollTimer) {
    TCustomControl::WndProc(m);
    return;
  }
  POINT p{};
  ::GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  const RECT client = ClientRect();
  if (gridState_ != TGridState::Selecting || PtInRect(&client, p)) {
    ::KillTimer(Handle(), kAutoScrollTimer);
    autoScrolling_ = false;
  } else {
    ExtendSelectionTo(p.x, p.y);
  }
  m.Result = 0;
}

void TCustomGrid::WMCancelMode(TMessage& m) {
  EndGridState();
  TCustomControl::WndProc(m);
}

void TCustomGrid::EndGridState() {
  gridState_ = TGridState::Normal;
  if (autoScrolling_ && HandleAllocated()) ::KillTimer(Handle(), kAutoScrollTimer);
  autoScrolling_ = false;
}

// ---- Published property entries --------------------------------------------

std::vector<TPropInfo> TCustomGrid::GridProperties() {
  using G = TCustomGrid;
  auto integer = [](std::string_view name, int (G::*get)() const noexcept, void (G::*set)(int)) {
    return OrdProp<G>(name, "Integer", TTypeKind::Integer, get, set);
  };
  return {
      PropLeft(),
      PropTop(),
      PropWidth(),
      PropHeight(),
      PropAlign(),
      PropAnchors(),
      OrdProp<G>("BorderStyle", "TBorderStyle", TTypeKind::Enumeration, &G::BorderStyle, &G::SetBorderStyle,
                 kBorderStyleNames),
      PropColor(),
      integer("ColCount", &G::ColCount, &G::SetColCount),
      integer("DefaultColWidth", &G::DefaultColWidth, &G::SetDefaultColWidth),
      BoolProp<G>("DefaultDrawing", &G::DefaultDrawing, &G::SetDefaultDrawing),
      integer("DefaultRowHeight", &G::DefaultRowHeight, &G::SetDefaultRowHeight),
      PropEnabled(),
      OrdProp<G>("FixedColor", "TColor", TTypeKind::Integer, &G::FixedColor, &G::SetFixedColor),
      integer("FixedCols", &G::FixedCols, &G::SetFixedCols),
      integer("FixedRows", &G::FixedRows, &G::SetFixedRows),
      PropFont(),
      integer("GridLineWidth", &G::GridLineWidth, &G::SetGridLineWidth),
      OrdProp<G>("Options", "TGridOptions", TTypeKind::Set, &G::Options, &G::SetOptions, kGridOptionNames),
      PropParentColor(),
      PropParentFont(),
      integer("RowCount", &G::RowCount, &G::SetRowCount),
      OrdProp<G>("ScrollBars", "TScrollStyle", TTypeKind::Enumeration, &G::ScrollBars, &G::SetScrollBars,
                 kScrollStyleNames),
      PropTabStop(),
      PropVisible(),
      PropCursor(),
      PropHint(),
  };
}
