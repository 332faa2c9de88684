// Window outlines: the region's own rectangles against a pixel scan made
// here, on generated pictures and on a title composed from the built-in
// skin.
#include "QELSkinUtilsRegion.h"

#include <gtest/gtest.h>

#include "QELSkinReader.h"
#include "QELSkinUtilsBitmap.h"
#include "SkinTestSupport.h"

namespace {

constexpr std::uint32_t kKey = 0xFF00FF;
using Mask = std::vector<std::vector<bool>>;

// The expected outline, pixel by pixel: rows [scanFrom, scanTo) of the
// title and bottom pictures keep only their non-key pixels, everything
// else of the width x height window belongs to it.
Mask Scan(const TBitmap* title, int titleFrom, int titleTo, const TBitmap* bottom, int bottomFrom, int bottomTo,
          int width, int height) {
  Mask mask(static_cast<std::size_t>(height), std::vector<bool>(width, true));
  auto cut = [&](const TBitmap& picture, int at, int from, int to) {
    for (int y = from; y < to; ++y)
      for (int x = 0; x < width; ++x)
        mask[static_cast<std::size_t>(at + y)][static_cast<std::size_t>(x)] =
            x < picture.Width() && Px(picture, x, y) != kKey;
  };
  if (title) cut(*title, 0, titleFrom, titleTo);
  if (bottom) cut(*bottom, height - bottom->Height(), bottomFrom, bottomTo);
  return mask;
}

Mask Outline(const TSkinRegionShape& shape) {
  UniqueRegion region = CreateSkinRegion(shape);
  EXPECT_TRUE(region);
  return RegionMask(region.get(), shape.Width, shape.Height);
}

// A 12 x 6 picture with magenta corners (rows 0-1) and a magenta pixel in
// row 4.
TBitmap Corners() {
  return MakeBitmap(12, 6, [](int x, int y) {
    const bool corner = (y == 0 && (x < 3 || x > 8)) || (y == 1 && (x == 0 || x == 11)) || (y == 4 && x == 6);
    return corner ? kKey : 0x336699u;
  });
}

}  // namespace

TEST(BuildSkinRegion, ScannedRowsLoseTheirTransparentPixels) {
  const TBitmap title = Corners();
  TSkinRegionShape shape{&title, nullptr, 12, 20, 0xFF00FF, 0, 1, -1, -1, true, false};
  EXPECT_EQ(Outline(shape), Scan(&title, 0, 2, nullptr, 0, 0, 12, 20));

  // Scan limits: rows 2-4 only; rows 0-1 belong whole even though they
  // hold magenta.
  shape.TitleMinY = 2;
  shape.TitleMaxY = 4;
  EXPECT_EQ(Outline(shape), Scan(&title, 2, 5, nullptr, 0, 0, 12, 20));

  // MinY >= MaxY scans to the last row; -1 starts at row 0.
  shape.TitleMinY = -1;
  shape.TitleMaxY = -1;
  EXPECT_EQ(Outline(shape), Scan(&title, 0, 6, nullptr, 0, 0, 12, 20));

  // A MaxY past the picture stops at its last row.
  shape.TitleMinY = 3;
  shape.TitleMaxY = 40;
  EXPECT_EQ(Outline(shape), Scan(&title, 3, 6, nullptr, 0, 0, 12, 20));
}

TEST(BuildSkinRegion, BottomBandSitsAtTheWindowBottom) {
  const TBitmap title = Corners();
  TBitmap bottom = Corners();
  RotateBitmap180(bottom);  // magenta corners in the last two rows
  TSkinRegionShape shape{&title, &bottom, 12, 20, 0xFF00FF, 0, 1, -1, -1, true, true};
  EXPECT_EQ(Outline(shape), Scan(&title, 0, 2, &bottom, 0, 6, 12, 20));
  // Without UseTitle/UseBottom the window is a plain rectangle.
  shape.UseTitle = shape.UseBottom = false;
  EXPECT_EQ(Outline(shape), Scan(nullptr, 0, 0, nullptr, 0, 0, 12, 20));
}

TEST(BuildSkinRegion, BuiltInTitleRowsZeroToFive) {
  TqelSkinReader reader(BuiltInSkin(), "");
  ASSERT_TRUE(reader.Loaded());
  const TBitmap& left = *reader.GetBitmap(SKIN2_TITLEBAR1);
  const TBitmap& middle = *reader.GetBitmap(SKIN2_TITLEBAR2);
  const TBitmap& right = *reader.GetBitmap(SKIN2_TITLEBAR5);
  // A 200-pixel title the way a frame lays it out: left part, middle
  // stretched, right part.
  TBitmap title(200, left.Height());
  title.Canvas().Draw(0, 0, left);
  title.Canvas().StretchDraw(RECT{left.Width(), 0, 200 - right.Width(), left.Height()}, middle);
  title.Canvas().Draw(200 - right.Width(), 0, right);

  const int minY = reader.GetMetric(SKIN2_TITLEBARREGIONMINY);
  const int maxY = reader.GetMetric(SKIN2_TITLEBARREGIONMAXY);
  ASSERT_EQ(minY, 0);
  ASSERT_EQ(maxY, 5);
  TSkinRegionShape shape{&title, nullptr, 200, 120, reader.GetColor(SKIN2_TRANSCOLOR), minY, maxY,
                       reader.GetMetric(SKIN2_BOTTOMREGIONMINY), reader.GetMetric(SKIN2_BOTTOMREGIONMAXY), true,
                       false};
  const Mask outline = Outline(shape);
  EXPECT_EQ(outline, Scan(&title, 0, 6, nullptr, 0, 0, 200, 120));
  int cut = 0;
  for (const auto& row : outline)
    for (bool inside : row) cut += !inside;
  EXPECT_GT(cut, 0) << "the built-in title has rounded corners";
  // Magenta below row 5 (if any) stays inside.
  for (int y = 6; y < title.Height(); ++y)
    for (int x = 0; x < 200; ++x) ASSERT_TRUE(outline[y][x]);

  // Installed on a window, the region is what GetWindowRgn hands back.
  HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 120, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(BuildSkinRegion(window, &title, nullptr, 200, 120, shape.TransparentColor, minY, maxY, -1, -1, true,
                              false));
  UniqueRegion installed(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(window, installed.get()), ERROR);
  EXPECT_EQ(RegionMask(installed.get(), 200, 120), outline);
  ::DestroyWindow(window);
  EXPECT_FALSE(BuildSkinRegion(nullptr, &title, nullptr, 200, 120, 0xFF00FF, 0, 5, -1, -1, true, false));
}
