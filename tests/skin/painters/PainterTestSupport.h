#pragma once
// Helpers of the painter tests: the built-in skin with its resources, and
// comparisons of a painted bitmap with the skin's own pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "QELSkinReader.h"
#include "QELSkinRes.h"
#include "SkinTestSupport.h"
#include "painters/PainterSkin.h"

struct BuiltInSkinFixture : ::testing::Test {
  void SetUp() override {
    reader.Load(BuiltInSkin(), "");
    ASSERT_TRUE(reader.Loaded());
    scroll.SetReader(&reader);
    tabs.SetReader(&reader);
    progress.SetReader(&reader);
  }
  std::uint32_t Pixel(TSkin2ColorKey key) const { return ColorToPixel(reader.GetColor(key)); }
  const TBitmap& Picture(TSkin2BitmapKey key) const {
    const TBitmap* bitmap = reader.GetBitmap(key);
    EXPECT_NE(bitmap, nullptr);
    static const TBitmap none;
    return bitmap ? *bitmap : none;
  }

  TqelSkinReader reader;
  TqelSkinScrollBtnRes scroll;
  TqelSkinTabRes tabs;
  TqelSkinProgressBarRes progress;
  TPainterSkin skin{reader, scroll, tabs, progress};
};

// Counts the pixels of target's rectangle at (x0, y0) of source's part
// (sx, sy, w, h) that differ from the source, a source pixel of colour
// `skip` expecting `under` instead (skip 0xFFFFFFFF: none).
inline int CountDifferences(const TBitmap& target, int x0, int y0, const TBitmap& source, int sx, int sy, int w, int h,
                            std::uint32_t skip = 0xFFFFFFFFu, std::uint32_t under = 0) {
  int wrong = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint32_t want = Px(source, sx + x, sy + y);
      if (want == skip) want = under;
      if (Px(target, x0 + x, y0 + y) != want) ++wrong;
    }
  return wrong;
}

// Counts the pixels of target outside rect that are not `pixel`.
inline int CountOutside(const TBitmap& target, const RECT& rect, std::uint32_t pixel) {
  int wrong = 0;
  for (int y = 0; y < target.Height(); ++y)
    for (int x = 0; x < target.Width(); ++x) {
      const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
      if (!inside && Px(target, x, y) != pixel) ++wrong;
    }
  return wrong;
}

// Counts the pixels of rect in target that are not `pixel`.
inline int CountInside(const TBitmap& target, const RECT& rect, std::uint32_t pixel) {
  int wrong = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if (Px(target, x, y) != pixel) ++wrong;
  return wrong;
}
