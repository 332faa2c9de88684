#include "framework/grids/StringGrid.h"

#include <algorithm>

#include "AnsiText.h"

namespace {

// Where the grid starts a cell's text.
constexpr int kTextIndent = 2;

[[noreturn]] void OutOfRange() { throw EInvalidGridOperation("Grid index out of range"); }

}  // namespace

// ---- TStringGrid --------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) {
  cells_.resize(static_cast<size_t>(ColCount()) * static_cast<size_t>(RowCount()));
}

TStringGrid::~TStringGrid() = default;

std::vector<TPropInfo> TStringGrid::PublishedProperties() { return {}; }

TStringGrid::Cell& TStringGrid::At(int col, int row) {
  if (!Inside(col, row)) OutOfRange();
  return cells_[static_cast<size_t>(row) * static_cast<size_t>(ColCount()) + static_cast<size_t>(col)];
}

std::string TStringGrid::Cells(int col, int row) const {
  return Inside(col, row) ? const_cast<TStringGrid*>(this)->At(col, row).text : std::string();
}

void TStringGrid::SetCells(int col, int row, std::string_view text) {
  Cell& cell = At(col, row);
  if (cell.text == text) return;
  cell.text = text;
  InvalidateCell(col, row);
}

TObject* TStringGrid::Objects(int col, int row) const {
  return Inside(col, row) ? const_cast<TStringGrid*>(this)->At(col, row).object : nullptr;
}

void TStringGrid::SetObjects(int col, int row, TObject* object) { At(col, row).object = object; }

void TStringGrid::SizeChanged(int oldColCount, int oldRowCount) {
  // The cells that both shapes share keep their place.
  std::vector<Cell> cells(static_cast<size_t>(ColCount()) * static_cast<size_t>(RowCount()));
  const int cols = std::min(oldColCount, ColCount()), rows = std::min(oldRowCount, RowCount());
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      cells[static_cast<size_t>(r) * static_cast<size_t>(ColCount()) + static_cast<size_t>(c)] =
          std::move(cells_[static_cast<size_t>(r) * static_cast<size_t>(oldColCount) + static_cast<size_t>(c)]);
  cells_ = std::move(cells);
  TDrawGrid::SizeChanged(oldColCount, oldRowCount);
}

void TStringGrid::ColumnMoved(int fromIndex, int toIndex) {
  for (int r = 0; r < RowCount(); ++r) MoveBlock(cells_.begin() + r * ColCount(), fromIndex, toIndex);
  TDrawGrid::ColumnMoved(fromIndex, toIndex);
}

void TStringGrid::RowMoved(int fromIndex, int toIndex) {
  MoveBlock(cells_.begin(), fromIndex, toIndex, ColCount());
  TDrawGrid::RowMoved(fromIndex, toIndex);
}

void TStringGrid::DrawCell(int col, int row, const RECT& rect, TGridDrawState state) {
  if (DefaultDrawing()) {
    const std::string& text = At(col, row).text;
    if (!text.empty()) {
      Canvas().Brush().SetStyle(bsClear);
      Canvas().TextRect(rect, rect.left + kTextIndent, rect.top + kTextIndent, FromAnsi(text));
    }
  }
  TDrawGrid::DrawCell(col, row, rect, state);
}

std::string TStringGrid::GetEditText(int col, int row) {
  std::string value = Cells(col, row);
  if (OnGetEditText) OnGetEditText(*this, col, row, value);
  return value;
}

void TStringGrid::SetEditText(int col, int row, const std::string& value) {
  SetCells(col, row, value);
  TDrawGrid::SetEditText(col, row, value);
}
