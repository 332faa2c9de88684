// Slicing, turning, recolouring and part drawing on small generated
// bitmaps, checked pixel by pixel.
#include "QELSkinUtilsBitmap.h"

#include <gtest/gtest.h>

#include "SkinTestSupport.h"

namespace {

// A 3 x 2 picture with one letter per pixel:  a b c / d e f.
constexpr std::uint32_t a = 0xA, b = 0xB, c = 0xC, d = 0xD, e = 0xE, f = 0xF;

TBitmap Letters() { return TBitmap::FromPixels(3, 2, std::vector<std::uint32_t>{a, b, c, d, e, f}); }

std::vector<std::uint32_t> All(const TBitmap& bitmap) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(Px(bitmap, x, y));
  return pixels;
}

}  // namespace

TEST(SliceBitmap, CutsEqualFramesByIndex) {
  const TBitmap source = Numbered(54, 3);
  for (int index = 1; index <= 3; ++index) {
    TBitmap frame;
    SliceBitmap(&source, frame, 3, index);
    ASSERT_EQ(frame.Width(), 18);
    ASSERT_EQ(frame.Height(), 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 18; ++x) ASSERT_EQ(Px(frame, x, y), NumberOf(18 * (index - 1) + x, y)) << index;
  }
  // A width that does not divide: frames are width div count, the rest is
  // never used.
  const TBitmap odd = Numbered(10, 1);
  TBitmap last;
  SliceBitmap(&odd, last, 4, 4);
  ASSERT_EQ(last.Width(), 2);
  EXPECT_EQ(Px(last, 0, 0), NumberOf(6, 0));
  EXPECT_EQ(Px(last, 1, 0), NumberOf(7, 0));
}

TEST(SliceBitmap, LeavesDestAloneForNullSourceOrBadIndex) {
  TBitmap dest = Filled(2, 2, 0x123456);
  SliceBitmap(nullptr, dest, 3, 1);
  const TBitmap source = Numbered(6, 1);
  SliceBitmap(&source, dest, 3, 0);
  SliceBitmap(&source, dest, 3, 4);
  SliceBitmap(&source, dest, 0, 1);
  ASSERT_EQ(dest.Width(), 2);
  EXPECT_EQ(Px(dest, 1, 1), 0x123456u);
}

TEST(RotateBitmap, TurnsNonSquarePicturesEachWay) {
  TBitmap ccw = Letters();
  RotateBitmap90(ccw);  // the top edge becomes the left edge
  ASSERT_EQ(ccw.Width(), 2);
  ASSERT_EQ(ccw.Height(), 3);
  EXPECT_EQ(All(ccw), (std::vector<std::uint32_t>{c, f, b, e, a, d}));

  TBitmap half = Letters();
  RotateBitmap180(half);
  ASSERT_EQ(half.Width(), 3);
  EXPECT_EQ(All(half), (std::vector<std::uint32_t>{f, e, d, c, b, a}));

  TBitmap cw = Letters();
  RotateBitmap270(cw);  // the top edge becomes the right edge
  ASSERT_EQ(cw.Width(), 2);
  ASSERT_EQ(cw.Height(), 3);
  EXPECT_EQ(All(cw), (std::vector<std::uint32_t>{d, a, e, b, f, c}));
}

TEST(RotateBitmap, QuarterTurnsComposeAndKeepTransparency) {
  const TBitmap original = Numbered(7, 4);
  TBitmap turned = original;
  turned.SetTransparent(true);
  turned.SetTransparentColor(0xFF00FF);
  RotateBitmap90(turned);
  RotateBitmap90(turned);
  TBitmap half = original;
  RotateBitmap180(half);
  EXPECT_EQ(All(turned), All(half));  // two quarters counter-clockwise = a half turn
  RotateBitmap270(turned);
  RotateBitmap270(turned);
  EXPECT_EQ(All(turned), All(original));
  EXPECT_TRUE(turned.Transparent());
  EXPECT_EQ(turned.TransparentMode(), tmFixed);
  EXPECT_EQ(turned.TransparentColor(), 0xFF00FF);

  TBitmap empty;
  RotateBitmap90(empty);
  RotateBitmap180(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(ReplaceBitmapColor, ReplacesExactMatchesOnly) {
  // Magenta (TColor 0xFF00FF) and a colour one step away from it.
  TBitmap bitmap = TBitmap::FromPixels(4, 1, std::vector<std::uint32_t>{0xFF00FF, 0xFE00FF, 0x000000, 0xFF00FF});
  ReplaceBitmapColor(bitmap, 0xFF00FF, 0xF9F9F9);
  EXPECT_EQ(All(bitmap), (std::vector<std::uint32_t>{0xF9F9F9, 0xFE00FF, 0x000000, 0xF9F9F9}));

  // TColor is 0x00BBGGRR, pixels 0x00RRGGBB: red as a colour is blue-last.
  TBitmap red = TBitmap::FromPixels(1, 1, std::vector<std::uint32_t>{0xFF0000});
  ReplaceBitmapColor(red, clRed, clBlue);
  EXPECT_EQ(Px(red, 0, 0), 0x0000FFu);
}

TEST(ReplaceBitmapColor, IgnoresAbsentSkinColours) {
  // A colour the skin lacks reads -1; it must neither match black nor be
  // written.
  TBitmap bitmap = TBitmap::FromPixels(2, 1, std::vector<std::uint32_t>{0x000000, 0xFFFFFF});
  ReplaceBitmapColor(bitmap, kSkinColorAbsent, 0x00FF00);
  ReplaceBitmapColor(bitmap, 0xFFFFFF, kSkinColorAbsent);
  EXPECT_EQ(All(bitmap), (std::vector<std::uint32_t>{0x000000, 0xFFFFFF}));
}

TEST(InvertColor, FlipsEachChannelOfTheResolvedColour) {
  EXPECT_EQ(InvertColor(0x123456), 0xEDCBA9);
  EXPECT_EQ(InvertColor(clBlack), clWhite);
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(InvertColor(clBtnFace), static_cast<TColor>(face ^ 0xFFFFFF));
}

TEST(DrawBitmapPart, KeysOutOnlyWhenAsked) {
  const TBitmap source = TBitmap::FromPixels(2, 1, std::vector<std::uint32_t>{0xFF00FF, 0x00FF00});
  TBitmap target = Filled(4, 2, 0x0000FF);
  DrawBitmapPart(target.Canvas(), RECT{0, 0, 4, 1}, source, RECT{0, 0, 2, 1}, true, 0xFF00FF);
  DrawBitmapPart(target.Canvas(), RECT{0, 1, 4, 2}, source, RECT{0, 0, 2, 1}, false, 0xFF00FF);
  // Row 0 keyed: the magenta half leaves the blue canvas. Row 1 opaque.
  EXPECT_EQ(Px(target, 0, 0), 0x0000FFu);
  EXPECT_EQ(Px(target, 1, 0), 0x0000FFu);
  EXPECT_EQ(Px(target, 2, 0), 0x00FF00u);
  EXPECT_EQ(Px(target, 0, 1), 0xFF00FFu);
  EXPECT_EQ(Px(target, 3, 1), 0x00FF00u);
}

TEST(StretchBitmap, FillsTheRectangleOnly) {
  const TBitmap source = Filled(3, 3, 0x336699);
  TBitmap target = Filled(10, 10, 0x000000);
  StretchBitmap(source, target.Canvas(), RECT{2, 2, 8, 8});
  EXPECT_EQ(Px(target, 2, 2), 0x336699u);
  EXPECT_EQ(Px(target, 7, 7), 0x336699u);
  EXPECT_EQ(Px(target, 1, 1), 0u);
  EXPECT_EQ(Px(target, 8, 8), 0u);
}

TEST(TurnedBitmap, CopiesTurnedLikeTheInPlaceTurnsAndLeavesTheSource) {
  const TBitmap source = Numbered(5, 3);
  for (auto [degrees, turn] : {std::pair{90, &RotateBitmap90}, std::pair{180, &RotateBitmap180},
                               std::pair{270, &RotateBitmap270}}) {
    TBitmap inPlace = source;
    turn(inPlace);
    const TBitmap copy = TurnedBitmap(source, degrees);
    EXPECT_EQ(copy.Width(), inPlace.Width()) << degrees;
    EXPECT_EQ(All(copy), All(inPlace)) << degrees;
  }
  EXPECT_EQ(All(TurnedBitmap(source, 0)), All(source));
  EXPECT_EQ(source.Width(), 5);
  EXPECT_EQ(Px(source, 4, 2), NumberOf(4, 2));
}
