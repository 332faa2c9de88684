#include "menu/QELSkinMdiLayout.h"

#include <algorithm>

namespace {

constexpr int kCascadeStep = 22;
constexpr int kIconsRow = 25;

RECT Sized(int x, int y, int width, int height) {
  return RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

}  // namespace

std::vector<RECT> MdiCascadeRects(int clientWidth, int clientHeight, int count) {
  std::vector<RECT> rects(static_cast<size_t>(std::max(count, 0)));
  const int width = clientWidth * 8 / 10, height = clientHeight * 6 / 10;
  // The last child is placed first, at the corner.
  for (int k = 0; k < count; ++k)
    rects[static_cast<size_t>(count - 1 - k)] = Sized(kCascadeStep * k, kCascadeStep * k, width, height);
  return rects;
}

std::vector<RECT> MdiTileRects(int width, int height, int count, bool stacked, bool iconsRow) {
  std::vector<RECT> rects;
  if (count <= 0) return rects;
  if (iconsRow) height -= kIconsRow;
  if (stacked) {
    const int share = height / count;
    const int each = share - 2 - (count == 1 ? 2 : 0);
    for (int i = 0; i < count; ++i) rects.push_back(Sized(0, share * i, width - 4, each));
  } else {
    const int share = width / count;
    for (int i = 0; i < count; ++i) rects.push_back(Sized(share * i, 0, share - 2, height - 4));
  }
  return rects;
}
