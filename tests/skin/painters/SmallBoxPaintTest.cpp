// Check boxes and radio buttons drawn from the built-in skin: every state
// picks its frame of the skin's picture, and the box sits at the edge the
// caption is not on.
#include <gtest/gtest.h>

#include "PainterTestSupport.h"
#include "painters/QELSkinCheckBox.h"
#include "painters/QELSkinRadioButton.h"

namespace {

constexpr std::uint32_t kMarker = 0x123456;
constexpr TColor kControlColor = 0x00C0D0E0;  // RGB E0 D0 C0

struct SmallBoxCase {
  bool radio;
  TCheckBoxState state;
  bool enabled;
  TAlignment alignment;
  bool rightToLeft;
  int frame;      // expected frame, 1-based
  bool atRight;   // expected box position
};

const SmallBoxCase kCases[] = {
    {false, cbChecked, true, taRightJustify, false, 1, false},
    {false, cbGrayed, true, taRightJustify, false, 2, false},
    {false, cbUnchecked, true, taRightJustify, false, 3, false},
    {false, cbChecked, false, taRightJustify, false, 4, false},
    {false, cbGrayed, false, taRightJustify, false, 5, false},
    {false, cbUnchecked, false, taLeftJustify, false, 6, true},
    {false, cbChecked, true, taLeftJustify, false, 1, true},
    {false, cbChecked, true, taLeftJustify, true, 1, false},
    {false, cbChecked, true, taRightJustify, true, 1, true},
    {true, cbChecked, true, taRightJustify, false, 1, false},
    {true, cbUnchecked, true, taRightJustify, false, 2, false},
    {true, cbChecked, false, taLeftJustify, false, 3, true},
    {true, cbUnchecked, false, taRightJustify, false, 4, false},
    {true, cbGrayed, true, taRightJustify, false, 2, false},
};

using SmallBoxPaint = BuiltInSkinFixture;

TEST_F(SmallBoxPaint, EachStateShowsItsFrameAtTheEdgeAwayFromTheCaption) {
  constexpr int kWidth = 90, kHeight = 24;
  for (const SmallBoxCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << (c.radio ? "radio" : "check") << " state " << c.state << " enabled "
                                    << c.enabled << " alignment " << c.alignment << " rtl " << c.rightToLeft);
    TBitmap target = Filled(kWidth, kHeight, kMarker);
    TCheckBoxLook look;
    look.State = c.state;
    look.Enabled = c.enabled;
    look.BoxAtRight = SmallBoxAtRight(c.alignment, c.rightToLeft);
    look.Color = kControlColor;
    EXPECT_EQ(look.BoxAtRight, c.atRight);
    const TBitmap& picture = Picture(c.radio ? SKIN2_RADIOBUTTON : SKIN2_CHECKBOX);
    const int frames = c.radio ? 4 : 6;
    const int fw = picture.Width() / frames, fh = picture.Height();
    if (c.radio) {
      EXPECT_EQ(RadioButtonFrameIndex(look), c.frame);
      PaintRadioButton(target.Canvas(), SIZE{kWidth, kHeight}, look, skin, true);
    } else {
      EXPECT_EQ(CheckBoxFrameIndex(look), c.frame);
      PaintCheckBox(target.Canvas(), SIZE{kWidth, kHeight}, look, skin);
    }
    // A 17 x 17 frame: at x = 0 or at width - 17 - 1, centred in 24 rows.
    const int x0 = c.atRight ? kWidth - fw - 1 : 0, y0 = (kHeight - fh) / 2;
    // The radio frames are drawn with the transparent colour showing the
    // control's colour; the check-box frames of this skin are opaque.
    const std::uint32_t trans = c.radio ? Pixel(SKIN2_TRANSCOLOR) : 0xFFFFFFFFu;
    EXPECT_EQ(CountDifferences(target, x0, y0, picture, fw * (c.frame - 1), 0, fw, fh, trans,
                               ColorToPixel(kControlColor)),
              0);
    EXPECT_EQ(CountOutside(target, RECT{x0, y0, x0 + fw, y0 + fh}, kMarker), 0);
  }
}

TEST_F(SmallBoxPaint, BoxIsAtLeastThirteenSquareFilledWithTheControlColour) {
  // A one-pixel picture still gets a 13 x 13 box of the control's colour.
  const TBitmap dot = Filled(1, 1, 0x000000);
  TBitmap target = Filled(40, 21, kMarker);
  TCheckBoxLook look;
  look.Color = kControlColor;
  look.BoxAtRight = true;
  PaintSmallBox(target.Canvas(), SIZE{40, 21}, look, dot);
  const RECT box{40 - 13 - 1, 4, 40 - 1, 17};
  EXPECT_EQ(Px(target, box.left, box.top), 0x000000u);
  target.SetPixel(box.left, box.top, kControlColor);
  EXPECT_EQ(CountInside(target, box, ColorToPixel(kControlColor)), 0);
  EXPECT_EQ(CountOutside(target, box, kMarker), 0);
}

}  // namespace
