// Grids under real input: the current cell and the selection follow keys
// and mouse, the view and the window's scroll bars follow each other, and
// painting draws exactly the visible cells in their states. The grid has
// 12 columns and 40 rows (see GridTesting.h for its shape).
#include "framework/grids/CustomGrid.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "GridTesting.h"
#include "graphics/GdiObjects.h"

namespace {

constexpr TColor kSkinFixed = MakeColor(200, 220, 240);

class GridTest : public GridFixture<TDrawGrid, 12, 40> {
 protected:
  // The native bar's geometry and state (invisible when it cannot be read).
  SCROLLBARINFO ScrollBar(LONG object) const {
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    if (!::GetScrollBarInfo(grid->Handle(), object, &bar)) bar.rgstate[0] = STATE_SYSTEM_INVISIBLE;
    return bar;
  }
};

enum : unsigned { kShift = 1, kCtrl = 2 };

TEST_F(GridTest, KeysMoveTheCurrentCellAndTheViewFollows) {
  grid->SetOptions(grid->Options() | goTabs);
  grid->OnSelectCell = [](TObject&, int col, int, bool& canSelect) { canSelect = col != 5; };
  struct Step {
    WORD key;
    unsigned mods;
    int times;
    int col, row, top, left;
    TGridRect selection;
  };
  const Step steps[] = {
      {VK_DOWN, 0, 1, 1, 2, 1, 1, {1, 2, 1, 2}},
      {VK_DOWN, 0, 3, 1, 5, 2, 1, {1, 5, 1, 5}},      // row 5 scrolls into view
      {VK_RIGHT, 0, 3, 4, 5, 2, 1, {4, 5, 4, 5}},     // column 5 refuses
      {VK_END, 0, 1, 11, 5, 2, 8, {11, 5, 11, 5}},
      {VK_HOME, 0, 1, 1, 5, 2, 1, {1, 5, 1, 5}},
      {VK_NEXT, 0, 1, 1, 9, 6, 1, {1, 9, 1, 9}},      // a page of four rows
      {VK_PRIOR, 0, 1, 1, 5, 2, 1, {1, 5, 1, 5}},
      {VK_END, kCtrl, 1, 11, 39, 36, 8, {11, 39, 11, 39}},
      {VK_HOME, kCtrl, 1, 1, 1, 1, 1, {1, 1, 1, 1}},
      {VK_UP, 0, 1, 1, 1, 1, 1, {1, 1, 1, 1}},        // nothing above
      {VK_DOWN, kShift, 2, 1, 3, 1, 1, {1, 1, 1, 3}},  // a range from the anchor
      {VK_RIGHT, kShift, 1, 2, 3, 1, 1, {1, 1, 2, 3}},
      {VK_DOWN, 0, 1, 2, 4, 1, 1, {2, 4, 2, 4}},      // a plain move drops it
      {VK_TAB, 0, 1, 3, 4, 1, 1, {3, 4, 3, 4}},
      {VK_TAB, kShift, 3, 11, 3, 1, 8, {11, 3, 11, 3}},  // back around to the row above
      {VK_TAB, 0, 1, 1, 4, 1, 1, {1, 4, 1, 4}},
  };
  for (const Step& s : steps) {
    std::vector<WORD> mods;
    if (s.mods & kShift) mods.push_back(VK_SHIFT);
    if (s.mods & kCtrl) mods.push_back(VK_CONTROL);
    for (int i = 0; i < s.times; ++i) {
      for (WORD m : mods) input::Key(m, true);
      input::Press(s.key);
      for (WORD m : mods) input::Key(m, false);
    }
    Pump();
    const auto where = testing::Message() << "key " << s.key << " mods " << s.mods << " x" << s.times;
    EXPECT_EQ(grid->Col(), s.col) << where;
    EXPECT_EQ(grid->Row(), s.row) << where;
    EXPECT_EQ(grid->TopRow(), s.top) << where;
    EXPECT_EQ(grid->LeftCol(), s.left) << where;
    EXPECT_EQ(grid->Selection(), s.selection) << where;
  }
}

TEST_F(GridTest, MouseSelectsCellsAndRangesAndSizesAndMovesColumns) {
  grid->SetOptions(grid->Options() | goColSizing);
  input::Click(CellCenter(3, 2));
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 2, 3, 2}));
  input::Click(CellCenter(4, 4), {VK_SHIFT});
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 2, 4, 4}));
  EXPECT_EQ(grid->Col(), 4);
  input::Click(CellCenter(0, 3));  // a heading: nothing changes
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 2, 4, 4}));

  input::MoveTo(CellCenter(2, 1));
  input::LeftDown();
  input::MoveTo(CellCenter(3, 2));
  input::MoveTo(CellCenter(4, 3));
  input::LeftUp();
  Pump();
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 1, 4, 3}));
  EXPECT_EQ(grid->Col(), 4);
  EXPECT_EQ(grid->Row(), 3);

  // Held below the grid, a drag keeps scrolling and selecting.
  input::MoveTo(CellCenter(1, 1));
  input::LeftDown();
  input::MoveTo(ScreenPoint(75, 140));
  PumpUntil([&] { return grid->TopRow() >= 4; }, 3000);
  input::LeftUp();
  Pump();
  EXPECT_GE(grid->TopRow(), 4);
  EXPECT_EQ(grid->Row(), grid->TopRow() + 3);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, grid->Row()}));

  // The line after column 1 in the heading row, dragged 30 pixels right.
  grid->SetLeftCol(1);
  input::MoveTo(ScreenPoint(101, 10));
  input::LeftDown();
  input::MoveTo(ScreenPoint(121, 10));
  input::MoveTo(ScreenPoint(131, 10));
  input::LeftUp();
  Pump();
  EXPECT_EQ(grid->ColWidths(1), 80);
  EXPECT_EQ(grid->ColWidths(2), 50);

  // A heading dragged over the next two columns takes its column along,
  // one place at a time; the current cell stays on its data.
  grid->SetOptions(grid->Options() | goColMoving);
  std::vector<std::pair<int, int>> moves;
  grid->OnColumnMoved = [&](TObject&, int from, int to) { moves.emplace_back(from, to); };
  const int row = grid->Row();
  for (POINT p : {POINT{91, 10}, POINT{157, 10}, POINT{208, 10}}) {
    input::MoveTo(ScreenPoint(p.x, p.y));
    if (p.x == 91) input::LeftDown();
    Pump();
  }
  input::LeftUp();
  Pump();
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}}));
  EXPECT_EQ(grid->ColWidths(3), 80);
  EXPECT_EQ(grid->ColWidths(1), 50);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Row(), row);
}

TEST_F(GridTest, ScrollBarsAndTheViewFollowEachOther) {
  // With both bars the client area stays 256 x 105.
  grid->SetScrollBars(ssBoth);
  grid->SetBounds(10, 10, 256 + ::GetSystemMetrics(SM_CXVSCROLL), 105 + ::GetSystemMetrics(SM_CYHSCROLL));
  ASSERT_EQ(grid->ClientWidth(), 256);
  ASSERT_EQ(grid->ClientHeight(), 105);
  auto info = [&](int bar) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ::GetScrollInfo(grid->Handle(), bar, &si);
    return std::tuple(si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos);
  };
  // Positions count data rows; the last page is four rows.
  EXPECT_EQ(info(SB_VERT), std::tuple(0, 38, 4, 0));
  EXPECT_EQ(info(SB_HORZ), std::tuple(0, 10, 4, 0));

  struct Step {
    UINT msg;
    WORD code;
    int top, left;
  };
  const Step steps[] = {
      {WM_VSCROLL, SB_LINEDOWN, 2, 1}, {WM_VSCROLL, SB_PAGEDOWN, 6, 1}, {WM_VSCROLL, SB_BOTTOM, 36, 1},
      {WM_VSCROLL, SB_LINEDOWN, 36, 1}, {WM_VSCROLL, SB_PAGEUP, 32, 1}, {WM_VSCROLL, SB_TOP, 1, 1},
      {WM_HSCROLL, SB_PAGEDOWN, 1, 5}, {WM_HSCROLL, SB_BOTTOM, 1, 8},   {WM_HSCROLL, SB_LINEUP, 1, 7},
  };
  for (const Step& s : steps) {
    ::SendMessageW(grid->Handle(), s.msg, s.code, 0);
    EXPECT_EQ(grid->TopRow(), s.top) << s.msg << " " << s.code;
    EXPECT_EQ(grid->LeftCol(), s.left) << s.msg << " " << s.code;
    EXPECT_EQ(std::get<3>(info(SB_VERT)), s.top - 1);
    EXPECT_EQ(std::get<3>(info(SB_HORZ)), s.left - 1);
  }
  EXPECT_EQ(grid->Row(), 1);  // the bars move the view, not the current cell

  // A click on the native down arrow scrolls one row.
  SCROLLBARINFO bar = ScrollBar(OBJID_VSCROLL);
  const int arrow = ::GetSystemMetrics(SM_CYVSCROLL);
  input::Click({(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, bar.rcScrollBar.bottom - arrow / 2});
  EXPECT_EQ(grid->TopRow(), 2);

  // Dragging the thumb moves the view while dragging only with goThumbTracking.
  for (bool tracking : {false, true}) {
    grid->SetTopRow(1);
    grid->SetOptions(tracking ? grid->Options() | goThumbTracking : grid->Options() & ~goThumbTracking);
    std::vector<int> tops;
    grid->OnTopLeftChanged = [&](TObject&) { tops.push_back(grid->TopRow()); };
    bar = ScrollBar(OBJID_VSCROLL);
    const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
    const int thumb = bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    input::FeedWhilePumping([&] {
      input::MoveTo({x, thumb});
      input::LeftDown();
      for (int dy : {10, 20, 30}) {
        ::Sleep(60);
        input::MoveTo({x, thumb + dy});
      }
      ::Sleep(60);
      input::LeftUp();
    });
    grid->OnTopLeftChanged = nullptr;
    EXPECT_GT(grid->TopRow(), 1) << tracking;
    EXPECT_EQ(std::get<3>(info(SB_VERT)), grid->TopRow() - 1) << tracking;
    if (tracking)
      EXPECT_GE(tops.size(), 2u);
    else
      EXPECT_EQ(tops.size(), 1u);
  }

  // The wheel scrolls by the system's wheel lines.
  UINT lines = 3;
  ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  grid->SetTopRow(1);
  input::MoveTo(CellCenter(2, 2));
  input::Wheel(-WHEEL_DELTA);
  EXPECT_EQ(grid->TopRow(), 1 + static_cast<int>(lines));
  input::Wheel(WHEEL_DELTA);
  EXPECT_EQ(grid->TopRow(), 1);

  // Bars go when everything fits, and with ssNone.
  auto shown = [&](LONG object) { return !(ScrollBar(object).rgstate[0] & STATE_SYSTEM_INVISIBLE); };
  EXPECT_TRUE(shown(OBJID_VSCROLL));
  grid->SetRowCount(4);
  EXPECT_FALSE(shown(OBJID_VSCROLL));
  EXPECT_TRUE(shown(OBJID_HSCROLL));
  grid->SetRowCount(40);
  grid->SetScrollBars(ssNone);
  EXPECT_FALSE(shown(OBJID_VSCROLL));
  EXPECT_FALSE(shown(OBJID_HSCROLL));
}

TEST_F(GridTest, DrawCellMeetsExactlyTheVisibleCellsInTheirStates) {
  // Anchor (4, 6), current (5, 7); columns 0, 3..7 and rows 0, 5..8 show.
  const int xs[] = {0, 51, 102, 153, 204, 255};
  const int cols[] = {0, 3, 4, 5, 6, 7};
  const int ys[] = {0, 21, 42, 63, 84};
  const int rows[] = {0, 5, 6, 7, 8};
  struct Variant {
    TGridOptions extra;
    bool focused;
    std::set<std::pair<int, int>> selected;
  };
  const std::set<std::pair<int, int>> block = {{4, 6}, {5, 6}, {4, 7}};
  std::set<std::pair<int, int>> wholeRows;
  for (int c : {3, 4, 5, 6, 7})
    for (int r : {6, 7}) wholeRows.insert({c, r});
  const Variant variants[] = {
      {0, true, block},
      {goDrawFocusSelected, true, {{4, 6}, {5, 6}, {4, 7}, {5, 7}}},
      {goRowSelect, true, wholeRows},
      {0, false, block},
  };
  const TGridOptions base = grid->Options();
  for (const Variant& v : variants) {
    grid->SetOptions(base | v.extra);
    grid->SetSelection({4, 6, 5, 7});
    grid->SetLeftCol(3);
    grid->SetTopRow(5);
    if (v.focused)
      grid->SetFocus();
    else
      ::SetFocus(form->Handle());
    std::map<std::pair<int, int>, std::pair<RECT, TGridDrawState>> drawn;
    int calls = 0;
    grid->OnDrawCell = [&](TObject&, int col, int row, const RECT& rect, TGridDrawState state) {
      ++calls;
      drawn[{col, row}] = {rect, state};
    };
    Capture();
    grid->OnDrawCell = nullptr;
    EXPECT_EQ(calls, 30) << v.extra;
    for (int i = 0; i < 6; ++i)
      for (int j = 0; j < 5; ++j) {
        const std::pair<int, int> cell{cols[i], rows[j]};
        const auto it = drawn.find(cell);
        ASSERT_NE(it, drawn.end()) << cell.first << "," << cell.second;
        const RECT expected{xs[i], ys[j], xs[i] + 50, ys[j] + 20};
        EXPECT_TRUE(EqualRect(&it->second.first, &expected)) << cell.first << "," << cell.second;
        TGridDrawState state = 0;
        if (i == 0 || j == 0) state = gdFixed;
        if (state == 0 && v.selected.count(cell)) state |= gdSelected;
        if (state != gdFixed && cell == std::pair(5, 7) && v.focused) state |= gdFocused;
        EXPECT_EQ(it->second.second, state) << cell.first << "," << cell.second << " options " << v.extra;
      }
  }
}

TEST_F(GridTest, HeadingsAreRaisedAndSelectedCellsHighlighted) {
  grid->SetColor(clWhite);
  grid->SetSelection({2, 2, 3, 2});  // (2, 2) selected, (3, 2) current
  const TColor light = PixelToColor(ColorToPixel(clBtnHighlight));
  const TColor shadow = PixelToColor(ColorToPixel(clBtnShadow));
  const TColor highlight = PixelToColor(ColorToPixel(clHighlight));
  for (TColor fixed : {kSkinFixed, MakeColor(90, 60, 30)}) {
    SetOrdProp(*grid, "FixedColor", fixed);  // as a skin sets it
    const TBitmap shot = Capture();
    struct Pixel {
      int x, y;
      TColor color;
      const char* what;
    };
    const Pixel pixels[] = {
        {25, 10, fixed, "corner heading face"},
        {0, 5, light, "heading's raised left edge"},
        {25, 0, light, "heading's raised top edge"},
        {49, 5, shadow, "heading's right edge"},
        {25, 19, shadow, "heading's bottom edge"},
        {50, 10, clBlack, "line between headings"},
        {25, 20, clBlack, "line below a heading"},
        {25, 52, fixed, "row heading"},
        {101, 30, clSilver, "line between data columns"},
        {75, 41, clSilver, "line between data rows"},
        {127, 52, highlight, "selected cell"},
        {75, 30, clWhite, "plain cell"},
        {178, 52, clWhite, "current cell inside its focus rectangle"},
    };
    for (const Pixel& p : pixels) EXPECT_EQ(shot.Pixel(p.x, p.y), p.color) << p.what;
    // The focus rectangle: a dotted frame just inside the current cell.
    int dots = 0;
    for (int x = 153; x < 203; ++x) dots += shot.Pixel(x, 42) != clWhite;
    EXPECT_GE(dots, 20);
  }
  // Past the last column the grid shows its colour.
  grid->SetColCount(3);
  const TBitmap narrow = Capture();
  EXPECT_EQ(narrow.Pixel(200, 60), clWhite);
  EXPECT_EQ(narrow.Pixel(152, 60), clSilver);
}

TEST_F(GridTest, ScreenAfterScrollingMatchesAFreshPaint) {
  // The view moves the pixels that stay and paints only what comes in; the
  // screen must then show what a full paint shows.
  grid->OnDrawCell = [this](TObject&, int col, int row, const RECT& rect, TGridDrawState) {
    grid->Canvas().TextRect(rect, rect.left + 2, rect.top + 2, std::to_wstring(row * 100 + col));
  };
  grid->SetSelection({2, 2, 3, 4});
  auto screen = [&] {
    ::UpdateWindow(grid->Handle());
    TBitmap shot(256, 105);
    UniqueWindowDC dc = UniqueWindowDC::Client(grid->Handle());
    ::BitBlt(shot.Canvas().Handle(), 0, 0, 256, 105, dc.get(), 0, 0, SRCCOPY);
    return shot;
  };
  auto differing = [](const TBitmap& a, const TBitmap& b) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x) n += a.Pixel(x, y) != b.Pixel(x, y);
    return n;
  };
  const std::function<void()> moves[] = {
      [&] { grid->SetTopRow(2); },        [&] { grid->SetTopRow(4); },
      [&] { grid->SetTopRow(3); },        [&] { grid->SetLeftCol(2); },
      [&] { grid->SetLeftCol(1); },       [&] { input::Press(VK_DOWN); },
      [&] { input::Press(VK_NEXT); },     [&] { input::Wheel(WHEEL_DELTA); },
      [&] { input::Press(VK_RIGHT, {VK_SHIFT}); },
  };
  for (size_t i = 0; i < std::size(moves); ++i) {
    moves[i]();
    EXPECT_EQ(differing(screen(), Capture()), 0) << "move " << i;
  }
}

TEST_F(GridTest, ShapeKeepsOneDataCellAndTheCurrentCellInside) {
  EXPECT_THROW(grid->SetFixedCols(12), EInvalidGridOperation);
  EXPECT_THROW(grid->SetFixedRows(-1), EInvalidGridOperation);
  grid->SetSelection({8, 30, 8, 30});
  grid->SetRowCount(10);
  EXPECT_EQ(grid->Row(), 9);
  EXPECT_LE(grid->TopRow(), 9);
  grid->SetFixedCols(3);
  EXPECT_EQ(grid->LeftCol(), 3);
  grid->SetColCount(2);  // fewer columns than fixed ones: one data column stays
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->Col(), 1);
  grid->SetColCount(0);
  EXPECT_EQ(grid->ColCount(), 1);
  EXPECT_EQ(grid->FixedCols(), 0);
  EXPECT_EQ(grid->Col(), 0);
}

}  // namespace
