#pragma once
// TCustomGrid: a windowed control that shows a table of cells and draws
// every pixel of it itself.
//
// The first FixedCols columns and FixedRows rows are headings: they keep
// their place while the rest scrolls (TopRow, LeftCol) and are drawn raised
// in FixedColor. The current cell (Col, Row) and the range selected with it
// (Selection) follow the keyboard and the mouse; the view scrolls to keep
// the current cell in sight. The window's own scroll bars (ScrollBars) are
// kept in step with the view through SetScrollInfo, and their messages move
// it. Each visible cell is drawn by DrawCell (OnDrawCell) after the grid has
// filled it, unless DefaultDrawing is off.
//
// With goEditing, F2, Enter or a typed character opens an edit box over the
// current cell (InplaceEditor); Enter stores its text through SetEditText,
// Esc drops it.
#include <memory>
#include <string>

#include "framework/CustomControl.h"
#include "framework/grids/GridAxis.h"
#include "framework/grids/GridTypes.h"

class TInplaceEdit;

class TCustomGrid : public TCustomControl {
  FW_CLASS(TCustomGrid, TCustomControl)
 public:
  explicit TCustomGrid(TComponent* owner);
  void Notification(TComponent* component, TOperation operation) override;

  // Attributes: shape. There is always at least one scrollable column and
  // row: a count at or below the fixed count lowers the fixed count, and a
  // fixed count at or above the count throws EInvalidGridOperation.
  int ColCount() const noexcept { return cols_.Count(); }
  void SetColCount(int count);
  int RowCount() const noexcept { return rows_.Count(); }
  void SetRowCount(int count);
  int FixedCols() const noexcept { return cols_.FixedCount(); }
  void SetFixedCols(int count);
  int FixedRows() const noexcept { return rows_.FixedCount(); }
  void SetFixedRows(int count);
  // Setting a default size gives every column (row) that size.
  int DefaultColWidth() const noexcept { return cols_.DefaultExtent(); }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const noexcept { return rows_.DefaultExtent(); }
  void SetDefaultRowHeight(int height);
  int ColWidths(int col) const noexcept { return cols_.Extent(col); }
  void SetColWidths(int col, int width);
  int RowHeights(int row) const noexcept { return rows_.Extent(row); }
  void SetRowHeights(int row, int height);
  int GridLineWidth() const noexcept { return gridLineWidth_; }
  void SetGridLineWidth(int width);

  // Attributes: look and behaviour
  TColor FixedColor() const noexcept { return fixedColor_; }
  void SetFixedColor(TColor color);
  TGridOptions Options() const noexcept { return options_; }
  void SetOptions(TGridOptions options);
  TScrollStyle ScrollBars() const noexcept { return scrollBars_; }
  void SetScrollBars(TScrollStyle scrollBars);
  // bsSingle: a sunken client edge.
  TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  bool DefaultDrawing() const noexcept { return defaultDrawing_; }
  void SetDefaultDrawing(bool defaultDrawing);

  // Attributes: view and selection
  int TopRow() const noexcept { return rows_.First(); }
  void SetTopRow(int row) { ScrollTo(LeftCol(), row); }
  int LeftCol() const noexcept { return cols_.First(); }
  void SetLeftCol(int col) { ScrollTo(col, TopRow()); }
  // Scrollable columns (rows) from LeftCol (TopRow) that show completely.
  int VisibleColCount() const { return cols_.FullyVisibleCount(ClientWidth()); }
  int VisibleRowCount() const { return rows_.FullyVisibleCount(ClientHeight()); }
  // The current cell; setting it selects just that cell (when SelectCell
  // agrees) and scrolls it into view.
  int Col() const noexcept { return current_.X; }
  void SetCol(int col) { MoveCurrent(col, current_.Y, true); }
  int Row() const noexcept { return current_.Y; }
  void SetRow(int row) { MoveCurrent(current_.X, row, true); }
  // The selected block (whole rows with goRowSelect). Setting it makes its
  // top-left corner the anchor and its bottom-right corner current.
  TGridRect Selection() const noexcept;
  void SetSelection(const TGridRect& selection);
  bool EditorMode() const noexcept { return editorMode_; }
  void SetEditorMode(bool editing);
  // The edit box of goEditing; null until it is first shown.
  TInplaceEdit* InplaceEditor() const noexcept { return editor_; }

  // Operations
  // Moves a column (row) with its width (height) and, in a string grid,
  // its cells; the current cell stays on the same data. Raises
  // OnColumnMoved (OnRowMoved).
  void MoveColumn(int fromIndex, int toIndex);
  void MoveRow(int fromIndex, int toIndex);

  // Geometry, in client coordinates
  // The cell's rectangle without its lines; empty when it is scrolled away
  // or beyond the client area.
  RECT CellRect(int col, int row) const;
  // The cell under (x, y), or (-1, -1).
  TGridCoord MouseCoord(int x, int y) const;
  void MouseToCell(int x, int y, int& col, int& row) const;

  // Events
  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TNotifyEvent OnTopLeftChanged;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;

 protected:
  // Overridables
  // Draws a cell after the grid has filled it (DefaultDrawing) with the
  // canvas's brush and font prepared; raises OnDrawCell.
  virtual void DrawCell(int col, int row, const RECT& rect, TGridDrawState state);
  // May the cell become current? Raises OnSelectCell.
  virtual bool SelectCell(int col, int row);
  virtual void TopLeftChanged();
  // The text the editor starts with, and where its result goes.
  virtual std::string GetEditText(int col, int row);
  virtual void SetEditText(int col, int row, const std::string& value);
  virtual bool CanEditShow();
  // ColCount or RowCount changed (a string grid resizes its cells).
  virtual void SizeChanged(int oldColCount, int oldRowCount);
  // A column or row moved (a string grid moves its cells); raise the events.
  virtual void ColumnMoved(int fromIndex, int toIndex);
  virtual void RowMoved(int fromIndex, int toIndex);

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void WndProc(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(wchar_t& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  // Published property entries shared by TDrawGrid and TStringGrid.
  static std::vector<TPropInfo> GridProperties();
  // The cell whose text the editor holds.
  TGridCoord EditCell() const noexcept { return editCell_; }
  void InvalidateCell(int col, int row);
  void InvalidateGrid() { Invalidate(); }

 private:
  friend class TInplaceEdit;
  enum class TGridState { Normal, Selecting, ColSizing, RowSizing, ColMoving, RowMoving };

  // Message handlers
  void WMScroll(TMessage& message, bool vertical);
  void WMMouseWheel(TMessage& message, bool horizontal);
  void WMSize(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMGetDlgCode(TMessage& message);
  void WMTimer(TMessage& message);
  void WMFocusChanged(TMessage& message);
  void WMCancelMode(TMessage& message);

  // Painting
  void PaintCell(int col, int row, const TAxisSpan& x, const TAxisSpan& y);
  void PaintLines(int col, int row, const TAxisSpan& x, const TAxisSpan& y);
  void PaintFocus();
  TGridDrawState DrawStateOf(int col, int row) const;

  // Movement
  // Makes (col, row) current, clamped to the scrollable cells, keeping the
  // anchor unless moveAnchor; scrolls it into view.
  void MoveCurrent(int col, int row, bool moveAnchor);
  void ScrollTo(int leftCol, int topRow);
  void ScrollInView(int col, int row);
  void ScrollBy(int cols, int rows);
  void UpdateScrollBars();
  void UpdateScrollBar(int bar, const TGridAxis& axis, int client);
  void LinesChanged();
  // Where index goes when the item at from moves to to.
  static int MovedIndex(int index, int from, int to) noexcept;
  void ShapeChanged();
  void InvalidateSelection(const TGridRect& selection);
  void InvalidateRange(const TGridRect& range);
  void ExtendSelectionTo(int x, int y);
  bool SizingLineAt(int x, int y, TGridState& state, int& index) const;
  void EndGridState();

  // Editing
  void ShowEditor(const std::wstring* replaceWith);
  void HideEditor(bool store);
  void PlaceEditor();
  void EditorKey(WORD key, TShiftState shift);
  void EditorLostFocus();

  TGridAxis cols_{5, 1, 64};
  TGridAxis rows_{5, 1, 24};
  int gridLineWidth_ = 1;
  TColor fixedColor_ = clBtnFace;
  TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
  TScrollStyle scrollBars_ = ssBoth;
  TBorderStyle borderStyle_ = bsSingle;
  bool defaultDrawing_ = true;
  TGridCoord current_{1, 1};
  TGridCoord anchor_{1, 1};
  TGridState gridState_ = TGridState::Normal;
  int sizingIndex_ = -1;  // the column or row being sized or moved
  bool autoScrolling_ = false;
  int wheelRemainder_ = 0;
  int hwheelRemainder_ = 0;
  bool updatingScrollBars_ = false;
  bool editorMode_ = false;
  TGridCoord editCell_;
  std::string editOriginal_;
  TInplaceEdit* editor_ = nullptr;  // owned by the grid as a component
};

// A grid whose cells the program draws (OnDrawCell).
class TDrawGrid : public TCustomGrid {
  FW_CLASS(TDrawGrid, TCustomGrid)
 public:
  explicit TDrawGrid(TComponent* owner) : TCustomGrid(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
