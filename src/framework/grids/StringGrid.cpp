#include "framework/grids/StringGrid.h"

#include <algorithm>

#include "AnsiText.h"
#include "framework/grids/StringGridLine.h"

namespace {

// Where the grid starts a cell's text.
constexpr int kTextIndent = 2;

[[noreturn]] void OutOfRange() { throw EInvalidGridOperation("Grid index out of range"); }

}  // namespace

// ---- TStringGrid --------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) {
  cells_.resize(Index(0, RowCount(), ColCount()));
}

TStringGrid::~TStringGrid() = default;

std::vector<TPropInfo> TStringGrid::PublishedProperties() { return {}; }

size_t TStringGrid::Index(int col, int row, int colCount) noexcept {
  return static_cast<size_t>(row) * static_cast<size_t>(colCount) + static_cast<size_t>(col);
}

TStringGrid::Cell& TStringGrid::At(int col, int row) {
  if (!Inside(col, row)) OutOfRange();
  return cells_[Index(col, row, ColCount())];
}

const TStringGrid::Cell* TStringGrid::Find(int col, int row) const noexcept {
  return Inside(col, row) ? &cells_[Index(col, row, ColCount())] : nullptr;
}

std::string TStringGrid::Cells(int col, int row) const {
  const Cell* cell = Find(col, row);
  return cell ? cell->text : std::string();
}

void TStringGrid::SetCells(int col, int row, std::string_view text) {
  Cell& cell = At(col, row);
  if (cell.text == text) return;
  cell.text = text;
  InvalidateCell(col, row);
}

TObject* TStringGrid::Objects(int col, int row) const {
  const Cell* cell = Find(col, row);
  return cell ? cell->object : nullptr;
}

void TStringGrid::SetObjects(int col, int row, TObject* object) { At(col, row).object = object; }

TStrings& TStringGrid::Cols(int index) { return Line(cols_, true, index, ColCount()); }

TStrings& TStringGrid::Rows(int index) { return Line(rows_, false, index, RowCount()); }

void TStringGrid::SetCols(int index, const TStrings& texts) { Cols(index).Assign(texts); }

void TStringGrid::SetRows(int index, const TStrings& texts) { Rows(index).Assign(texts); }

TStrings& TStringGrid::Line(std::vector<std::unique_ptr<TStringGridLine>>& lines, bool column, int index,
                            int count) {
  if (index < 0 || index >= count) OutOfRange();
  if (lines.size() <= static_cast<size_t>(index)) lines.resize(static_cast<size_t>(index) + 1);
  auto& line = lines[static_cast<size_t>(index)];
  if (!line) line = std::make_unique<TStringGridLine>(*this, column, index);
  return *line;
}

void TStringGrid::SizeChanged(int oldColCount, int oldRowCount) {
  // The cells that both shapes share keep their place.
  std::vector<Cell> cells(Index(0, RowCount(), ColCount()));
  const int cols = std::min(oldColCount, ColCount()), rows = std::min(oldRowCount, RowCount());
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) cells[Index(c, r, ColCount())] = std::move(cells_[Index(c, r, oldColCount)]);
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
