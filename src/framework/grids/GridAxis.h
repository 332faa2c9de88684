#pragma once
// TGridAxis: one direction of a grid as arithmetic, without a window.
//
// The axis has Count items (columns or rows); the first FixedCount of them
// stay in place, the others scroll, First being the scrollable item shown
// right after the fixed ones. Every item is followed by a grid line of
// LineWidth pixels. Positions are pixels from the client edge:
//
//   | fixed 0 |l| fixed 1 |l| First |l| First+1 |l| ...      (client edge)
//
// A caller passes the client extent (width or height) to the questions
// that depend on it.
#include <algorithm>
#include <optional>
#include <vector>

// Moves the block of size elements at block index from to block index to
// in the sequence at first; the blocks between shift by one. Indexes are
// the caller's to check.
template <typename It>
void MoveBlock(It first, int from, int to, int size = 1) {
  if (from < to)
    std::rotate(first + from * size, first + (from + 1) * size, first + (to + 1) * size);
  else if (to < from)
    std::rotate(first + to * size, first + from * size, first + (from + 1) * size);
}

// Pixels [Start, End) of an item on screen; its line follows at End.
struct TAxisSpan {
  int Start = 0;
  int End = 0;
};

class TGridAxis {
 public:
  TGridAxis(int count, int fixedCount, int defaultExtent) noexcept
      : count_(count), fixed_(fixedCount), first_(fixedCount), default_(defaultExtent) {}

  // Attributes
  int Count() const noexcept { return count_; }
  // At least 1. Set extents of dropped items are forgotten; FixedCount and
  // First are the caller's to keep in range.
  void SetCount(int count);
  int FixedCount() const noexcept { return fixed_; }
  void SetFixedCount(int fixedCount) noexcept { fixed_ = fixedCount; }
  int First() const noexcept { return first_; }
  void SetFirst(int first) noexcept { first_ = first; }
  int DefaultExtent() const noexcept { return default_; }
  // Also forgets every item's own extent, as the platform's grids do.
  void SetDefaultExtent(int extent);
  int Extent(int index) const noexcept;
  void SetExtent(int index, int extent);
  // The item at from takes the place at to; those between shift by one.
  void Move(int from, int to);
  int LineWidth() const noexcept { return line_; }
  void SetLineWidth(int width) noexcept { line_ = width < 0 ? 0 : width; }

  // Geometry
  // Pixels taken by the fixed items and their lines.
  int FixedEnd() const noexcept;
  // Where index is shown, or nothing when it is scrolled away (a
  // scrollable index before First). Indexes past the client edge still
  // get their span.
  std::optional<TAxisSpan> Span(int index) const noexcept;
  // The item at pixel p (its line counts as part of it), or -1 past the
  // last item or outside [0, client).
  int IndexAt(int p, int client) const noexcept;
  // The last item that shows at least one pixel.
  int LastVisible(int client) const noexcept;
  // Scrollable items from First that show completely (may be 0).
  int FullyVisibleCount(int client) const noexcept;
  // The largest First that still fills the client: from it on, every
  // item up to the last one shows completely (or just the last one when
  // it alone is too big).
  int MaxFirst(int client) const noexcept;
  // The First that shows index completely with the least movement from the
  // current one (index itself when it does not fit).
  int FirstShowing(int index, int client) const noexcept;
  // Calls f(index, span) for every item that shows at least one pixel, the
  // fixed ones first.
  template <typename F>
  void ForEachVisible(int client, F&& f) const {
    int p = 0;
    auto visit = [&](int i) {
      const TAxisSpan span{p, p + Extent(i)};
      p += Pitch(i);
      f(i, span);
    };
    for (int i = 0; i < fixed_ && p < client; ++i) visit(i);
    for (int i = first_; i < count_ && p < client; ++i) visit(i);
  }
  // Pixels from the start of item a to the start of item b (negative when
  // b comes first); both scrollable.
  int Distance(int a, int b) const noexcept;

 private:
  int Pitch(int index) const noexcept { return Extent(index) + line_; }

  int count_;
  int fixed_;
  int first_;
  int default_;
  int line_ = 1;
  std::vector<int> extents_;  // own extents; empty or Count long
};
