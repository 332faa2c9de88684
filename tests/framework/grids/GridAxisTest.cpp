// The arithmetic of one grid direction, on an axis with uneven items:
// 8 items, 2 fixed, 10 px each with 1 px lines, item 3 is 30 px, item 5 is
// empty, scrolled so that item 4 follows the fixed ones.
#include "framework/grids/GridAxis.h"

#include <gtest/gtest.h>

namespace {

TGridAxis Uneven() {
  TGridAxis axis(8, 2, 10);
  axis.SetExtent(3, 30);
  axis.SetExtent(5, 0);
  axis.SetFirst(4);
  return axis;
}

TEST(GridAxisTest, ItemsSitAfterTheFixedOnesFromFirstOn) {
  const TGridAxis axis = Uneven();
  EXPECT_EQ(axis.FixedEnd(), 22);
  struct Case {
    int index;
    bool shown;
    int start, end;
  };
  const Case cases[] = {{0, true, 0, 10}, {1, true, 11, 21},  {2, false, 0, 0},   {3, false, 0, 0},
                        {4, true, 22, 32}, {5, true, 33, 33}, {6, true, 34, 44}, {7, true, 45, 55},
                        {8, false, 0, 0},  {-1, false, 0, 0}};
  for (const Case& c : cases) {
    const auto span = axis.Span(c.index);
    ASSERT_EQ(span.has_value(), c.shown) << c.index;
    if (!span) continue;
    EXPECT_EQ(span->Start, c.start) << c.index;
    EXPECT_EQ(span->End, c.end) << c.index;
  }
  // Visiting the visible items gives the same spans, fixed ones first.
  std::vector<int> visited;
  axis.ForEachVisible(40, [&](int i, const TAxisSpan& s) {
    visited.push_back(i);
    EXPECT_EQ(s.Start, axis.Span(i)->Start);
  });
  EXPECT_EQ(visited, (std::vector<int>{0, 1, 4, 5, 6}));
}

TEST(GridAxisTest, PixelsFindTheirItemLinesIncluded) {
  const TGridAxis axis = Uneven();
  const std::pair<int, int> cases[] = {{0, 0}, {10, 0}, {11, 1}, {21, 1}, {22, 4}, {32, 4},
                                       {33, 5}, {34, 6}, {45, 7}, {55, 7}, {56, -1}, {-1, -1}};
  for (auto [p, index] : cases) EXPECT_EQ(axis.IndexAt(p, 60), index) << p;
  EXPECT_EQ(axis.IndexAt(50, 50), -1);  // outside the client
}

TEST(GridAxisTest, ViewQuestionsDependOnTheClientExtent) {
  const TGridAxis axis = Uneven();
  struct Case {
    int client;
    int lastVisible, fullyVisible, maxFirst;
  };
  const Case cases[] = {
      {40, 6, 2, 7},    // item 6 shows partly; the room of 18 holds item 7 alone
      {34, 5, 2, 7},    // item 6 starts at the edge
      {50, 7, 3, 5},    // the last three fit from item 5 on
      {30, 4, 0, 7},    // room for not even the last item alone
      {1000, 7, 4, 2},  // everything fits: no scrolling
  };
  for (const Case& c : cases) {
    EXPECT_EQ(axis.LastVisible(c.client), c.lastVisible) << c.client;
    EXPECT_EQ(axis.FullyVisibleCount(c.client), c.fullyVisible) << c.client;
    EXPECT_EQ(axis.MaxFirst(c.client), c.maxFirst) << c.client;
  }
  const std::pair<int, int> showing[] = {{7, 5}, {6, 4}, {3, 3}, {1, 4}};  // index -> First
  for (auto [index, first] : showing) EXPECT_EQ(axis.FirstShowing(index, 50), first) << index;
  EXPECT_EQ(axis.Distance(4, 7), 23);
  EXPECT_EQ(axis.Distance(7, 4), -23);
}

TEST(GridAxisTest, CountsAndDefaultsKeepOrForgetOwnExtents) {
  TGridAxis axis = Uneven();
  axis.SetCount(6);
  EXPECT_EQ(axis.Extent(3), 30);
  axis.SetCount(10);
  EXPECT_EQ(axis.Extent(9), 10);  // new items take the default
  EXPECT_EQ(axis.Extent(10), 0);  // no such item
  axis.Move(3, 6);  // 30 px travels, those after it come forward
  EXPECT_EQ(axis.Extent(6), 30);
  EXPECT_EQ(axis.Extent(4), 0);
  axis.Move(6, 1);
  EXPECT_EQ(axis.Extent(1), 30);
  EXPECT_EQ(axis.Extent(5), 0);
  axis.SetCount(0);
  EXPECT_EQ(axis.Count(), 1);
  axis.SetCount(10);
  axis.SetExtent(3, -5);
  EXPECT_EQ(axis.Extent(3), 0);
  axis.SetDefaultExtent(12);
  EXPECT_EQ(axis.Extent(3), 12);
  EXPECT_EQ(axis.Extent(5), 12);
}

}  // namespace
