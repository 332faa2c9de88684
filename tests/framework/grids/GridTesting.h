#pragma once
// The fixture of the grid tests: a shown form holding a focused grid of
// the shape the tests count pixels on - no border, no scroll bars, 256 x
// 105 client pixels, columns of 50 and rows of 20 pixels with 1-pixel
// lines, one fixed column and row. Four data columns and four data rows
// show completely; a fifth column shows one pixel.
#include "FrameworkTesting.h"
#include "InputTesting.h"
#include "framework/Form.h"

template <typename TGrid, int Cols, int Rows>
class GridFixture : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    form = MakeComponent<TForm>();
    form->SetBorderStyle(bsNone);
    form->SetBounds(40, 40, 320, 200);
    grid = form->template Create<TGrid>();
    grid->SetParent(form.get());
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetBounds(10, 10, 256, 105);
    grid->SetDefaultColWidth(50);
    grid->SetDefaultRowHeight(20);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    form->Show();
    ::SetForegroundWindow(form->Handle());
    grid->SetFocus();
    Pump();
  }
  void TearDown() override {
    input::LeftUp();
    FrameworkTest::TearDown();
  }
  POINT ScreenPoint(int x, int y) const { return grid->ClientToScreen({x, y}); }
  POINT CellCenter(int col, int row) const {
    const RECT r = grid->CellRect(col, row);
    return ScreenPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  // What the grid paints, through PaintTo.
  TBitmap Capture() const {
    TBitmap shot(grid->Width(), grid->Height());
    grid->PaintTo(shot.Canvas().Handle(), 0, 0);
    return shot;
  }

  TOwned<TForm> form;
  TGrid* grid = nullptr;
};
