// Tab controls and list-view headers drawn from the built-in skin: the
// selected and normal tab frames on every side, the page outline and the
// tab line, and header captions shortened to their columns.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "PainterTestSupport.h"
#include "QELSkinUtilsParts.h"
#include "painters/QELSkinListViewHeader.h"
#include "painters/QELSkinTabControl.h"

namespace {

using TabPaint = BuiltInSkinFixture;
using S = TqelSkinTabRes;

// The nine-grid of piece over a w x h patch of the form colour.
TBitmap ExpectedTab(const TBitmap& piece, int w, int h, const TqelSkinReader& reader) {
  TBitmap patch = Filled(w, h, ColorToPixel(reader.GetColor(SKIN2_FORMCOLOR)));
  DrawNineGrid(piece, patch.Canvas(), RECT{0, 0, w, h}, reader.GetColor(SKIN2_TRANSCOLOR),
               reader.GetFlag(SKIN2_TABCONTROLTRANS));
  return patch;
}

TEST_F(TabPaint, TabsUseTheSelectedOrNormalFrameTurnedToTheirSide) {
  struct {
    S::TSide side;
    RECT display;
    RECT tabs[2];
  } cases[] = {
      {S::sdTop, RECT{4, 28, 196, 146}, {RECT{2, 2, 62, 24}, RECT{62, 2, 122, 24}}},
      {S::sdBottom, RECT{4, 4, 196, 122}, {RECT{2, 126, 62, 148}, RECT{62, 126, 122, 148}}},
      {S::sdLeft, RECT{28, 4, 196, 146}, {RECT{2, 2, 24, 62}, RECT{2, 62, 24, 122}}},
      {S::sdRight, RECT{4, 4, 172, 146}, {RECT{176, 2, 198, 62}, RECT{176, 62, 198, 122}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "side " << c.side);
    TTabControlLook look;
    look.Size = SIZE{200, 150};
    look.Side = c.side;
    look.Display = c.display;
    look.Tabs = {{c.tabs[0], L""}, {c.tabs[1], L""}, {RECT{0, 0, 0, 0}, L"hidden"}};
    look.Current = 1;
    TBitmap face = Filled(200, 150, 0x123456);
    PaintTabControl(face.Canvas(), look, skin);
    for (int i = 0; i < 2; ++i) {
      const RECT& r = c.tabs[i];
      const TBitmap& piece = i == look.Current ? *tabs.TabA(c.side) : *tabs.TabB(c.side);
      const TBitmap expected = ExpectedTab(piece, r.right - r.left, r.bottom - r.top, reader);
      EXPECT_EQ(CountDifferences(face, r.left, r.top, expected, 0, 0, expected.Width(), expected.Height()), 0)
          << "tab " << i;
    }
    // The page outline is the border colour, but on the tab side, where
    // the tab line (one colour in this skin) lies.
    const RECT page = TabPageRect(look);
    EXPECT_EQ(page.left, c.display.left - 2);
    const RECT line = TabLineRect(look, tabs.TabLine(c.side));
    EXPECT_EQ(CountInside(face, line, Px(*tabs.TabLine(c.side), 0, 0)), 0);
    const std::uint32_t border = Pixel(SKIN2_CONTROLBORDERCOLOR);
    const RECT opposite = c.side == S::sdTop      ? RECT{page.left, page.bottom - 1, page.right, page.bottom}
                     : c.side == S::sdBottom ? RECT{page.left, page.top, page.right, page.top + 1}
                     : c.side == S::sdLeft   ? RECT{page.right - 1, page.top, page.right, page.bottom}
                                             : RECT{page.left, page.top, page.left + 1, page.bottom};
    EXPECT_EQ(CountInside(face, opposite, border), 0);
    // Inside the page and away from the tabs: the form colour.
    EXPECT_EQ(CountInside(face, RECT{page.left + 1, page.top + 1, page.right - 1, page.bottom - 1},
                          Pixel(SKIN2_FORMCOLOR)),
              0);
  }
}

TEST_F(TabPaint, CaptionsAreCentredOnTheirTabs) {
  TTabControlLook look;
  look.Size = SIZE{200, 100};
  look.Display = RECT{4, 28, 196, 96};
  look.Tabs = {{RECT{2, 2, 62, 24}, L"One"}, {RECT{62, 2, 122, 24}, L"Two"}};
  look.Current = 0;
  TBitmap face = Filled(200, 100, 0x123456);
  PaintTabControl(face.Canvas(), look, skin);
  TBitmap bare = Filled(200, 100, 0x123456);
  look.Tabs[0].Caption.clear();
  look.Tabs[1].Caption.clear();
  PaintTabControl(bare.Canvas(), look, skin);
  // The captions change pixels of their own tab only, about its middle.
  for (const RECT& tab : {RECT{2, 2, 62, 24}, RECT{62, 2, 122, 24}}) {
    int left = 1000, right = -1;
    for (int y = tab.top; y < tab.bottom; ++y)
      for (int x = tab.left; x < tab.right; ++x)
        if (Px(face, x, y) != Px(bare, x, y)) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
    ASSERT_GT(right, left);
    EXPECT_LE(std::abs((left - tab.left) - (tab.right - 1 - right)), 2);
  }
  EXPECT_EQ(CountDifferences(face, 0, 24, bare, 0, 24, 200, 76), 0);
}

TEST_F(TabPaint, HeaderClosesEachColumnAndShortensItsCaption) {
  THeaderLook look;
  look.Size = SIZE{300, 20};
  look.Items = {{RECT{0, 0, 120, 20}, L"Name", HDF_LEFT},
                {RECT{120, 0, 160, 20}, L"A very long column caption", HDF_CENTER},
                {RECT{160, 0, 240, 20}, L"", HDF_RIGHT}};
  TBitmap face = Filled(300, 20, 0x123456);
  PaintListViewHeader(face.Canvas(), look, skin);
  const std::uint32_t border = Pixel(SKIN2_CONTROLBORDERCOLOR), form = Pixel(SKIN2_FORMCOLOR);
  EXPECT_EQ(CountInside(face, RECT{0, 19, 300, 20}, border), 0);
  for (int x : {119, 159, 239}) EXPECT_EQ(CountInside(face, RECT{x, 0, x + 1, 20}, border), 0) << x;
  // Text only inside each column's margins; the empty column and the
  // room after the last one are bare.
  EXPECT_EQ(CountInside(face, RECT{160, 0, 239, 19}, form), 0);
  EXPECT_EQ(CountInside(face, RECT{240, 0, 300, 19}, form), 0);
  EXPECT_EQ(CountInside(face, RECT{113, 0, 119, 19}, form), 0);
  EXPECT_EQ(CountInside(face, RECT{120, 0, 126, 19}, form), 0);
  EXPECT_EQ(CountInside(face, RECT{154, 0, 159, 19}, form), 0);
  const std::wstring shortened = HeaderCaption(face.Canvas(), look.Items[1].Text, 40);
  EXPECT_NE(shortened, look.Items[1].Text);
  EXPECT_EQ(shortened.substr(shortened.size() - 3), L"...");
  EXPECT_EQ(HeaderCaption(face.Canvas(), L"Name", 120), L"Name");
  EXPECT_EQ(HeaderCaption(face.Canvas(), L"Name", 10), L"");
}

}  // namespace
