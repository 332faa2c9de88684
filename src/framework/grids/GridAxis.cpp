#include "framework/grids/GridAxis.h"

#include <algorithm>

void TGridAxis::SetCount(int count) {
  count_ = std::max(count, 1);
  if (!extents_.empty()) extents_.resize(static_cast<size_t>(count_), default_);
}

void TGridAxis::SetDefaultExtent(int extent) {
  default_ = std::max(extent, 0);
  extents_.clear();
}

int TGridAxis::Extent(int index) const noexcept {
  if (index < 0 || index >= count_) return 0;
  return extents_.empty() ? default_ : extents_[static_cast<size_t>(index)];
}

void TGridAxis::SetExtent(int index, int extent) {
  if (index < 0 || index >= count_) return;
  if (extents_.empty()) extents_.assign(static_cast<size_t>(count_), default_);
  extents_[static_cast<size_t>(index)] = std::max(extent, 0);
}

void TGridAxis::Move(int from, int to) {
  if (extents_.empty() || from == to || from < 0 || to < 0 || from >= count_ || to >= count_) return;
  MoveBlock(extents_.begin(), from, to);
}

int TGridAxis::FixedEnd() const noexcept {
  int p = 0;
  for (int i = 0; i < fixed_; ++i) p += Pitch(i);
  return p;
}

std::optional<TAxisSpan> TGridAxis::Span(int index) const noexcept {
  if (index < 0 || index >= count_) return std::nullopt;
  int p = 0;
  if (index < fixed_) {
    for (int i = 0; i < index; ++i) p += Pitch(i);
  } else {
    if (index < first_) return std::nullopt;
    p = FixedEnd();
    for (int i = first_; i < index; ++i) p += Pitch(i);
  }
  return TAxisSpan{p, p + Extent(index)};
}

int TGridAxis::IndexAt(int p, int client) const noexcept {
  if (p < 0 || p >= client) return -1;
  int end = 0;
  for (int i = 0; i < fixed_; ++i) {
    end += Pitch(i);
    if (p < end) return i;
  }
  for (int i = first_; i < count_ && end < client; ++i) {
    end += Pitch(i);
    if (p < end) return i;
  }
  return -1;
}

int TGridAxis::LastVisible(int client) const noexcept {
  int p = FixedEnd();
  int last = fixed_ - 1;
  for (int i = first_; i < count_ && p < client; ++i) {
    last = i;
    p += Pitch(i);
  }
  return last;
}

int TGridAxis::FullyVisibleCount(int client) const noexcept {
  int p = FixedEnd();
  int n = 0;
  for (int i = first_; i < count_ && p + Extent(i) <= client; ++i) {
    ++n;
    p += Pitch(i);
  }
  return n;
}

int TGridAxis::MaxFirst(int client) const noexcept {
  // Walk back from the last item while the items from i on still fit.
  const int room = client - FixedEnd();
  int used = Extent(count_ - 1);
  int first = count_ - 1;
  for (int i = count_ - 2; i >= fixed_; --i) {
    used += Pitch(i);
    if (used > room) break;
    first = i;
  }
  return std::max(first, fixed_);
}

int TGridAxis::FirstShowing(int index, int client) const noexcept {
  if (index < fixed_) return first_;
  if (index < first_) return index;
  const int room = client - FixedEnd();
  // Pixels from First's start to the end of index.
  int used = Extent(index);
  for (int i = first_; i < index; ++i) used += Pitch(i);
  int first = first_;
  while (used > room && first < index) used -= Pitch(first++);
  return first;
}

int TGridAxis::Distance(int a, int b) const noexcept {
  int d = 0;
  for (int i = std::min(a, b); i < std::max(a, b); ++i) d += Pitch(i);
  return b >= a ? d : -d;
}
