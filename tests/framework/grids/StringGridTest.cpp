// String grids: one store behind cells, columns and rows; editing in place
// with real keys and clicks; texts drawn inside their cells; published
// properties; no GDI objects left behind by grids and frames.
#include "framework/grids/StringGrid.h"

#include "AnsiText.h"
#include "GridTesting.h"
#include "framework/Panel.h"
#include "framework/Strings.h"
#include "framework/grids/Frame.h"
#include "framework/grids/InplaceEdit.h"
#include "graphics/GdiObjects.h"

namespace {

class StringGridTest : public GridFixture<TStringGrid, 6, 10> {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    grid->SetColor(clWhite);
  }
  bool EditorShown() const {
    TInplaceEdit* editor = grid->InplaceEditor();
    return editor && editor->HandleAllocated() && ::IsWindowVisible(editor->Handle());
  }
};

TEST_F(StringGridTest, CellsKeepTheirPlaceThroughResizesAndMoves) {
  TObject marker;
  grid->SetCells(2, 3, "abc");
  grid->SetObjects(5, 2, &marker);
  grid->SetCells(1, 4, "x");
  EXPECT_EQ(grid->Cells(2, 3), "abc");
  EXPECT_EQ(grid->Objects(5, 2), &marker);

  // Outside the grid: empty to read, an error to write.
  EXPECT_EQ(grid->Cells(6, 0), "");
  EXPECT_EQ(grid->Objects(0, -1), nullptr);
  EXPECT_THROW(grid->SetCells(6, 0, "x"), EInvalidGridOperation);
  EXPECT_THROW(grid->SetObjects(0, 10, &marker), EInvalidGridOperation);

  // Shrinking drops cells outside; cells inside keep their place.
  grid->SetColCount(3);
  grid->SetRowCount(4);
  EXPECT_EQ(grid->Cells(2, 3), "abc");
  grid->SetColCount(6);
  grid->SetRowCount(10);
  EXPECT_EQ(grid->Cells(2, 3), "abc");
  EXPECT_EQ(grid->Cells(1, 4), "");
  EXPECT_EQ(grid->Objects(5, 2), nullptr);

  // Cells travel with their column and row.
  grid->SetCells(4, 3, "def");
  grid->MoveColumn(2, 5);
  grid->MoveRow(3, 1);
  EXPECT_EQ(grid->Cells(5, 1), "abc");
  EXPECT_EQ(grid->Cells(3, 1), "def");
  EXPECT_EQ(grid->Cells(2, 3), "");
  EXPECT_EQ(grid->Cells(4, 4), "");
}

TEST_F(StringGridTest, ColumnsAndRowsAreListsOverTheCells) {
  TObject marker;
  grid->SetCells(2, 3, "abc");
  grid->Rows(4).SetStrings(1, "x");
  grid->Cols(5).SetObjects(2, &marker);
  EXPECT_EQ(grid->Cols(2)[3], "abc");
  EXPECT_EQ(grid->Rows(3)[2], "abc");
  EXPECT_EQ(grid->Cells(1, 4), "x");
  EXPECT_EQ(grid->Rows(2).Objects(5), &marker);
  EXPECT_EQ(grid->Cols(0).Count(), 10);
  EXPECT_EQ(grid->Rows(0).Count(), 6);

  // Assigning a list fills the line from the start; what does not fit is
  // dropped, what the list lacks is emptied.
  TStringList list;
  list.SetText("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n");
  grid->SetRows(4, list);
  EXPECT_EQ(grid->Rows(4).Text(), "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
  list.SetText("p\r\nq");
  grid->SetRows(4, list);
  EXPECT_EQ(grid->Rows(4).Text(), "p\r\nq\r\n\r\n\r\n\r\n\r\n");
  EXPECT_EQ(grid->Cols(1)[4], "q");
  EXPECT_EQ(grid->Cols(2).IndexOf("abc"), 3);
  grid->Cols(5).Clear();
  EXPECT_EQ(grid->Objects(5, 2), nullptr);
  EXPECT_THROW(grid->Rows(1).Insert(0, "x"), EInvalidGridOperation);
  EXPECT_THROW(grid->Rows(1).Delete(0), EInvalidGridOperation);
  EXPECT_THROW(grid->Cols(6), EInvalidGridOperation);

  // A line follows the grid's shape.
  TStrings& row3 = grid->Rows(3);
  grid->SetColCount(3);
  EXPECT_EQ(row3.Text(), "\r\n\r\nabc\r\n");
  grid->MoveColumn(2, 1);
  EXPECT_EQ(row3.Text(), "\r\nabc\r\n\r\n");
}

TEST_F(StringGridTest, EditingInPlaceStoresOrDropsTheText) {
  grid->SetOptions(grid->Options() | goEditing);
  std::vector<std::tuple<int, int, std::string>> stored;
  grid->OnSetEditText = [&](TObject&, int col, int row, const std::string& v) { stored.emplace_back(col, row, v); };
  grid->SetCells(1, 1, "old");

  input::Press(VK_F2);  // opens on the cell's text
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(grid->InplaceEditor()->EditText(), L"old");
  EXPECT_TRUE(grid->InplaceEditor()->Focused());
  const RECT cell = grid->CellRect(1, 1), box = grid->InplaceEditor()->BoundsRect();
  EXPECT_TRUE(EqualRect(&cell, &box));
  input::Type(L"er");
  input::Press(VK_RETURN);
  EXPECT_FALSE(EditorShown());
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(grid->Cells(1, 1), "older");

  input::Type(L"新x");  // typing opens the editor with what was typed
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(grid->InplaceEditor()->EditText(), L"新x");
  input::Press(VK_ESCAPE);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Cells(1, 1), "older");

  input::Type(L"9");
  input::Press(VK_DOWN);  // stores and moves on
  EXPECT_EQ(grid->Cells(1, 1), "9");
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_FALSE(EditorShown());

  input::Type(L"报修");
  input::Press(VK_RETURN);
  EXPECT_EQ(grid->Cells(1, 2), "\xB1\xA8\xD0\xDE");  // the code page's bytes

  input::DoubleClick(CellCenter(3, 2));
  EXPECT_EQ(grid->Col(), 3);
  ASSERT_TRUE(EditorShown());
  input::Type(L"z");
  input::Click(CellCenter(4, 3));  // leaving the editor keeps its text
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Cells(3, 2), "z");
  EXPECT_EQ(grid->Col(), 4);
  EXPECT_EQ(grid->Row(), 3);

  using Stored = std::tuple<int, int, std::string>;
  const std::vector<Stored> expected = {
      {1, 1, "older"}, {1, 1, "9"}, {1, 2, "\xB1\xA8\xD0\xDE"}, {3, 2, "z"}};
  EXPECT_EQ(stored, expected);

  grid->SetOptions(grid->Options() & ~goEditing);
  input::Press(VK_F2);
  input::Type(L"q");
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(grid->Cells(4, 3), "");
}

TEST_F(StringGridTest, TextsAreDrawnInsideTheirCells) {
  grid->SetCells(1, 0, "Head");
  grid->SetCells(1, 1, "WWWWWWWWWWWWWWWW");  // wider than its cell
  grid->SetCells(2, 2, "WWW");
  grid->SetSelection({2, 2, 3, 2});  // (2, 2) selected, (3, 2) current
  const TBitmap shot = Capture();
  // Pixels of [x0, x1) x [y0, y1) other than the background: the text's.
  auto ink = [&](TColor background, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += shot.Pixel(x, y) != background;
    return n;
  };
  // Cell (1, 1) spans x 51..100, y 21..40; its text starts 2 pixels in.
  EXPECT_GT(ink(clWhite, 53, 21, 101, 41), 20);
  EXPECT_EQ(ink(clWhite, 51, 21, 53, 41), 0);
  EXPECT_EQ(ink(clWhite, 102, 21, 152, 41), 0) << "text spilled into the next cell";
  const TColor face = PixelToColor(ColorToPixel(clBtnFace));
  EXPECT_GT(ink(face, 53, 2, 99, 18), 10) << "heading text";
  const TColor highlight = PixelToColor(ColorToPixel(clHighlight));
  EXPECT_GT(ink(highlight, 102, 42, 152, 62), 10) << "selected text";
  EXPECT_EQ(ink(highlight, 102, 42, 104, 62), 0);
}

TEST_F(StringGridTest, PublishedPropertiesCarryThePaintersTypeNames) {
  TDrawGrid* drawGrid = form->Create<TDrawGrid>();
  struct Row {
    TObject* object;
    const char* name;
    const char* type;
  };
  const Row rows[] = {
      {grid, "FixedColor", "TColor"},        {grid, "Color", "TColor"},
      {grid, "ScrollBars", "TScrollStyle"},  {grid, "Options", "TGridOptions"},
      {grid, "BorderStyle", "TBorderStyle"}, {grid, "ColCount", "Integer"},
      {grid, "FixedRows", "Integer"},        {grid, "DefaultDrawing", "Boolean"},
      {grid, "Font", "TFont"},               {grid, "ParentColor", "Boolean"},
      {drawGrid, "FixedColor", "TColor"},    {drawGrid, "ScrollBars", "TScrollStyle"},
      {drawGrid, "GridLineWidth", "Integer"},
  };
  for (const Row& r : rows) {
    const TPropInfo* p = FindProperty(*r.object, r.name);
    ASSERT_NE(p, nullptr) << r.name;
    EXPECT_EQ(p->TypeName, r.type) << r.name;
  }
  EXPECT_TRUE(grid->InheritsFrom("TCustomGrid"));
  EXPECT_TRUE(grid->Is<TDrawGrid>());
  // A painter sets them by name.
  SetEnumProp(*grid, "ScrollBars", "ssVertical");
  EXPECT_EQ(grid->ScrollBars(), ssVertical);
  SetOrdProp(*grid, "Options", goVertLine | goRowSelect);
  EXPECT_EQ(GetOrdProp(*grid, "Options"), goVertLine | goRowSelect);
  EXPECT_EQ(FindProperty(*grid, "Options")->EnumNames[12], "goRowSelect");
}

TEST(GridsLeakTest, FiftyFormsWithGridsAndFramesLeaveNoGdiObjects) {
  auto round = [] {
    TOwned<TForm> f = MakeComponent<TForm>();
    f->SetBounds(60, 60, 400, 300);
    auto* strings = f->Create<TStringGrid>();
    strings->SetParent(f.get());
    strings->SetBounds(0, 0, 200, 150);
    strings->SetOptions(strings->Options() | goEditing);
    strings->SetCells(1, 1, "text");
    auto* drawn = f->Create<TDrawGrid>();
    drawn->SetParent(f.get());
    drawn->SetBounds(200, 0, 200, 150);
    drawn->OnDrawCell = [drawn](TObject&, int, int, const RECT& r, TGridDrawState) {
      drawn->Canvas().Font().SetHeight(-20);
      drawn->Canvas().TextRect(r, r.left, r.top, L"x");
    };
    auto* frame = f->Create<TFrame>();
    frame->SetParent(f.get());
    frame->SetBounds(0, 150, 400, 150);
    auto* panel = frame->Create<TPanel>();
    panel->SetParent(frame);
    panel->SetAlign(alClient);
    f->Show();
    strings->SetFocus();
    strings->SetEditorMode(true);
    Pump();
    TBitmap shot(400, 300);
    f->PaintTo(shot.Canvas().Handle(), 0, 0);
  };
  round();  // the first round may fill caches that live on
  const long before = GdiLiveObjects();
  for (int i = 0; i < 50; ++i) round();
  EXPECT_EQ(GdiLiveObjects(), before);
}

}  // namespace
