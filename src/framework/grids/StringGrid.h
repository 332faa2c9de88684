#pragma once
// TStringGrid: a grid that keeps a text and an object pointer (not owned)
// for every cell and draws the texts.
//
// Texts are data: ANSI byte strings, shown through the ANSI code page.
//
// Shrinking ColCount or RowCount drops the cells outside; growing adds
// empty ones.
#include <string>
#include <string_view>
#include <vector>

#include "framework/grids/CustomGrid.h"

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
  Cell& At(int col, int row);

  std::vector<Cell> cells_;  // row by row, ColCount() per row
};
