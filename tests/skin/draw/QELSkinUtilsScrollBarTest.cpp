// Scroll bars drawn from the built-in skin's pieces: buttons in the end
// squares, caps at the thumb's ends, the grip centred or stretched.
#include "QELSkinUtilsScrollBar.h"

#include <gtest/gtest.h>

#include "QELSkinUtilsBitmap.h"
#include "SkinPackageBuilder.h"
#include "SkinTestSupport.h"

namespace {

// Rows [from, to) of target (columns [x0, x0 + piece width)) equal rows
// [pieceFrom, ...) of piece.
void ExpectRows(const TBitmap& target, int x0, int from, int to, const TBitmap& piece, int pieceFrom, const char* what) {
  for (int y = from; y < to; ++y)
    for (int x = 0; x < piece.Width(); ++x)
      ASSERT_EQ(Px(target, x0 + x, y), Px(piece, x, pieceFrom + y - from)) << what << " at " << x << "," << y;
}

struct ScrollBarFixture : ::testing::Test {
  void SetUp() override {
    reader.Load(BuiltInSkin(), "");
    ASSERT_TRUE(reader.Loaded());
    res.SetReader(&reader);
  }
  TqelSkinReader reader;
  TqelSkinScrollBtnRes res;
};

}  // namespace

TEST_F(ScrollBarFixture, VerticalBarWithALongThumb) {
  TBitmap target = Filled(18, 200, 0);
  DrawSkinScrollBar(target.Canvas(), res, RECT{0, 0, 18, 200}, RECT{0, 18, 18, 100}, true, true);
  ExpectRows(target, 0, 0, 18, *res.GetVertButton(1), 0, "up button");
  ExpectRows(target, 0, 182, 200, *res.GetVertButton(4), 0, "down button");
  // D = 82, M = 76, grip 19 high: E = 28, grip at 18 + 3 + 28 = 49.
  ExpectRows(target, 0, 18, 21, *res.GetVertThumb(1), 0, "top cap");
  ExpectRows(target, 0, 97, 100, *res.GetVertThumb(5), 0, "bottom cap");
  ExpectRows(target, 0, 49, 68, *res.GetVertThumb(3), 0, "grip");
  // The fills are stretched: every row is one of the fill's rows.
  auto rowIsOneOf = [&](int y, const TBitmap& piece) {
    for (int r = 0; r < piece.Height(); ++r) {
      bool same = true;
      for (int x = 0; x < 18 && same; ++x) same = Px(target, x, y) == Px(piece, x, r);
      if (same) return true;
    }
    return false;
  };
  for (int y = 21; y < 49; ++y) EXPECT_TRUE(rowIsOneOf(y, *res.GetVertThumb(2))) << "upper fill row " << y;
  for (int y = 68; y < 97; ++y) EXPECT_TRUE(rowIsOneOf(y, *res.GetVertThumb(4))) << "lower fill row " << y;
  // The channel shows the scroll-bar colour.
  const std::uint32_t channel = ColorToPixel(reader.GetColor(SKIN2_SCROLLBARCOLOR));
  for (int y = 100; y < 182; ++y)
    for (int x = 0; x < 18; ++x) ASSERT_EQ(Px(target, x, y), channel) << x << "," << y;
}

TEST_F(ScrollBarFixture, ShortThumbStretchesTheGripAndCutsTheBottomCap) {
  TBitmap target = Filled(18, 100, 0);
  DrawSkinScrollBar(target.Canvas(), res, RECT{0, 0, 18, 100}, RECT{0, 40, 18, 44}, true, true);
  // D = 4: the bottom cap starts at row max(0, 3 - 2) = 1 of its piece.
  ExpectRows(target, 0, 42, 44, *res.GetVertThumb(5), 1, "bottom cap");
  ExpectRows(target, 0, 40, 42, *res.GetVertThumb(1), 0, "top cap");
}

TEST_F(ScrollBarFixture, NoThumbMeansButtonsAndChannelOnly) {
  TBitmap target = Filled(60, 18, 0);
  DrawSkinScrollBar(target.Canvas(), res, RECT{0, 0, 60, 18}, RECT{20, 0, 40, 18}, false, false);
  const TBitmap& left = *res.GetHorzButton(1);
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 18; ++x) {
      ASSERT_EQ(Px(target, x, y), Px(left, x, y));
      ASSERT_EQ(Px(target, 42 + x, y), Px(*res.GetHorzButton(4), x, y));
    }
  const std::uint32_t channel = ColorToPixel(reader.GetColor(SKIN2_SCROLLBARCOLOR));
  for (int x = 18; x < 42; ++x) EXPECT_EQ(Px(target, x, 9), channel) << x;
}

TEST_F(ScrollBarFixture, HorizontalThumbUsesTheTurnedPieces) {
  TBitmap target = Filled(200, 18, 0);
  DrawSkinScrollBar(target.Canvas(), res, RECT{0, 0, 200, 18}, RECT{30, 0, 130, 18}, true, false);
  const TBitmap& leftCap = *res.GetHorzThumb(1);
  const TBitmap& rightCap = *res.GetHorzThumb(5);
  for (int y = 0; y < 18; ++y) {
    for (int x = 0; x < leftCap.Width(); ++x) ASSERT_EQ(Px(target, 30 + x, y), Px(leftCap, x, y));
    for (int x = 0; x < rightCap.Width(); ++x)
      ASSERT_EQ(Px(target, 130 - rightCap.Width() + x, y), Px(rightCap, x, y));
  }
  // Grip centred: D = 100, M = 94, E = (94 - 19) div 2 = 37, at 30 + 3 + 37.
  const TBitmap& grip = *res.GetHorzThumb(3);
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < grip.Width(); ++x) ASSERT_EQ(Px(target, 70 + x, y), Px(grip, x, y));
}

TEST(DrawSkinScrollBar, WholeBarSkinDrawsThreePartsWhenLongEnough) {
  // The whole-bar skin: 12 x 33 thumb picture of three 11-row bands.
  const TBitmap bar = MakeBitmap(12, 33, [](int x, int y) {
    if (x == 1 && y == 10) return ColorToPixel(0xB23901);
    return y < 11 ? 0x110000u : y < 22 ? 0x220000u : 0x330000u;
  });
  const auto path = TSkinPackageBuilder()
                        .Integer("SKIN2_TRANSCOLOR", 0xFF00FF)
                        .Integer("SKIN2_SCROLLBARCOLOR", 0xCBCBCB)
                        .Bitmap("SKIN2_SCROLLBAR", bar)
                        .Write(std::filesystem::current_path() / "wholebar.qsk");
  TqelSkinReader reader(path, "");
  TqelSkinScrollBtnRes res;
  res.SetReader(&reader);
  ASSERT_TRUE(res.UseWholeBar());
  TBitmap target = Filled(12, 100, 0);
  DrawSkinScrollBar(target.Canvas(), res, RECT{0, 0, 12, 100}, RECT{0, 10, 12, 70}, true, true);
  EXPECT_EQ(Px(target, 5, 10), 0x110000u);
  EXPECT_EQ(Px(target, 5, 20), 0x110000u);  // top third 1:1, 11 rows
  EXPECT_EQ(Px(target, 5, 21), 0x220000u);  // middle stretched
  EXPECT_EQ(Px(target, 5, 58), 0x220000u);
  EXPECT_EQ(Px(target, 5, 59), 0x330000u);  // bottom third 1:1
  EXPECT_EQ(Px(target, 5, 69), 0x330000u);
  std::filesystem::remove(path);
}
