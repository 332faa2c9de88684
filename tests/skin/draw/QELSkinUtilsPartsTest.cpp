// Placement of three-part pictures, three-frame bars and nine-grids:
// caps and corners 1:1 and cut where there is no room, middles and edges
// stretched.
#include "QELSkinUtilsParts.h"

#include <gtest/gtest.h>

#include <set>

#include "SkinTestSupport.h"

namespace {

constexpr std::uint32_t kBack = 0x202020;

// Distinct colours by source row, the same across the row.
std::uint32_t RowColor(int y) { return 0x400000u + static_cast<unsigned>(y) * 0x010101u; }
std::uint32_t ColColor(int x) { return 0x800000u + static_cast<unsigned>(x) * 0x010101u; }

// The target row's single colour, or 0xFFFFFFFF when the row [x0, x1) is
// not one colour.
std::uint32_t RowOf(const TBitmap& bitmap, int y, int x0, int x1) {
  const std::uint32_t first = Px(bitmap, x0, y);
  for (int x = x0; x < x1; ++x)
    if (Px(bitmap, x, y) != first) return 0xFFFFFFFF;
  return first;
}

}  // namespace

TEST(DrawThreePart, VerticalCapsKeepTheirRowsAndTheMiddleStretches) {
  const TBitmap source = MakeBitmap(4, 9, [](int, int y) { return RowColor(y); });
  TBitmap target = Filled(10, 24, kBack);
  DrawThreePartV(source, target.Canvas(), RECT{2, 1, 8, 21}, 0);  // cap 9 div 3 = 3

  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(RowOf(target, 1 + i, 2, 8), RowColor(i)) << "top cap row " << i;
    EXPECT_EQ(RowOf(target, 18 + i, 2, 8), RowColor(6 + i)) << "bottom cap row " << i;
  }
  // Rows 4..17: the middle rows 3..5 in order, each at least once.
  std::set<std::uint32_t> seen;
  int last = 3;
  for (int y = 4; y < 18; ++y) {
    const std::uint32_t color = RowOf(target, y, 2, 8);
    const int row = static_cast<int>((color - 0x400000u) / 0x010101u);
    ASSERT_TRUE(row >= last && row <= 5) << "row " << y;
    last = row;
    seen.insert(color);
  }
  EXPECT_EQ(seen.size(), 3u);
  // Nothing outside the rectangle.
  for (int y = 0; y < 24; ++y) {
    EXPECT_EQ(Px(target, 1, y), kBack);
    EXPECT_EQ(Px(target, 8, y), kBack);
  }
  EXPECT_EQ(RowOf(target, 0, 0, 10), kBack);
  EXPECT_EQ(RowOf(target, 21, 0, 10), kBack);
}

TEST(DrawThreePart, ShortRectKeepsTheOuterRowsOfEachCap) {
  const TBitmap source = MakeBitmap(2, 9, [](int, int y) { return RowColor(y); });
  TBitmap target = Filled(2, 4, kBack);
  DrawThreePartV(source, target.Canvas(), RECT{0, 0, 2, 2}, 3);
  // Two rows for two caps of three: the bottom cap, drawn last, shows its
  // lowest two rows.
  EXPECT_EQ(RowOf(target, 0, 0, 2), RowColor(7));
  EXPECT_EQ(RowOf(target, 1, 0, 2), RowColor(8));
  EXPECT_EQ(RowOf(target, 2, 0, 2), kBack);
}

TEST(DrawThreePart, HorizontalIsTheSameAcross) {
  const TBitmap source = MakeBitmap(6, 2, [](int x, int) { return ColColor(x); });
  TBitmap target = Filled(20, 3, kBack);
  DrawThreePartH(source, target.Canvas(), RECT{1, 0, 19, 3}, 2);
  EXPECT_EQ(Px(target, 1, 1), ColColor(0));
  EXPECT_EQ(Px(target, 2, 1), ColColor(1));
  EXPECT_EQ(Px(target, 17, 1), ColColor(4));
  EXPECT_EQ(Px(target, 18, 1), ColColor(5));
  for (int x = 3; x < 17; ++x) {
    const std::uint32_t p = Px(target, x, 2);
    EXPECT_TRUE(p == ColColor(2) || p == ColColor(3)) << x;
  }
  EXPECT_EQ(Px(target, 0, 1), kBack);
  EXPECT_EQ(Px(target, 19, 1), kBack);
}

TEST(DrawThreePart, NegativeLeftDrawsNothing) {
  const TBitmap source = Filled(3, 9, 0xABCDEF);
  TBitmap target = Filled(5, 10, kBack);
  DrawThreePartV(source, target.Canvas(), RECT{-1, 0, 4, 10}, 0);
  DrawThreePartH(source, target.Canvas(), RECT{-1, 0, 4, 10}, 0);
  for (int y = 0; y < 10; ++y) ASSERT_EQ(RowOf(target, y, 0, 5), kBack);
}

TEST(DrawThreeFrameBar, CapsAtTheEndsMiddleStretchedMaskedWhenTransparent) {
  // Frames of width 3: red, green, blue, each with a magenta pixel at (1, 0).
  const std::uint32_t colors[3] = {0xFF0000, 0x00FF00, 0x0000FF};
  const TBitmap bar = MakeBitmap(9, 2, [&](int x, int y) { return (x % 3 == 1 && y == 0) ? 0xFF00FF : colors[x / 3]; });

  TBitmap masked = Filled(12, 3, kBack);
  DrawThreeFrameBar(bar, masked.Canvas(), RECT{0, 0, 12, 3}, 0xFF00FF, true);
  EXPECT_EQ(Px(masked, 0, 0), 0xFF0000u);
  EXPECT_EQ(Px(masked, 1, 0), kBack);  // keyed out
  EXPECT_EQ(Px(masked, 1, 1), 0xFF0000u);
  EXPECT_EQ(Px(masked, 10, 0), kBack);
  EXPECT_EQ(Px(masked, 11, 1), 0x0000FFu);
  for (int x = 3; x < 9; ++x) EXPECT_EQ(Px(masked, x, 1), 0x00FF00u) << x;
  EXPECT_EQ(RowOf(masked, 2, 0, 12), kBack);  // drawn at the bitmap's height only

  TBitmap opaque = Filled(12, 2, kBack);
  DrawThreeFrameBar(bar, opaque.Canvas(), RECT{0, 0, 12, 2}, 0xFF00FF, false);
  EXPECT_EQ(Px(opaque, 1, 0), 0xFF00FFu);
  EXPECT_EQ(Px(opaque, 10, 0), 0xFF00FFu);

  // Narrower than one frame: frame 1 cut to the width.
  TBitmap narrow = Filled(4, 2, kBack);
  DrawThreeFrameBar(bar, narrow.Canvas(), RECT{1, 0, 3, 2}, 0xFF00FF, false);
  EXPECT_EQ(Px(narrow, 1, 1), 0xFF0000u);
  EXPECT_EQ(Px(narrow, 2, 0), 0xFF00FFu);
  EXPECT_EQ(Px(narrow, 3, 1), kBack);
}

// A 7 x 7 source split at 3: corners TL 3x3, TR 2x3, BL 3x2, BR 2x2; the
// top edge takes columns 3-4, the left edge and the centre row 3, the
// bottom edge rows 4-6.
TEST(DrawNineGrid, CornersOneToOneEdgesStretched) {
  const TBitmap source = Numbered(7, 7);
  TBitmap target = Filled(20, 16, kBack);
  DrawNineGrid(source, target.Canvas(), RECT{0, 0, 20, 16}, 0xFF00FF, false);

  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Px(target, x, y), NumberOf(x, y)) << "TL " << x << "," << y;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(Px(target, 18 + x, y), NumberOf(5 + x, y)) << "TR";
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(Px(target, x, 14 + y), NumberOf(x, 5 + y)) << "BL";
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(Px(target, 18 + x, 14 + y), NumberOf(5 + x, 5 + y)) << "BR";

  // Top edge between TL and TR: rows 0-2 from columns 3-4.
  for (int y = 0; y < 3; ++y)
    for (int x = 3; x < 18; ++x) {
      const std::uint32_t p = Px(target, x, y);
      EXPECT_TRUE(p == NumberOf(3, y) || p == NumberOf(4, y)) << "top edge " << x << "," << y;
    }
  // Left edge below TL: every row is source row 3; right edge likewise.
  for (int y = 3; y < 13; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Px(target, x, y), NumberOf(x, 3)) << "left edge " << y;
    EXPECT_EQ(Px(target, 18, y), NumberOf(5, 3)) << "right edge " << y;
    EXPECT_EQ(Px(target, 19, y), NumberOf(6, 3)) << "right edge " << y;
  }
  // Centre: row 3 of columns 3-4, up to one row above BR.
  for (int y = 3; y < 13; ++y)
    for (int x = 3; x < 18; ++x) {
      const std::uint32_t p = Px(target, x, y);
      EXPECT_TRUE(p == NumberOf(3, 3) || p == NumberOf(4, 3)) << "centre " << x << "," << y;
    }
  // Bottom edge from one row above BL, one column into TL's width: rows 4-6.
  for (int y = 13; y < 16; ++y)
    for (int x = 2; x < 18; ++x) {
      const std::uint32_t p = Px(target, x, y);
      EXPECT_TRUE(p == NumberOf(3, y - 9) || p == NumberOf(4, y - 9)) << "bottom edge " << x << "," << y;
    }
  // Nothing is left undrawn.
  EXPECT_EQ(0, [&] {
    int n = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 20; ++x) n += Px(target, x, y) == kBack;
    return n;
  }());
}

TEST(DrawNineGrid, CornersAreCutKeepingTheOuterCorner) {
  const TBitmap source = Numbered(9, 9);
  TBitmap target = Filled(4, 4, kBack);
  DrawNineGrid(source, target.Canvas(), RECT{0, 0, 4, 4}, 0xFF00FF, false);
  // Room: TL 2x2, TR 1x2, BL 2x1, BR 1x1.
  EXPECT_EQ(Px(target, 0, 0), NumberOf(0, 0));
  EXPECT_EQ(Px(target, 1, 1), NumberOf(1, 1));
  EXPECT_EQ(Px(target, 3, 0), NumberOf(8, 0));
  EXPECT_EQ(Px(target, 3, 1), NumberOf(8, 1));
  EXPECT_EQ(Px(target, 0, 3), NumberOf(0, 8));
  EXPECT_EQ(Px(target, 3, 3), NumberOf(8, 8));
  // The bottom edge starts one column inside BL and keeps its lowest rows.
  EXPECT_EQ(Px(target, 1, 3), NumberOf(4, 8));
}

TEST(DrawNineGrid, MaskingOfCornersAndEdges) {
  // Magenta at the outer corner pixel and across source row 3 (the row the
  // edges stretch).
  const TBitmap source = MakeBitmap(7, 7, [](int x, int y) { return (x == 0 && y == 0) || y == 3 ? 0xFF00FFu : NumberOf(x, y); });
  TBitmap transparent = Filled(20, 16, kBack);
  DrawNineGrid(source, transparent.Canvas(), RECT{0, 0, 20, 16}, 0xFF00FF, true);
  EXPECT_EQ(Px(transparent, 0, 0), kBack);
  EXPECT_EQ(Px(transparent, 1, 0), NumberOf(1, 0));
  EXPECT_EQ(Px(transparent, 0, 8), kBack);  // left edge, keyed
  EXPECT_EQ(Px(transparent, 10, 8), kBack);  // centre, keyed

  // Opaque corners still key their edges.
  TBitmap opaque = Filled(20, 16, kBack);
  DrawNineGrid(source, opaque.Canvas(), RECT{0, 0, 20, 16}, 0xFF00FF, false);
  EXPECT_EQ(Px(opaque, 0, 0), 0xFF00FFu);
  EXPECT_EQ(Px(opaque, 0, 8), kBack);
}

TEST(DrawNineGrid, EvenHeightFillsTheLeftEdgeAndCentreWithTheMiddleRow) {
  // H = 6: rows hh..H-hh are none; the left edge and the centre use row 3.
  const TBitmap source = Numbered(7, 6);
  TBitmap target = Filled(20, 16, kBack);
  DrawNineGrid(source, target.Canvas(), RECT{0, 0, 20, 16}, 0xFF00FF, false);
  for (int y = 3; y < 13; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Px(target, x, y), NumberOf(x, 3)) << "left edge " << y;
    const std::uint32_t centre = Px(target, 10, y);
    EXPECT_TRUE(centre == NumberOf(3, 3) || centre == NumberOf(4, 3)) << "centre " << y;
  }
}

TEST(DrawNineGrid, FollowsTheRectangleAndSkipsEmptyOnes) {
  const TBitmap source = Numbered(7, 7);
  TBitmap target = Filled(26, 20, kBack);
  DrawNineGrid(source, target.Canvas(), RECT{5, 3, 25, 19}, 0xFF00FF, false);
  EXPECT_EQ(Px(target, 5, 3), NumberOf(0, 0));
  EXPECT_EQ(Px(target, 24, 18), NumberOf(6, 6));
  EXPECT_EQ(Px(target, 4, 3), kBack);
  EXPECT_EQ(Px(target, 5, 2), kBack);
  EXPECT_EQ(Px(target, 25, 19), kBack);

  TBitmap untouched = Filled(4, 4, kBack);
  DrawNineGrid(source, untouched.Canvas(), RECT{0, 0, 4, 0}, 0xFF00FF, false);
  DrawNineGrid(source, untouched.Canvas(), RECT{0, 0, 0, 4}, 0xFF00FF, false);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(RowOf(untouched, y, 0, 4), kBack);
}
