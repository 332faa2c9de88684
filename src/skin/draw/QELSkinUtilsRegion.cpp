#include "QELSkinUtilsRegion.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

void AddWhole(std::vector<RECT>& rects, int width, int top, int bottom) {
  if (width > 0 && bottom > top) rects.push_back(RECT{0, top, width, bottom});
}

// One band: the rows of bitmap placed at y offset `at`.
void AddBand(std::vector<RECT>& rects, const TBitmap& bitmap, int at, int width, TColor key, int minY, int maxY) {
  const int height = bitmap.Height();
  const int start = std::clamp(minY < 0 ? 0 : minY, 0, height);
  const int end = std::clamp(minY >= maxY ? height : maxY + 1, start, height);
  if (minY >= 1) AddWhole(rects, width, at, at + start);

  const int bw = bitmap.Width();
  if (bw > 0 && end > start) {
    const bool noKey = key == clNone || key == -1;
    const std::uint32_t k = noKey ? 0 : (ColorToPixel(key) & 0xFFFFFF);
    const std::uint32_t* bits = bitmap.Bits();
    for (int y = start; y < end; ++y) {
      const std::uint32_t* row = bits + static_cast<std::ptrdiff_t>(y) * bw;
      int x = 0;
      while (x < bw) {
        while (x < bw && !noKey && (row[x] & 0xFFFFFF) == k) ++x;
        const int runStart = x;
        while (x < bw && (noKey || (row[x] & 0xFFFFFF) != k)) ++x;
        if (x > runStart) rects.push_back(RECT{runStart, at + y, x, at + y + 1});
      }
    }
  }
  AddWhole(rects, width, at + end, at + height);
}

}  // namespace

std::vector<RECT> SkinRegionRects(const TSkinRegionShape& Layout) {
  std::vector<RECT> rects;
  const bool title = Layout.UseTitle && Layout.TitleBitmap && !Layout.TitleBitmap->Empty();
  const bool bottom = Layout.UseBottom && Layout.BottomBitmap && !Layout.BottomBitmap->Empty();
  const int th = title ? Layout.TitleBitmap->Height() : 0;
  const int bh = bottom ? Layout.BottomBitmap->Height() : 0;
  if (title)
    AddBand(rects, *Layout.TitleBitmap, 0, Layout.Width, Layout.TransparentColor, Layout.TitleMinY, Layout.TitleMaxY);
  AddWhole(rects, Layout.Width, th, Layout.Height - bh);
  if (bottom)
    AddBand(rects, *Layout.BottomBitmap, Layout.Height - bh, Layout.Width, Layout.TransparentColor, Layout.BottomMinY,
            Layout.BottomMaxY);
  return rects;
}

UniqueRegion CreateSkinRegion(const TSkinRegionShape& Layout) {
  const std::vector<RECT> rects = SkinRegionRects(Layout);
  // One RGNDATA with every rectangle: ExtCreateRegion joins them at once,
  // far cheaper than a CombineRgn per run.
  std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof(RGNDATAHEADER);
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(rects.size());
  header.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  header.rcBound = RECT{0, 0, 0, 0};
  for (const RECT& r : rects) ::UnionRect(&header.rcBound, &header.rcBound, &r);
  std::memcpy(buffer.data(), &header, sizeof(header));
  if (!rects.empty()) std::memcpy(buffer.data() + sizeof(header), rects.data(), rects.size() * sizeof(RECT));
  if (rects.empty()) return UniqueRegion(::CreateRectRgn(0, 0, 0, 0));
  return UniqueRegion(
      ::ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), reinterpret_cast<const RGNDATA*>(buffer.data())));
}

bool BuildSkinRegion(HWND Window, const TBitmap* TitleBitmap, const TBitmap* BottomBitmap, int Width, int Height,
                     TColor TransparentColor, int TitleMinY, int TitleMaxY, int BottomMinY, int BottomMaxY,
                     bool UseTitle, bool UseBottom) {
  if (!Window) return false;
  UniqueRegion region = CreateSkinRegion(TSkinRegionShape{TitleBitmap, BottomBitmap, Width, Height, TransparentColor,
                                                         TitleMinY, TitleMaxY, BottomMinY, BottomMaxY, UseTitle,
                                                         UseBottom});
  if (!region) return false;
  // After a successful call the window owns the region; after a failed
  // one it is still ours to delete.
  HRGN handle = region.release();
  if (!::SetWindowRgn(Window, handle, TRUE)) {
    ::DeleteObject(handle);
    return false;
  }
  return true;
}
