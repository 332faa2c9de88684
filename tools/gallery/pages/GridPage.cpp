// A string grid with fixed rows and columns, scrolled by its bars.
#include <string>

#include "../GalleryPage.h"
#include "framework/grids/StringGrid.h"

void BuildGridPage(TGalleryPage& page) {
  auto* grid = page.Add<TStringGrid>(12, 24, 350, 230);
  grid->SetColCount(8);
  grid->SetRowCount(14);
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->SetDefaultColWidth(60);
  grid->SetDefaultRowHeight(20);
  for (int c = 1; c < 8; ++c) grid->SetCells(c, 0, std::string(1, static_cast<char>('A' + c - 1)));
  for (int r = 1; r < 14; ++r) {
    grid->SetCells(0, r, std::to_string(r));
    for (int c = 1; c < 8; ++c) grid->SetCells(c, r, std::to_string(r * c));
  }
  grid->SetOptions(grid->Options() | goEditing);
  page.SetFocusControl(grid);
}
