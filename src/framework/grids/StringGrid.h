#pragma once
// TStringGrid: a grid that keeps a text and an object pointer (not owned)
// for every cell and draws the texts.
//
// Texts are data: ANSI byte strings, shown through the ANSI code page. A
// column or a row can also be handled as a list of texts (Cols, Rows; see
// StringGridLine.h).
//
// Shrinking ColCount or RowCount drops the cells outside; growing adds
// empty ones.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/grids/CustomGrid.h"

class TStrings;
class TStringGridLine;

class TStringGrid : public TDrawGrid {
  FW_CLASS(TStringGrid, TDrawGrid)
 public:
  explicit TStringGrid(TComponent* owner);
  ~TStringGrid() override;
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes. Reading outside the grid gives an empty text and null;
  // writing there throws EInvalidGridOperation.
  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, std::string_view text);
  TObject* Objects(int col, int row) const;
  void SetObjects(int col, int row, TObject* object);
  // The lines live as long as the grid; index must be inside it.
  TStrings& Cols(int index);
  TStrings& Rows(int index);
  void SetCols(int index, const TStrings& texts);
  void SetRows(int index, const TStrings& texts);

 protected:
  void DrawCell(int col, int row, const RECT& rect, TGridDrawState state) override;
  std::string GetEditText(int col, int row) override;
  void SetEditText(int col, int row, const std::string& value) override;
  void SizeChanged(int oldColCount, int oldRowCount) override;
  void ColumnMoved(int fromIndex, int toIndex) override;
  void RowMoved(int fromIndex, int toIndex) override;

 private:
  struct Cell {
    std::string text;
    TObject* object = nullptr;
  };
  bool Inside(int col, int row) const noexcept {
    return col >= 0 && col < ColCount() && row >= 0 && row < RowCount();
  }
  static size_t Index(int col, int row, int colCount) noexcept;
  Cell& At(int col, int row);  // throws outside the grid
  const Cell* Find(int col, int row) const noexcept;
  TStrings& Line(std::vector<std::unique_ptr<TStringGridLine>>& lines, bool column, int index, int count);

  std::vector<Cell> cells_;  // row by row, ColCount() per row
  std::vector<std::unique_ptr<TStringGridLine>> cols_;
  std::vector<std::unique_ptr<TStringGridLine>> rows_;
};
