// Gradients against the rule written out here on its own: first row the
// start colour, last row the end colour, row i between them per channel
// start + (end - start) / n * (i - 1), rounded to nearest, ties to even.
#include "QELSkinUtilsGradient.h"

#include <gtest/gtest.h>

#include <cmath>

#include "SkinTestSupport.h"

namespace {

int RoundHalfEven(double v) {
  const double below = std::floor(v);
  const double fraction = v - below;
  if (fraction > 0.5) return static_cast<int>(below) + 1;
  if (fraction < 0.5) return static_cast<int>(below);
  return static_cast<long long>(below) % 2 == 0 ? static_cast<int>(below) : static_cast<int>(below) + 1;
}

// Expected pixel (0x00RRGGBB) of step i of n between two TColor values.
std::uint32_t Expected(TColor start, TColor end, int i, int n) {
  if (i == 0) return ColorToPixel(start);
  if (i == n - 1) return ColorToPixel(end);
  int rgb[3];
  for (int k = 0; k < 3; ++k) {
    const int a = (start >> (8 * k)) & 0xFF, b = (end >> (8 * k)) & 0xFF;
    rgb[k] = (a + RoundHalfEven(static_cast<double>(b - a) / n * (i - 1))) & 0xFF;
  }
  return ColorToPixel(MakeColor(static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                                static_cast<std::uint8_t>(rgb[2])));
}

constexpr std::uint32_t kBack = 0x5A5A5A;

}  // namespace

TEST(DrawVerticalGradient, MatchesTheRuleForHeights1And2And255) {
  const TColor top = MakeColor(0x00, 0xFF, 0x10), bottom = MakeColor(0xFF, 0x00, 0xF0);
  for (int n : {1, 2, 3, 4, 255}) {
    TBitmap target = Filled(5, n + 2, kBack);
    DrawVerticalGradient(target.Canvas(), RECT{1, 1, 4, 1 + n}, top, bottom);
    for (int i = 0; i < n; ++i)
      for (int x = 1; x < 4; ++x) ASSERT_EQ(Px(target, x, 1 + i), Expected(top, bottom, i, n)) << "n " << n << " row " << i;
    EXPECT_EQ(Px(target, 0, 1), kBack);
    EXPECT_EQ(Px(target, 4, 1), kBack);
    EXPECT_EQ(Px(target, 2, 0), kBack);
    EXPECT_EQ(Px(target, 2, n + 1), kBack);
  }
}

TEST(DrawVerticalGradient, HeightOneIsTheStartColourAndHeightTwoTheEnds) {
  TBitmap one = Filled(2, 1, kBack);
  DrawVerticalGradient(one.Canvas(), RECT{0, 0, 2, 1}, clRed, clBlue);
  EXPECT_EQ(Px(one, 0, 0), 0xFF0000u);
  TBitmap two = Filled(2, 2, kBack);
  DrawVerticalGradient(two.Canvas(), RECT{0, 0, 2, 2}, clRed, clBlue);
  EXPECT_EQ(Px(two, 0, 0), 0xFF0000u);
  EXPECT_EQ(Px(two, 1, 1), 0x0000FFu);
}

TEST(DrawVerticalGradient, TiesRoundToEven) {
  // n = 6, channel 0 -> 3: steps 0.5 * (i - 1): 0, 0.5, 1.0, 1.5 -> 0, 0, 1, 2.
  TBitmap target = Filled(1, 6, kBack);
  DrawVerticalGradient(target.Canvas(), RECT{0, 0, 1, 6}, MakeColor(0, 0, 0), MakeColor(3, 0, 0));
  const std::uint32_t red[6] = {0, 0, 0, 1, 2, 3};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Px(target, 0, i), red[i] << 16) << i;
}

TEST(DrawVerticalGradient, EmptyRectDrawsNothing) {
  TBitmap target = Filled(3, 3, kBack);
  DrawVerticalGradient(target.Canvas(), RECT{0, 2, 3, 2}, clRed, clBlue);
  DrawVerticalGradient(target.Canvas(), RECT{0, 2, 3, 1}, clRed, clBlue);
  DrawHorizontalGradient(target.Canvas(), RECT{2, 0, 2, 3}, clRed, clBlue);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Px(target, x, y), kBack);
}

TEST(DrawHorizontalGradient, MatchesTheRuleByColumns) {
  const TColor left = MakeColor(0x20, 0x40, 0xFF), right = MakeColor(0xE0, 0x41, 0x00);
  for (int n : {1, 2, 255}) {
    TBitmap target = Filled(n + 2, 3, kBack);
    DrawHorizontalGradient(target.Canvas(), RECT{1, 0, 1 + n, 2}, left, right);
    for (int i = 0; i < n; ++i)
      for (int y = 0; y < 2; ++y) ASSERT_EQ(Px(target, 1 + i, y), Expected(left, right, i, n)) << "n " << n << " col " << i;
    EXPECT_EQ(Px(target, 1, 2), kBack);
    EXPECT_EQ(Px(target, 0, 0), kBack);
  }
}
